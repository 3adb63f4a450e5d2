// Program entry (being written).
int main() { return 0; }
