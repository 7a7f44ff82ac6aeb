// The About dialog (first cut: its resource is not in yet, so it never opens).
#include "dialogs/about_win.h"

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == 1 || LOWORD(wParam) == 2)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
