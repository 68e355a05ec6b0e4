// Countling: reports one install or uninstall event. (Filled in by the tracker work.)
int main() { return 0; }
