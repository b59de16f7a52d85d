// A small program for the launcher's tests: writes the command line it was
// given, as the system passes it, to "cmdline.txt" in its current directory.
#include <windows.h>

#include <cstdio>

int main()
{
    FILE *fp = fopen("cmdline.txt", "w");
    if (fp == nullptr) return 1;
    fputs(GetCommandLineA(), fp);
    fclose(fp);
    return 0;
}
