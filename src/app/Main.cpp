// Placeholder entry point until the main window exists.
int main() { return 0; }
