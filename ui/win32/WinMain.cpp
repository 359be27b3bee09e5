// The program's entry point: the application object, constructed during static initialisation, runs.
#include "../App.h"

#include <SystemLibrary.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // No DLL loaded from here on may come from the program's folder or the current directory.
    RestrictDllSearchToSystemDirectory();
    return AfxWinMain();
}
