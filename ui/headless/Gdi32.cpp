// Drawing objects and device contexts in memory.
#include "../Gdi.h"
#include "Headless.h"

#include <set>

namespace
{
std::set<HGDIOBJ>& LiveObjects()
{
    static std::set<HGDIOBJ> objects;
    return objects;
}

// Handles are numbers that never repeat, as unlikely to be taken for real pointers as Windows' own.
HGDIOBJ NewObject()
{
    static std::uintptr_t lastHandle = 0x10000;
    lastHandle += 4;
    HGDIOBJ object = reinterpret_cast<HGDIOBJ>(lastHandle);
    LiveObjects().insert(object);
    return object;
}

// The device context handed out by BeginPaint during headless::Paint.
HDC__* g_paintDc = nullptr;
} // namespace

namespace headless
{

HBRUSH DefaultControlBrush() { return reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(0x10000)); }

HDC__ Paint(HWND dialog)
{
    HDC__ dc;
    g_paintDc = &dc;
    ::SendMessageA(dialog, WM_PAINT, 0, 0);
    g_paintDc = nullptr;
    return dc;
}

size_t LiveGdiObjects() { return LiveObjects().size(); }

bool IsLiveGdiObject(HGDIOBJ object) { return LiveObjects().count(object) != 0; }

} // namespace headless

HDC BeginPaint(HWND, PAINTSTRUCT* paint)
{
    *paint = PAINTSTRUCT{g_paintDc, FALSE, RECT{0, 0, 0, 0}};
    return g_paintDc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT*) { return TRUE; }

BOOL DrawIcon(HDC dc, int x, int y, HICON icon)
{
    dc->iconsDrawn.push_back({x, y, icon});
    return TRUE;
}

HICON LoadIconA(HINSTANCE, LPCSTR name)
{
    // Icons loaded from resources are shared and never deleted: the resource identifier serves as handle.
    return reinterpret_cast<HICON>(const_cast<LPSTR>(name));
}

HBITMAP LoadBitmapA(HINSTANCE, LPCSTR) { return static_cast<HBITMAP>(NewObject()); }

HFONT CreateFontA(int, int, int, int, int, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD, LPCSTR)
{
    return static_cast<HFONT>(NewObject());
}

HBRUSH CreateSolidBrush(COLORREF) { return static_cast<HBRUSH>(NewObject()); }

BOOL DeleteObject(HGDIOBJ object) { return LiveObjects().erase(object) != 0 ? TRUE : FALSE; }

COLORREF SetTextColor(HDC dc, COLORREF color)
{
    const COLORREF previous = dc->textColor;
    dc->textColor = color;
    return previous;
}

int SetBkMode(HDC dc, int mode)
{
    const int previous = dc->backgroundMode;
    dc->backgroundMode = mode;
    return previous;
}

bool CDC::GradientFill(TRIVERTEX* vertices, ULONG vertexCount, void* mesh, ULONG meshCount, ULONG mode)
{
    auto* rectangles = static_cast<GRADIENT_RECT*>(mesh);
    m_hDC->gradients.push_back({std::vector<TRIVERTEX>(vertices, vertices + vertexCount),
                                std::vector<GRADIENT_RECT>(rectangles, rectangles + meshCount), mode});
    return true;
}
