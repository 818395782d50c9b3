// The shell library; its sources arrive with the layer itself.
