#include <windows.h>

#include "app/app.h"
#include "shells/win32/main_window.h"

// The command line is not read.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    typovel::win32::MainWindow desktop(instance);
    return typovel::RunProgram(desktop);
}
