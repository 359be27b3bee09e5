#include "WizardDriver.h"

#include "../FileTree.h"

#include "IconReader.h"

#include <engine/Package.h>
#include <wizard/resource.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <sstream>

namespace e2e
{

namespace
{
// How long a single question to the program may take before it counts as busy.
constexpr UINT ANSWER_TIMEOUT_MS = 200;
constexpr DWORD POLL_MS = 20;
// Two readings this far apart that agree make a settled dialog.
constexpr DWORD SETTLE_GAP_MS = 100;
constexpr DWORD SETTLE_TIMEOUT_MS = 15000;
// The message box's text and icon: the text is 0xFFFF everywhere; the icon is 0x14 on Windows and
// 0x440 (stc1) in Wine's message box template.
constexpr int BOX_TEXT_ID = 0xFFFF;
constexpr int BOX_ICON_IDS[] = {0x14, 0x440};

const SetupRun* g_runToDescribe = nullptr;

std::string Escaped(const std::string& utf8)
{
    std::string out;
    for (char c : utf8)
    {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::string Hex(const std::string& bytes)
{
    std::string out;
    char digits[4];
    for (unsigned char c : bytes)
    {
        std::snprintf(digits, sizeof digits, "%02X", c);
        out += out.empty() ? "" : " ";
        out += digits;
    }
    return out;
}

std::string DescribeText(const Text& text)
{
    std::string out = "\"" + Escaped(Utf8(text.wide)) + "\"";
    if (WideFromGbk(text.ansi) != text.wide)
        out += " (the A function read \"" + Escaped(Utf8FromGbk(text.ansi)) + "\")";
    return out;
}

bool Answers(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result, bool wide = false)
{
    result = 0;
    const LRESULT sent = wide ? ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                                      ANSWER_TIMEOUT_MS, &result)
                              : ::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                                      ANSWER_TIMEOUT_MS, &result);
    return sent != 0;
}

bool Answering(HWND window)
{
    DWORD_PTR result = 0;
    return window && Answers(window, WM_NULL, 0, 0, result);
}

// The window's text through WM_GETTEXT; from a program that does not answer (ask false), the text the
// system keeps for the window, which no message is needed to read.
Text ReadText(HWND window, bool ask = true)
{
    Text text;
    DWORD_PTR length = 0;
    DWORD_PTR wideLength = 0;
    if (ask && Answers(window, WM_GETTEXTLENGTH, 0, 0, length) &&
        Answers(window, WM_GETTEXTLENGTH, 0, 0, wideLength, true))
    {
        std::vector<char> bytes(2 * length + 2, '\0');
        DWORD_PTR copied = 0;
        if (Answers(window, WM_GETTEXT, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()), copied))
            text.ansi.assign(bytes.data(), copied);
        std::vector<wchar_t> chars(wideLength + 1, L'\0');
        if (Answers(window, WM_GETTEXT, chars.size(), reinterpret_cast<LPARAM>(chars.data()), copied, true))
            text.wide.assign(chars.data(), copied);
        return text;
    }
    char bytes[2048] = {};
    text.ansi = std::string(bytes, ::GetWindowTextA(window, bytes, sizeof bytes));
    wchar_t chars[2048] = {};
    text.wide = std::wstring(chars, ::GetWindowTextW(window, chars, 2048));
    return text;
}

struct TopLevelSearch
{
    DWORD processId;
    HWND except;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDialogs(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<TopLevelSearch*>(parameter);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (processId == search->processId && window != search->except && std::strcmp(className, "#32770") == 0 &&
        ::IsWindowVisible(window))
    {
        search->found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectButtons(HWND window, LPARAM parameter)
{
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (_stricmp(className, "Button") == 0 && ::IsWindowVisible(window))
        reinterpret_cast<std::vector<int>*>(parameter)->push_back(::GetDlgCtrlID(window));
    return TRUE;
}

template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        if (condition())
            return true;
        if (::GetTickCount() - start >= timeoutMs)
            return false;
        ::Sleep(POLL_MS);
    }
}

std::string Directory(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string FullPath(const std::string& path)
{
    char full[MAX_PATH] = {};
    const DWORD length = ::GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length && length < MAX_PATH ? std::string(full) : path;
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The name of a package file, from its source path ".\driver\NAME".
std::string NameOf(const char* sourcePath)
{
    const char* name = std::strrchr(sourcePath, '\\');
    return name ? name + 1 : sourcePath;
}
} // namespace

std::vector<HWND> VisibleDialogsOf(DWORD processId, HWND except)
{
    TopLevelSearch search{processId, except, {}};
    ::EnumWindows(CollectDialogs, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring WideFromGbk(const std::string& bytes)
{
    if (bytes.empty())
        return std::wstring();
    const int length =
        ::MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    ::MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], length);
    return wide;
}

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                             0, nullptr, nullptr);
    std::string utf8(length, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &utf8[0], length, nullptr,
                          nullptr);
    return utf8;
}

std::string Utf8FromGbk(const std::string& bytes) { return Utf8(WideFromGbk(bytes)); }

::testing::AssertionResult SameText(const Text& actual, const std::string& expected)
{
    const bool sameBytes = actual.ansi == expected;
    const bool sameUnicode = actual.wide == WideFromGbk(expected);
    if (sameBytes && sameUnicode)
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << "expected \"" << Escaped(Utf8FromGbk(expected)) << "\"";
    if (!sameBytes)
        failure << "; the A function read \"" << Escaped(Utf8FromGbk(actual.ansi)) << "\"";
    if (!sameUnicode)
        failure << "; the W function read \"" << Escaped(Utf8(actual.wide)) << "\"";
    // Bytes and Unicode that disagree point to a text stored or read in another code page.
    if (WideFromGbk(actual.ansi) != actual.wide)
        failure << "; the A and W readings disagree: bytes " << Hex(actual.ansi) << ", expected "
                << Hex(expected);
    return failure;
}

std::string DistFolder()
{
    char exe[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string relative = E2E_DIST_RELATIVE;
    for (char& c : relative)
        c = c == '/' ? '\\' : c;
    return FullPath(Directory(exe) + "\\" + relative);
}

std::string PackageFile(const std::string& destinationName)
{
    return DistFolder() + "\\driver\\" + destinationName;
}

WorkFolder::WorkFolder()
{
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    m_path = FullPath(std::string(temp) + "tr417v-e2e-" + std::to_string(::GetCurrentProcessId()) + "-" +
                      std::to_string(++serial));
    RemoveTree(m_path);
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

WorkFolder::~WorkFolder() { RemoveTree(m_path); }

std::string WorkFolder::FileOf(const char* sourcePath) const
{
    return m_path + "\\driver\\" + NameOf(sourcePath);
}

::testing::AssertionResult WorkFolder::AddPackage(const char* leaveOut)
{
    if (::GetFileAttributesA(m_path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return ::testing::AssertionFailure() << "the working folder " << m_path << " could not be made";
    ::CreateDirectoryA((m_path + "\\driver").c_str(), nullptr);
    for (const DriverPackageFile& file : DRIVER_PACKAGE)
    {
        const bool wanted = !leaveOut || std::strcmp(leaveOut, file.sourcePath) != 0;
        const std::string source = PackageFile(NameOf(file.sourcePath));
        const std::string destination = FileOf(file.sourcePath);
        if (!wanted)
            ::DeleteFileA(destination.c_str());
        else if (!::CopyFileA(source.c_str(), destination.c_str(), FALSE))
        {
            return ::testing::AssertionFailure()
                   << "could not copy " << source << " to " << destination << ": error " << ::GetLastError();
        }
        if (FileExists(destination) != wanted)
            return ::testing::AssertionFailure() << destination << (wanted ? " is missing" : " is there");
    }
    return ::testing::AssertionSuccess();
}

ExclusiveOpen::ExclusiveOpen(const std::string& path)
    : m_file(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                           nullptr))
{
}

ExclusiveOpen::~ExclusiveOpen()
{
    if (Held())
        ::CloseHandle(m_file);
}

bool ControlState::operator==(const ControlState& other) const
{
    return exists == other.exists && text.ansi == other.text.ansi && text.wide == other.text.wide &&
           visible == other.visible && enabled == other.enabled && checked == other.checked &&
           position == other.position && std::memcmp(&rect, &other.rect, sizeof rect) == 0;
}

bool DialogState::operator==(const DialogState& other) const
{
    return title.ansi == other.title.ansi && title.wide == other.title.wide && controls == other.controls;
}

std::string DialogState::Describe() const
{
    std::ostringstream out;
    out << "  title " << DescribeText(title) << "\n";
    for (const auto& [id, control] : controls)
    {
        out << "  " << ControlName(id) << ": ";
        if (!control.exists)
        {
            out << "missing\n";
            continue;
        }
        out << (control.visible ? "visible" : "hidden") << ", " << (control.enabled ? "enabled" : "disabled");
        if (id == IDC_USB || id == IDC_PARALLEL)
            out << ", " << (control.checked ? "checked" : "unchecked");
        if (id == IDC_PROGRESS)
            out << ", position " << control.position;
        out << ", text " << DescribeText(control.text) << "\n";
    }
    return out.str();
}

std::string MessageBoxInfo::Describe() const
{
    std::ostringstream out;
    out << "caption " << DescribeText(caption) << ", text " << DescribeText(text) << ", "
        << (hasIcon ? "with an icon" : "no icon") << ", buttons";
    for (int id : buttons)
        out << " " << id;
    return out.str();
}

const char* ControlName(int id)
{
    switch (id)
    {
    case IDC_STEP_TEXT:
        return "IDC_STEP_TEXT";
    case IDC_NEXT:
        return "IDC_NEXT";
    case IDC_BACK:
        return "IDC_BACK";
    case IDC_EXIT:
        return "IDC_EXIT";
    case IDC_INFO:
        return "IDC_INFO";
    case IDC_ACCEPT_LABEL:
        return "IDC_ACCEPT_LABEL";
    case IDC_WELCOME_PICTURE:
        return "IDC_WELCOME_PICTURE";
    case IDC_CONNECTION_GROUP:
        return "IDC_CONNECTION_GROUP";
    case IDC_PROGRESS:
        return "IDC_PROGRESS";
    case IDC_USB:
        return "IDC_USB";
    case IDC_PARALLEL:
        return "IDC_PARALLEL";
    case IDC_PRINTER_PICTURE:
        return "IDC_PRINTER_PICTURE";
    case IDC_SPARE_LABEL:
        return "IDC_SPARE_LABEL";
    case 0:
        return "(none)";
    default:
        return "(another control)";
    }
}

SetupRun::~SetupRun()
{
    if (g_runToDescribe == this)
        g_runToDescribe = nullptr;
    if (m_process.hProcess)
    {
        if (Running())
        {
            ::TerminateProcess(m_process.hProcess, 1);
            ::WaitForSingleObject(m_process.hProcess, 5000);
        }
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
    }
}

bool SetupRun::Running() const
{
    return m_process.hProcess && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

::testing::AssertionResult SetupRun::Start(const WorkFolder& folder)
{
    const std::string exe = DistFolder() + "\\Setup.exe";
    if (!FileExists(exe))
        return ::testing::AssertionFailure() << exe << " is missing: build the Setup target first";
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.Path().c_str(), &startup, &m_process))
    {
        return ::testing::AssertionFailure() << "could not start " << exe << ": error " << ::GetLastError();
    }
    g_runToDescribe = this;
    const bool shown = WaitUntil(
        [this] {
            const std::vector<HWND> dialogs = VisibleDialogsOf(m_process.dwProcessId, nullptr);
            m_dialog = dialogs.size() == 1 ? dialogs.front() : nullptr;
            return m_dialog != nullptr || !Running();
        },
        15000);
    if (!shown || !m_dialog)
    {
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(m_process.hProcess, &code);
        return ::testing::AssertionFailure()
               << "Setup.exe showed no dialog"
               << (code == STILL_ACTIVE ? " within 15 s"
                                        : "; it ended with exit code " + std::to_string(code));
    }
    return Settle();
}

ControlState SetupRun::Control(int id) const { return ReadControl(id, Answering(m_dialog)); }

ControlState SetupRun::ReadControl(int id, bool ask) const
{
    ControlState state;
    HWND control = ::GetDlgItem(m_dialog, id);
    if (!control)
        return state;
    state.exists = true;
    state.text = ReadText(control, ask);
    state.visible = ::IsWindowVisible(control) != FALSE;
    state.enabled = ::IsWindowEnabled(control) != FALSE;
    ::GetWindowRect(control, &state.rect);
    DWORD_PTR result = 0;
    if (ask && (id == IDC_USB || id == IDC_PARALLEL) && Answers(control, BM_GETCHECK, 0, 0, result))
        state.checked = result == BST_CHECKED;
    if (ask && id == IDC_PROGRESS && Answers(control, PBM_GETPOS, 0, 0, result))
        state.position = static_cast<int>(result);
    return state;
}

DialogState SetupRun::Snapshot() const
{
    const bool ask = Answering(m_dialog);
    DialogState state;
    state.title = ReadText(m_dialog, ask);
    for (int id : ALL_CONTROLS)
        state.controls[id] = ReadControl(id, ask);
    return state;
}

int SetupRun::FocusedControl() const
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(m_dialog, nullptr), &info) || !info.hwndFocus)
        return 0;
    return ::IsChild(m_dialog, info.hwndFocus) ? ::GetDlgCtrlID(info.hwndFocus) : 0;
}

std::vector<HWND> SetupRun::OpenMessageBoxes() const
{
    return Running() ? VisibleDialogsOf(m_process.dwProcessId, m_dialog) : std::vector<HWND>();
}

MessageBoxInfo ReadMessageBox(HWND box)
{
    MessageBoxInfo info;
    info.window = box;
    info.owner = ::GetWindow(box, GW_OWNER);
    info.caption = ReadText(box);
    if (HWND text = ::GetDlgItem(box, BOX_TEXT_ID))
        info.text = ReadText(text);
    for (int id : BOX_ICON_IDS)
    {
        HWND icon = ::GetDlgItem(box, id);
        DWORD_PTR handle = 0;
        if (icon && ::IsWindowVisible(icon) && Answers(icon, STM_GETICON, 0, 0, handle) && handle)
            info.hasIcon = true;
    }
    ::EnumChildWindows(box, CollectButtons, reinterpret_cast<LPARAM>(&info.buttons));
    return info;
}

::testing::AssertionResult SetupRun::ReadIcons(HICON& big, HICON& small) const
{
    DWORD_PTR bigIcon = 0;
    DWORD_PTR smallIcon = 0;
    if (Answers(m_dialog, WM_GETICON, ICON_BIG, 0, bigIcon) &&
        Answers(m_dialog, WM_GETICON, ICON_SMALL, 0, smallIcon))
    {
        big = reinterpret_cast<HICON>(bigIcon);
        small = reinterpret_cast<HICON>(smallIcon);
        return ::testing::AssertionSuccess();
    }

    char exe[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string readerPath = Directory(exe) + "\\IconReader.dll";
    HMODULE reader = ::LoadLibraryA(readerPath.c_str());
    if (!reader)
        return ::testing::AssertionFailure()
               << "could not load " << readerPath << ": error " << ::GetLastError();
    auto hook =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(reader, ICON_READER_HOOK)));
    HHOOK hooked =
        hook ? ::SetWindowsHookExA(WH_GETMESSAGE, hook, reader, ::GetWindowThreadProcessId(m_dialog, nullptr))
             : nullptr;
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    if (!hooked)
    {
        result = ::testing::AssertionFailure()
                 << "could not hook IconReader.dll into Setup.exe: error " << ::GetLastError();
    }
    else
    {
        ::PostMessageA(m_dialog, ::RegisterWindowMessageA(ICON_READER_MESSAGE), 0, 0);
        if (WaitUntil([this] { return ::GetPropA(m_dialog, ICON_READER_DONE) != nullptr; }, 5000))
        {
            big = static_cast<HICON>(::GetPropA(m_dialog, ICON_READER_BIG));
            small = static_cast<HICON>(::GetPropA(m_dialog, ICON_READER_SMALL));
        }
        else
        {
            result = ::testing::AssertionFailure() << "IconReader.dll gave no answer inside Setup.exe";
        }
        ::UnhookWindowsHookEx(hooked);
    }
    ::FreeLibrary(reader);
    return result;
}

::testing::AssertionResult SetupRun::Click(int id)
{
    HWND control = ::GetDlgItem(m_dialog, id);
    if (!control)
        return ::testing::AssertionFailure() << "no control " << ControlName(id);
    if (!::IsWindowVisible(control) || !::IsWindowEnabled(control))
        return ::testing::AssertionFailure()
               << ControlName(id) << " is hidden or disabled: nobody can click it";
    if (!::IsWindowEnabled(m_dialog))
        return ::testing::AssertionFailure() << "the dialog is disabled (a message box is open)";
    ::PostMessageA(control, BM_CLICK, 0, 0);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SetupRun::MouseClick(int id)
{
    HWND control = ::GetDlgItem(m_dialog, id);
    RECT rect = {};
    if (!control || !::GetWindowRect(control, &rect))
        return ::testing::AssertionFailure() << "no control " << ControlName(id);
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    const DWORD flags[3] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 3; ++i)
    {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = (x * 65535 + width / 2) / (width - 1);
        inputs[i].mi.dy = (y * 65535 + height / 2) / (height - 1);
        inputs[i].mi.dwFlags = flags[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    if (::SendInput(3, inputs, sizeof(INPUT)) != 3)
        return ::testing::AssertionFailure() << "SendInput refused the click: error " << ::GetLastError();
    return ::testing::AssertionSuccess();
}

void SetupRun::PressKey(WORD virtualKey)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(m_dialog, nullptr), &info);
    HWND target = info.hwndFocus ? info.hwndFocus : info.hwndActive ? info.hwndActive : m_dialog;
    const LPARAM scanCode = static_cast<LPARAM>(::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    ::PostMessageA(target, WM_KEYDOWN, virtualKey, scanCode | 1);
    ::PostMessageA(target, WM_KEYUP, virtualKey, scanCode | 1 | 0xC0000000);
}

void SetupRun::AltF4()
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(m_dialog, nullptr), &info);
    HWND target = info.hwndFocus ? info.hwndFocus : info.hwndActive ? info.hwndActive : m_dialog;
    const LPARAM scanCode = static_cast<LPARAM>(::MapVirtualKeyA(VK_F4, MAPVK_VK_TO_VSC)) << 16;
    // The context bit (29) says Alt is held; the Alt key's own messages would open the system menu.
    const LPARAM altHeld = 1 << 29;
    ::PostMessageA(target, WM_SYSKEYDOWN, VK_F4, scanCode | altHeld | 1);
    ::PostMessageA(target, WM_SYSKEYUP, VK_F4, scanCode | altHeld | 1 | 0xC0000000);
}

void SetupRun::CloseBox() { ::PostMessageA(m_dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

::testing::AssertionResult SetupRun::Settle()
{
    // A press just posted may not have been taken from the queue yet.
    ::Sleep(50);
    const DWORD start = ::GetTickCount();
    bool haveLast = false;
    DialogState last;
    std::string lastBoxes;
    while (::GetTickCount() - start < SETTLE_TIMEOUT_MS)
    {
        if (!Running())
            return ::testing::AssertionSuccess();
        if (!Answering(m_dialog))
        {
            haveLast = false;
            ::Sleep(POLL_MS);
            continue;
        }
        const DialogState now = Snapshot();
        std::string boxes;
        for (HWND box : OpenMessageBoxes())
            boxes += ReadMessageBox(box).Describe() + "\n";
        if (haveLast && now == last && boxes == lastBoxes && Answering(m_dialog))
            return ::testing::AssertionSuccess();
        last = now;
        lastBoxes = boxes;
        haveLast = true;
        ::Sleep(SETTLE_GAP_MS);
    }
    return ::testing::AssertionFailure() << "the dialog did not settle within " << SETTLE_TIMEOUT_MS << " ms";
}

::testing::AssertionResult SetupRun::WaitForStepText(const char* text, DWORD timeoutMs)
{
    HWND stepText = ::GetDlgItem(m_dialog, IDC_STEP_TEXT);
    bool reached = false;
    WaitUntil(
        [&] {
            if (!Running() || !OpenMessageBoxes().empty())
                return true;
            reached = Answering(m_dialog) && ReadText(stepText).ansi == text;
            return reached;
        },
        timeoutMs);
    if (!reached)
    {
        return ::testing::AssertionFailure()
               << "the step text did not become \"" << Escaped(Utf8FromGbk(text)) << "\" (waited up to "
               << timeoutMs << " ms, or until a message box opened or the process ended)";
    }
    return Settle();
}

::testing::AssertionResult SetupRun::WaitForMessageBox(MessageBoxInfo& box, DWORD timeoutMs)
{
    if (!WaitUntil([this] { return !OpenMessageBoxes().empty() || !Running(); }, timeoutMs) ||
        OpenMessageBoxes().empty())
    {
        return ::testing::AssertionFailure() << "no message box opened within " << timeoutMs << " ms";
    }
    ::testing::AssertionResult settled = Settle();
    if (!settled)
        return settled;
    const std::vector<HWND> boxes = OpenMessageBoxes();
    if (boxes.size() != 1)
        return ::testing::AssertionFailure() << boxes.size() << " message boxes are open, expected one";
    box = ReadMessageBox(boxes.front());
    m_history.push_back(box);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SetupRun::Answer(const MessageBoxInfo& box, int buttonId)
{
    HWND button = ::GetDlgItem(box.window, buttonId);
    if (!button || !::IsWindowVisible(button) || !::IsWindowEnabled(button))
        return ::testing::AssertionFailure() << "the message box has no button " << buttonId;
    ::PostMessageA(button, BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return !::IsWindow(box.window) || !::IsWindowVisible(box.window); }, 5000))
        return ::testing::AssertionFailure() << "the message box stayed open after button " << buttonId;
    return Settle();
}

::testing::AssertionResult SetupRun::WaitForExit(DWORD timeoutMs)
{
    if (::WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return ::testing::AssertionFailure() << "Setup.exe is still running after " << timeoutMs << " ms";
    DWORD code = 0;
    ::GetExitCodeProcess(m_process.hProcess, &code);
    if (code != 0)
        return ::testing::AssertionFailure() << "Setup.exe ended with exit code " << code;
    return ::testing::AssertionSuccess();
}

std::string SetupRun::Describe() const
{
    std::ostringstream out;
    out << "What Setup.exe showed at this moment:\n";
    if (!m_process.hProcess)
        return out.str() + "  (not started)\n";
    if (!Running())
    {
        DWORD code = 0;
        ::GetExitCodeProcess(m_process.hProcess, &code);
        out << "  the process has ended, exit code " << code << "\n";
    }
    else if (m_dialog && ::IsWindow(m_dialog))
    {
        if (!Answering(m_dialog))
            out << "  (the program is busy: texts are those the system keeps for the windows; check marks "
                   "and the progress position cannot be read)\n";
        out << Snapshot().Describe();
        out << "  focus: " << ControlName(FocusedControl()) << "\n";
        for (HWND box : OpenMessageBoxes())
            out << "  open message box: " << ReadMessageBox(box).Describe() << "\n";
    }
    else
    {
        out << "  the dialog has gone\n";
    }
    out << "  message boxes so far, in order: " << (m_history.empty() ? "none" : "") << "\n";
    for (const MessageBoxInfo& box : m_history)
        out << "    " << box.Describe() << "\n";
    return out.str();
}

namespace
{
class FailureDescriber : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override { m_last.clear(); }

    void OnTestPartResult(const ::testing::TestPartResult& result) override
    {
        if (!result.failed() || !g_runToDescribe)
            return;
        const std::string now = g_runToDescribe->Describe();
        std::printf("%s",
                    now == m_last ? "Setup.exe shows what it showed at the failure above.\n" : now.c_str());
        std::fflush(stdout);
        m_last = now;
    }

    std::string m_last;
};
} // namespace

::testing::TestEventListener* NewFailureDescriber() { return new FailureDescriber; }

} // namespace e2e
