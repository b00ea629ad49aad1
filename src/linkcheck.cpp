// Linked with the whole of one layer library and what it depends on, and never run.
int main() {
    return 0;
}
