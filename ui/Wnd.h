// Windows the program talks to: a wrapper holds one handle it does not own and forwards each call.
#pragma once

#include <WinApi.h>

class CFont;

class CWnd
{
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    explicit CWnd(HWND window) : m_hWnd(window) {}
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    bool ShowWindow(int command) { return ::ShowWindow(m_hWnd, command) != FALSE; }
    bool EnableWindow(bool enable) { return ::EnableWindow(m_hWnd, enable ? TRUE : FALSE) != FALSE; }
    void SetDlgItemText(int id, LPCSTR text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    CWnd GetDlgItem(int id) const { return CWnd(::GetDlgItem(m_hWnd, id)); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    bool IsIconic() const { return ::IsIconic(m_hWnd) != FALSE; }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void SetIcon(HICON icon, bool big);
    void SetFont(CFont* font, bool redraw = true);
    void CenterWindow();

    // A modal box owned by this window; without a caption it carries the application's name.
    int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);
};

class CStatic : public CWnd
{
public:
    HBITMAP SetBitmap(HBITMAP bitmap);
};

class CButton : public CWnd
{
};

class CEdit : public CWnd
{
};

class CProgressCtrl : public CWnd
{
public:
    void SetRange(short lower, short upper);
    int SetPos(int position);
};
