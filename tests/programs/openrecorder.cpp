// A stand-in for the program that opens web pages, for a file association of the tests: it writes the
// file it was asked to open (its second argument) into the file named by its first, and ends.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3)
        return 1;
    FILE* record = std::fopen(__argv[1], "w");
    if (!record)
        return 1;
    std::fputs(__argv[2], record);
    std::fclose(record);
    return 0;
}
