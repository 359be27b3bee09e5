// What the scenarios share: the pages as the user sees them, the ways through the wizard, the ways of
// leaving it, and a fixture that starts every scenario from a clean system and a fresh working folder.
#pragma once

#include "SystemState.h"
#include "WizardDriver.h"

#include <contract/Pages.h>

#include <engine/Package.h>
#include <engine/Texts.h>
#include <wizard/Texts.h>
#include <wizard/resource.h>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace e2e
{

// The texts the dialog's template gives the controls that keep them.
extern const char TEMPLATE_TITLE[];
extern const char TEMPLATE_CONNECTION_GROUP[];
extern const char TEMPLATE_USB[];
extern const char TEMPLATE_PARALLEL[];
extern const char TEMPLATE_ACCEPT_LABEL[];

// The summary page's text for the spooler's driver directory.
std::string SummaryText();

// Checks every control of the dialog against the page.
void ExpectPage(const SetupRun& run, const PageView& page);
// Clicks the button, waits for the page's step text and checks the page (which must show a step text).
// Use with ASSERT_NO_FATAL_FAILURE.
void ClickAndExpect(SetupRun& run, int button, const PageView& page);
// Checks a message box: its text and caption (GBK), its icon, its buttons, and that it is modal to the
// dialog.
void ExpectMessageBox(const SetupRun& run, const MessageBoxInfo& box, const char* text, const char* caption,
                      bool icon, std::vector<int> buttons);
void ExpectExitQuestion(const SetupRun& run, const MessageBoxInfo& box);

// The ways through the wizard; each stops on the page named, with no message box on the way.
enum class Page
{
    Connection,
    Licence,
    Summary,
    CopyDone,
    Installed,
};
const char* PageName(Page page);
void Reach(SetupRun& run, Page page, int connection);

// The ways of leaving that a user has.
enum class Leave
{
    ExitButton,
    Escape,
    CloseBox,
    AltF4,
};
const char* LeaveName(Leave how);
inline void PrintTo(Leave how, std::ostream* out) { *out << LeaveName(how); }
void Press(SetupRun& run, Leave how);

// Starts each scenario on a clean system (no queue, driver, copied files, staged INF or device node) with
// a fresh working folder holding the complete package, and leaves the system clean afterwards.
class SetupScenario : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts Setup.exe in the working folder into run; a scenario may start it more than once. Use with
    // ASSERT_NO_FATAL_FAILURE.
    void StartSetup();

    WorkFolder folder;
    std::unique_ptr<SetupRun> run;
};

// Test names made of a row's name.
std::string TestName(const std::string& name);

} // namespace e2e
