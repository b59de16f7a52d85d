// vokrun: runs one calculation file on the console.  The interpreter and
// the runner's steps come with the calculation language; until then the
// program starts and ends without doing anything.
int main() { return 0; }
