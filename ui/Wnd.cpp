#include "Wnd.h"

#include "App.h"
#include "Gdi.h"

void CWnd::SetIcon(HICON icon, bool big)
{
    ::SendMessageA(m_hWnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void CWnd::SetFont(CFont* font, bool redraw)
{
    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font->m_hObject), redraw ? TRUE : FALSE);
}

void CWnd::CenterWindow()
{
    RECT window{};
    RECT workArea{};
    ::GetWindowRect(m_hWnd, &window);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    const LONG x = workArea.left + (workArea.right - workArea.left - width) / 2;
    const LONG y = workArea.top + (workArea.bottom - workArea.top - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type)
{
    return ::MessageBoxA(m_hWnd, text, caption ? caption : AfxGetAppName(), type);
}

HBITMAP CStatic::SetBitmap(HBITMAP bitmap)
{
    return reinterpret_cast<HBITMAP>(
        ::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

void CProgressCtrl::SetRange(short lower, short upper)
{
    ::SendMessageA(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(lower), static_cast<WORD>(upper)));
}

int CProgressCtrl::SetPos(int position)
{
    return static_cast<int>(::SendMessageA(m_hWnd, PBM_SETPOS, static_cast<WPARAM>(position), 0));
}
