// Drives the real Setup.exe as a person would: a fresh working folder with the driver package, the
// process started there, every control of its dialog read by identifier, buttons and keys pressed without
// blocking, and each message box found, read and answered.
#pragma once

#include <windows.h>

#include <contract/Pages.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace e2e
{

// A text as the A functions return it (bytes in the ANSI code page, 936 for the program) and as the W
// functions return it. Comparing both catches a text stored or shown in the wrong code page.
struct Text
{
    std::string ansi;
    std::wstring wide;
};

std::wstring WideFromGbk(const std::string& bytes);
std::string Utf8(const std::wstring& text);
// For messages: the bytes read as code page 936, written as UTF-8.
std::string Utf8FromGbk(const std::string& bytes);

// The text equals expected (GBK bytes) both as bytes and, converted from code page 936, as Unicode.
::testing::AssertionResult SameText(const Text& actual, const std::string& expected);

// The folder of the test program, and the build's distribution folder with Setup.exe and driver\.
std::string DistFolder();
std::string PackageFile(const std::string& destinationName);

// A fresh folder under %TEMP%, removed with everything in it when the object goes.
class WorkFolder
{
public:
    WorkFolder();
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // Puts the eight package files into driver\, all but the one whose source path (as the program
    // names it, ".\driver\...") is given, which is taken away if there.
    ::testing::AssertionResult AddPackage(const char* leaveOut = nullptr);
    // The file of the package with that source path, in this folder.
    std::string FileOf(const char* sourcePath) const;

private:
    std::string m_path;
};

// A file held open with no sharing, so that no other process can open it until the object goes.
class ExclusiveOpen
{
public:
    explicit ExclusiveOpen(const std::string& path);
    ~ExclusiveOpen();
    ExclusiveOpen(const ExclusiveOpen&) = delete;
    ExclusiveOpen& operator=(const ExclusiveOpen&) = delete;
    bool Held() const { return m_file != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_file;
};

// One control as a person sees it.
struct ControlState
{
    bool exists = false;
    Text text;
    bool visible = false;
    bool enabled = false;
    bool checked = false; // radio buttons only
    int position = 0;     // progress bar only
    RECT rect = {};

    bool operator==(const ControlState& other) const;
};

// The whole dialog: every control of the template, by identifier.
struct DialogState
{
    Text title;
    std::map<int, ControlState> controls;

    bool operator==(const DialogState& other) const;
    std::string Describe() const;
};

// A message box of the program: what it says and which buttons it offers.
struct MessageBoxInfo
{
    HWND window = nullptr;
    HWND owner = nullptr;
    Text caption;
    Text text;
    bool hasIcon = false;
    std::vector<int> buttons; // identifiers of its visible buttons, in window order

    std::string Describe() const;
};

// The visible dialog windows (class #32770) of a process, but except.
std::vector<HWND> VisibleDialogsOf(DWORD processId, HWND except);
// Reads a message box: caption, text, icon, buttons and owner.
MessageBoxInfo ReadMessageBox(HWND box);

const char* ControlName(int id);

// One run of Setup.exe. The process is ended by its handle if a test leaves it running.
class SetupRun
{
public:
    SetupRun() = default;
    ~SetupRun();
    SetupRun(const SetupRun&) = delete;
    SetupRun& operator=(const SetupRun&) = delete;

    // Starts Setup.exe with the folder as its current directory and waits for its dialog.
    ::testing::AssertionResult Start(const WorkFolder& folder);

    HWND Dialog() const { return m_dialog; }
    HANDLE Process() const { return m_process.hProcess; }
    bool Running() const;

    // Reading; none of these blocks on a busy program for more than a moment.
    ControlState Control(int id) const;
    DialogState Snapshot() const;
    int FocusedControl() const; // 0 when no control of the dialog has the focus
    std::vector<HWND> OpenMessageBoxes() const;
    // The dialog's big and small icons (WM_GETICON). Where the system cannot ask another process for
    // them (Wine), IconReader.dll is hooked into Setup.exe to ask there.
    ::testing::AssertionResult ReadIcons(HICON& big, HICON& small) const;

    // Pressing, as a person can: nothing here waits for the program to handle the press.
    // A click on a control that is hidden or disabled, or while a box is open, is refused.
    ::testing::AssertionResult Click(int id);
    // A real click of the left mouse button on the control's centre, whatever its state.
    ::testing::AssertionResult MouseClick(int id);
    // A key pressed and released on the control that has the focus (the dialog when none has).
    void PressKey(WORD virtualKey);
    void AltF4();
    // The close box of the title bar.
    void CloseBox();

    // Waiting. Settle waits until the program answers and its dialog and boxes stop changing.
    ::testing::AssertionResult Settle();
    // Waits until the step text reads text (GBK), then for the dialog to settle.
    ::testing::AssertionResult WaitForStepText(const char* text, DWORD timeoutMs = 15000);
    // Waits for exactly one message box and records it in the history.
    ::testing::AssertionResult WaitForMessageBox(MessageBoxInfo& box, DWORD timeoutMs = 15000);
    // Clicks the box's button (IDOK, IDYES, IDNO) and waits until the box has gone.
    ::testing::AssertionResult Answer(const MessageBoxInfo& box, int buttonId);
    // The process has ended within the time, with exit code 0.
    ::testing::AssertionResult WaitForExit(DWORD timeoutMs = 10000);

    const std::vector<MessageBoxInfo>& BoxHistory() const { return m_history; }

    // Everything the program shows at this moment, for failure messages.
    std::string Describe() const;

private:
    ControlState ReadControl(int id, bool ask) const;

    PROCESS_INFORMATION m_process = {};
    HWND m_dialog = nullptr;
    std::vector<MessageBoxInfo> m_history;
};

// A listener that prints, at the moment a check fails, what the run started last (and not yet gone)
// shows.
::testing::TestEventListener* NewFailureDescriber();

} // namespace e2e
