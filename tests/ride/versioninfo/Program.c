/* The smallest Windows program: only its version resource matters to the tests. */
int main(void) { return 0; }
