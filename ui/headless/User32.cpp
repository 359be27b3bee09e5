// Windows, messages and message boxes in memory.
#include "Headless.h"

#include <algorithm>
#include <stdexcept>
#include <unistd.h>

namespace
{
struct Desktop
{
    std::vector<std::unique_ptr<HWND__>> dialogs;
    std::vector<headless::MessageBoxRecord> messageBoxes;
    std::deque<int> answers;
    std::vector<headless::PostedMessage> posted;
};

Desktop& TheDesktop()
{
    static Desktop desktop;
    return desktop;
}

bool IsDialog(HWND window) { return window && window->dialogProc; }
} // namespace

namespace headless
{

void Reset()
{
    Desktop& desktop = TheDesktop();
    desktop.dialogs.clear();
    desktop.messageBoxes.clear();
    desktop.answers.clear();
    desktop.posted.clear();
}

HWND__& Control(HWND dialog, int id) { return *::GetDlgItem(dialog, id); }

bool Click(HWND dialog, int id)
{
    HWND__& control = Control(dialog, id);
    if (!control.visible || !control.enabled || !dialog->enabled)
        return false;
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                   reinterpret_cast<LPARAM>(&control));
    return true;
}

bool ClickRadio(HWND dialog, int id)
{
    HWND__& control = Control(dialog, id);
    if (!control.visible || !control.enabled || !dialog->enabled)
        return false;
    for (auto& child : dialog->children)
        child->checked = false;
    control.checked = true;
    return Click(dialog, id);
}

bool Command(HWND dialog, int id)
{
    if (id != IDCANCEL && !Control(dialog, id).enabled)
        return false;
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
    return true;
}

void Answer(int button) { TheDesktop().answers.push_back(button); }

const std::vector<MessageBoxRecord>& MessageBoxes() { return TheDesktop().messageBoxes; }

bool QuitPosted(HWND window)
{
    const std::vector<PostedMessage>& posted = TheDesktop().posted;
    return std::any_of(posted.begin(), posted.end(), [window](const PostedMessage& message) {
        return message.window == window && message.message == WM_QUIT;
    });
}

ColourRequest RequestColours(HWND dialog, int id, UINT message)
{
    ColourRequest request{};
    HBRUSH brush =
        reinterpret_cast<HBRUSH>(::SendMessageA(dialog, message, reinterpret_cast<WPARAM>(&request.dc),
                                                reinterpret_cast<LPARAM>(&Control(dialog, id))));
    request.brush = brush;
    return request;
}

void SetIconic(HWND dialog, bool iconic, RECT clientRect)
{
    dialog->iconic = iconic;
    dialog->clientRect = clientRect;
}

} // namespace headless

DWORD GetModuleFileNameA(HMODULE, LPSTR fileName, DWORD size)
{
    const ssize_t length = readlink("/proc/self/exe", fileName, size - 1);
    fileName[length > 0 ? length : 0] = '\0';
    return static_cast<DWORD>(length > 0 ? length : 0);
}

HMODULE GetModuleHandleA(LPCSTR) { return nullptr; }

HWND CreateDialogParamA(HINSTANCE, LPCSTR, HWND, DLGPROC dialogProc, LPARAM initParam)
{
    auto dialog = std::make_unique<HWND__>();
    dialog->dialogProc = dialogProc;
    HWND window = dialog.get();
    TheDesktop().dialogs.push_back(std::move(dialog));
    dialogProc(window, WM_INITDIALOG, 0, initParam);
    return window;
}

BOOL DestroyWindow(HWND window)
{
    auto& dialogs = TheDesktop().dialogs;
    for (auto it = dialogs.begin(); it != dialogs.end(); ++it)
    {
        if (it->get() != window)
            continue;
        window->dialogProc(window, WM_DESTROY, 0, 0);
        window->dialogProc(window, WM_NCDESTROY, 0, 0);
        dialogs.erase(it);
        return TRUE;
    }
    return FALSE;
}

BOOL ShowWindow(HWND window, int command)
{
    const bool wasVisible = window->visible;
    window->visible = command != SW_HIDE;
    return wasVisible ? TRUE : FALSE;
}

BOOL EnableWindow(HWND window, BOOL enable)
{
    const bool wasDisabled = !window->enabled;
    window->enabled = enable != FALSE;
    return wasDisabled ? TRUE : FALSE;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text)
{
    GetDlgItem(dialog, id)->text = text;
    return TRUE;
}

// Controls come into being when first asked for, as the template made them: visible and enabled.
HWND GetDlgItem(HWND dialog, int id)
{
    for (auto& child : dialog->children)
    {
        if (child->id == id)
            return child.get();
    }
    auto control = std::make_unique<HWND__>();
    control->parent = dialog;
    control->id = id;
    dialog->children.push_back(std::move(control));
    return dialog->children.back().get();
}

int GetDlgCtrlID(HWND window) { return window->id; }

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    Desktop& desktop = TheDesktop();
    desktop.messageBoxes.push_back({owner, text ? text : "", caption ? caption : "", type});
    if (!desktop.answers.empty())
    {
        const int answer = desktop.answers.front();
        desktop.answers.pop_front();
        return answer;
    }
    if ((type & MB_TYPEMASK) == MB_OK)
        return IDOK;
    throw std::logic_error("a message box asked a question that the test did not answer: " +
                           desktop.messageBoxes.back().text);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsDialog(window))
    {
        const INT_PTR result = window->dialogProc(window, message, wParam, lParam);
        if (result || message == WM_INITDIALOG)
            return result;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    TheDesktop().posted.push_back({window, message, wParam, lParam});
    return TRUE;
}

// What the system does with a message that nobody handled, for the messages this program sends.
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // As in Windows, a message to no window goes nowhere.
    if (!window)
        return 0;
    switch (message)
    {
    case WM_SETFONT:
        window->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_SETICON: {
        HICON& slot = wParam == ICON_BIG ? window->bigIcon : window->smallIcon;
        HICON previous = slot;
        slot = reinterpret_cast<HICON>(lParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    case STM_SETIMAGE: {
        HBITMAP previous = window->bitmap;
        window->bitmap = reinterpret_cast<HBITMAP>(lParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    case PBM_SETRANGE: {
        const LRESULT previous =
            MAKELPARAM(static_cast<WORD>(window->rangeLower), static_cast<WORD>(window->rangeUpper));
        window->rangeLower = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)));
        window->rangeUpper = static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam)));
        return previous;
    }
    case PBM_SETPOS: {
        const int previous = window->position;
        window->position = static_cast<int>(wParam);
        window->positions.push_back(window->position);
        return previous;
    }
    case PBM_GETPOS:
        return window->position;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(headless::DefaultControlBrush());
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value)
{
    if (index != DWLP_USER)
        return 0;
    const LONG_PTR previous = window->userData;
    window->userData = value;
    return previous;
}

LONG_PTR GetWindowLongPtrA(HWND window, int index) { return index == DWLP_USER ? window->userData : 0; }

BOOL GetWindowRect(HWND, RECT* rect)
{
    *rect = RECT{0, 0, 0, 0};
    return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect)
{
    *rect = window->clientRect;
    return TRUE;
}

BOOL SetWindowPos(HWND, HWND, int, int, int, int, UINT) { return TRUE; }

BOOL SystemParametersInfoA(UINT, UINT, void* value, UINT)
{
    *static_cast<RECT*>(value) = RECT{0, 0, 1024, 768};
    return TRUE;
}

BOOL IsIconic(HWND window) { return window->iconic ? TRUE : FALSE; }

int GetSystemMetrics(int index) { return index == SM_CXICON || index == SM_CYICON ? 32 : 0; }
