// Drawing objects. A CGdiObject owns its handle and deletes it; a CDC only borrows a device context.
#pragma once

#include <WinApi.h>

class CWnd;

class CGdiObject
{
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    ~CGdiObject() { DeleteObject(); }

    bool DeleteObject();
    // Gives up the handle without deleting it.
    HGDIOBJ Detach();
    bool Attach(HGDIOBJ object);
};

class CFont : public CGdiObject
{
public:
    bool CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, LPCSTR faceName);
};

class CBrush : public CGdiObject
{
public:
    bool CreateSolidBrush(COLORREF color);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CBitmap : public CGdiObject
{
public:
    bool LoadBitmap(UINT id);
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CDC
{
public:
    HDC m_hDC = nullptr;

    explicit CDC(HDC dc) : m_hDC(dc) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    bool DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon) != FALSE; }
    bool GradientFill(TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode);
};

// The device context of one WM_PAINT, from BeginPaint to EndPaint.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC();

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
};
