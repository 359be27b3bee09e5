// The Windows side of the class layer: the modal loop and the drawing calls of DLLs bound at run time.
#include "../Dialog.h"

#include <SystemLibrary.h>

#include <commctrl.h>

INT_PTR CDialog::DoModal()
{
    // The progress bar's window class is registered by comctl32, which must be loaded first.
    SystemLibrary comctl32("comctl32.dll");
    if (auto initCommonControls =
            comctl32.Proc<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>("InitCommonControlsEx"))
    {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
        initCommonControls(&classes);
    }

    if (!Create())
        return -1;
    MSG message{};
    while (::GetMessageA(&message, nullptr, 0, 0) > 0)
    {
        if (!m_hWnd || !::IsDialogMessageA(m_hWnd, &message))
        {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    DestroyWindow();
    return message.message == WM_QUIT ? static_cast<INT_PTR>(message.wParam) : -1;
}

bool CDC::GradientFill(TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode)
{
    using GradientFillProc = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
    // Bound once and kept for the life of the process: the handler runs on every repaint.
    static SystemLibrary msimg32("msimg32.dll");
    static const auto gradientFill = msimg32.Proc<GradientFillProc>("GradientFill");
    return gradientFill && gradientFill(m_hDC, vertices, vertexCount, mesh, meshCount, mode);
}
