// The link library; its sources arrive with the layer itself.
