// The setup dialog in the headless backend, with installation operations that do what the test says.
#pragma once

#include <contract/Pages.h>
#include <platform/fake/FakePlatform.h>
#include <setup/SetupDlg.h>
#include <ui/App.h>
#include <ui/headless/Headless.h>
#include <wizard/resource.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

class TestApp : public CWinApp
{
public:
    BOOL InitInstance() override { return FALSE; }
};

// A dialog with nothing of its own, to own message boxes and controls.
class PlainDialog : public CDialog
{
public:
    PlainDialog() : CDialog(1) {}
};

// What each scripted operation returns, and what it does on the way.
struct EngineScript
{
    BOOL checkPackage = TRUE;
    std::string summary = "C:\\spool\\drivers\\w32x86";
    BOOL copy = TRUE;
    // Where the copy leaves the progress bar.
    int copyProgress = 8;
    BOOL registerPrinter = TRUE;
    RegisterFailReason registerReason = FAIL_REASON_NONE;
};

class ScriptedSetupDlg : public CSetupDlg
{
public:
    explicit ScriptedSetupDlg(Platform& platform) : CSetupDlg(platform) {}

    EngineScript script;
    // The operations in the order the wizard called them.
    std::vector<std::string> calls;
    // The reason each RegisterPrinter call found on entry.
    std::vector<RegisterFailReason> reasonsOnEntry;

    WizardStep Step() const { return m_step; }
    ConnectionType Connection() const { return m_connectionType; }
    const char* DriverDir() const { return m_driverDir; }
    HFONT Font() const { return static_cast<HFONT>(m_font.m_hObject); }
    HICON Icon() const { return m_hIcon; }

protected:
    BOOL CheckPackage() override;
    void BuildSummary(char* text) override;
    BOOL CopyDriverFiles() override;
    BOOL RegisterPrinter(RegisterFailReason& reason) override;
};

// What the user can see of one control.
struct ControlView
{
    bool visible;
    bool enabled;
    std::string text;
    bool checked;
    int position;

    bool operator==(const ControlView& other) const
    {
        return visible == other.visible && enabled == other.enabled && text == other.text &&
               checked == other.checked && position == other.position;
    }
};

// The whole dialog and the wizard's state, to tell whether anything changed.
struct DialogView
{
    std::map<int, ControlView> controls;
    WizardStep step;
    bool skipExitPrompt;
    ConnectionType connection;

    bool operator==(const DialogView& other) const
    {
        return controls == other.controls && step == other.step && skipExitPrompt == other.skipExitPrompt &&
               connection == other.connection;
    }
};

class WizardTest : public ::testing::Test
{
protected:
    WizardTest();
    ~WizardTest() override;

    HWND Dialog() const { return dlg.m_hWnd; }
    HWND__& Control(int id) { return headless::Control(Dialog(), id); }
    bool Click(int id) { return headless::Click(Dialog(), id); }
    bool ClickRadio(int id) { return headless::ClickRadio(Dialog(), id); }
    bool Escape() { return headless::Command(Dialog(), IDCANCEL); }
    DialogView Snapshot();

    TestApp app;
    FakePlatform platform;
    ScriptedSetupDlg dlg{platform};
};
