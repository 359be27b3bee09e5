// The headless backend of the class layer, for native tests: windows are records in memory, messages
// go straight to the dialog procedure, message boxes are answered by the test and remembered.
#pragma once

#include <WinApi.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

struct HWND__
{
    HWND__* parent = nullptr;
    int id = 0;
    DLGPROC dialogProc = nullptr;
    LONG_PTR userData = 0;
    std::string text;
    // The template makes every control visible and enabled.
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    bool iconic = false;
    RECT clientRect{0, 0, 0, 0};
    int rangeLower = 0;
    int rangeUpper = 100;
    int position = 0;
    // Every position the bar was moved to, in order.
    std::vector<int> positions;
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    std::vector<std::unique_ptr<HWND__>> children;
};

struct GradientCall
{
    std::vector<TRIVERTEX> vertices;
    std::vector<GRADIENT_RECT> rectangles;
    ULONG mode;
};

// A device context that remembers what was done to it.
struct HDC__
{
    COLORREF textColor = RGB(0, 0, 0);
    int backgroundMode = OPAQUE;
    std::vector<GradientCall> gradients;
    struct DrawnIcon
    {
        int x, y;
        HICON icon;
    };
    std::vector<DrawnIcon> iconsDrawn;
};

namespace headless
{

struct MessageBoxRecord
{
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;

    UINT Buttons() const { return type & MB_TYPEMASK; }
    UINT Icon() const { return type & MB_ICONMASK; }
};

struct PostedMessage
{
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The brush that the system's default colouring hands out.
HBRUSH DefaultControlBrush();

// Forgets every window, box, posted message and answer; drawing objects still alive are kept.
void Reset();

// The control of a dialog, as the user would see it.
HWND__& Control(HWND dialog, int id);

// A click of the user: only on a visible, enabled control. A radio button clicked gets the mark and the
// others of the dialog lose theirs (this dialog has one radio group). Returns whether the click landed.
bool Click(HWND dialog, int id);
bool ClickRadio(HWND dialog, int id);

// A command issued by the dialog manager for the keyboard: IDCANCEL for Escape, the close box and
// Alt+F4; the default button's identifier for Enter on a control that is not a push button. It
// arrives whether or not the button is visible, but not when it is disabled.
bool Command(HWND dialog, int id);

// The answer to the next message box; a box that finds no answer waiting is answered with OK when it
// has only that button, and otherwise fails the test that forgot to script it.
void Answer(int button);
const std::vector<MessageBoxRecord>& MessageBoxes();
bool QuitPosted(HWND window);

// A control's request for its colours, as the system sends it before painting the control.
struct ColourRequest
{
    HBRUSH brush;
    HDC__ dc;
};
ColourRequest RequestColours(HWND dialog, int id, UINT message);

// A paint of the dialog, with the device context that it drew into.
HDC__ Paint(HWND dialog);
void SetIconic(HWND dialog, bool iconic, RECT clientRect);

// Drawing objects (fonts, brushes, bitmaps) created and not yet deleted.
size_t LiveGdiObjects();
bool IsLiveGdiObject(HGDIOBJ object);

} // namespace headless
