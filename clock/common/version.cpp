namespace vistrel { int CoreVersion() { return 210; } }
