// The baseline of the start-up benchmark: the least a Windows program with a dialog does. It shows a
// modal dialog from its template (BareDialog.rc) until OK or Cancel, and is linked as Setup.exe is.
#include <windows.h>

namespace
{
INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
    {
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(::DialogBoxParamA(instance, "BAREDIALOG", nullptr, DialogProc, 0));
}
