// The process entry of Moravel5770.exe. The command line and the previous
// instance are ignored.
#include "app/startup_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return AppMain(instance, showCommand);
}
