// Loaded into Setup.exe by a message hook of the end-to-end tests, to read the dialog's icons there: Wine
// does not carry WM_GETICON between processes. Asked by a posted ICON_READER_MESSAGE, it leaves the
// answers as properties of the window, which any process can read.
#include "IconReader.h"

extern "C" __attribute__((dllexport)) LRESULT CALLBACK ReadIconsHook(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE &&
        message->message == ::RegisterWindowMessageA(ICON_READER_MESSAGE))
    {
        HWND window = message->hwnd;
        ::SetPropA(window, ICON_READER_BIG,
                   reinterpret_cast<HANDLE>(::SendMessageA(window, WM_GETICON, ICON_BIG, 0)));
        ::SetPropA(window, ICON_READER_SMALL,
                   reinterpret_cast<HANDLE>(::SendMessageA(window, WM_GETICON, ICON_SMALL, 0)));
        ::SetPropA(window, ICON_READER_DONE, reinterpret_cast<HANDLE>(1));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
