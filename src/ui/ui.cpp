// The ui library; its sources arrive with the layer itself.
