// The wizard's pages and inputs, reached through the real button handlers from the wizard's start.
#include "WizardHarness.h"

#include <contract/Pages.h>
#include <wizard/Texts.h>

#include <cctype>
#include <functional>
#include <stdexcept>

namespace
{

const char SUMMARY[] = "C:\\spool\\drivers\\w32x86";

// The copy of the scripted engine stops after three files.
const PageView COPY_FAILED_PAGE = CopyFailedPage(3);

// How a page is reached from the wizard's start, what the operations return on the way, and the
// wizard's state once it is shown.
struct Route
{
    const PageView* page;
    EngineScript script;
    std::vector<int> clicks; // IDC_USB is clicked as a radio button
    WizardStep step;
    bool skipExitPrompt;
};

EngineScript Script(const std::function<void(EngineScript&)>& change)
{
    EngineScript script;
    change(script);
    return script;
}

const std::vector<int> TO_LICENCE = {IDC_USB, IDC_NEXT};
const std::vector<int> TO_SUMMARY = {IDC_USB, IDC_NEXT, IDC_NEXT};
const std::vector<int> TO_COPY = {IDC_USB, IDC_NEXT, IDC_NEXT, IDC_NEXT};
const std::vector<int> TO_REGISTER = {IDC_USB, IDC_NEXT, IDC_NEXT, IDC_NEXT, IDC_NEXT};

const Route ROUTES[] = {
    {&CONNECTION_PAGE, {}, {IDC_USB}, 0, false},
    {&LICENCE_PAGE, {}, TO_LICENCE, 1, false},
    {&SUMMARY_PAGE, {}, TO_SUMMARY, 2, false},
    {&DAMAGED_PAGE, Script([](EngineScript& s) { s.checkPackage = FALSE; }), TO_SUMMARY, 2, true},
    {&COPY_DONE_PAGE, {}, TO_COPY, 3, false},
    {&COPY_FAILED_PAGE, Script([](EngineScript& s) { s.copy = FALSE, s.copyProgress = 3; }), TO_COPY, 3,
     false},
    {&INSTALLED_PAGE, {}, TO_REGISTER, 4, false},
    {&CABLE_PAGE, Script([](EngineScript& s) {
         s.registerPrinter = FALSE, s.registerReason = FAIL_REASON_USB_NOT_CONNECTED;
     }),
     TO_REGISTER, 3, false},
    {&REGISTRATION_FAILED_PAGE, Script([](EngineScript& s) { s.registerPrinter = FALSE; }), TO_REGISTER, 4,
     false},
};

const Route& RouteTo(const PageView& page)
{
    for (const Route& route : ROUTES)
    {
        if (route.page == &page)
            return route;
    }
    throw std::logic_error("no route");
}

class PageTest : public WizardTest
{
protected:
    void Reach(const Route& route)
    {
        dlg.script = route.script;
        for (int id : route.clicks)
            ASSERT_TRUE(id == IDC_USB ? ClickRadio(id) : Click(id)) << "click on " << id;
    }

    void ExpectButton(int id, const ButtonView& expected, const char* name)
    {
        SCOPED_TRACE(name);
        EXPECT_EQ(Control(id).visible, expected.visible);
        EXPECT_EQ(Control(id).enabled, expected.enabled);
        if (expected.text)
        {
            EXPECT_EQ(Control(id).text, expected.text);
        }
    }

    // The page as the table gives it, and the wizard's state with it.
    void ExpectPage(const PageView& page)
    {
        SCOPED_TRACE(std::string("page: ") + page.name);
        EXPECT_EQ(Control(IDC_STEP_TEXT).visible, page.stepText != nullptr);
        if (page.stepText)
        {
            EXPECT_EQ(Control(IDC_STEP_TEXT).text, page.stepText);
        }
        ExpectButton(IDC_NEXT, page.next, "next");
        ExpectButton(IDC_BACK, page.back, "back");
        ExpectButton(IDC_EXIT, page.exit, "exit");
        EXPECT_EQ(Control(IDC_INFO).visible, page.info != InfoBox::Hidden);
        if (page.info != InfoBox::Hidden)
        {
            EXPECT_EQ(Control(IDC_INFO).text, page.info == InfoBox::Licence ? LICENCE_NOTICE : SUMMARY);
        }
        EXPECT_EQ(Control(IDC_ACCEPT_LABEL).visible, page.acceptLabel);
        for (int id : {IDC_CONNECTION_GROUP, IDC_WELCOME_PICTURE, IDC_PRINTER_PICTURE, IDC_USB, IDC_PARALLEL})
            EXPECT_EQ(Control(id).visible, page.connectionControls) << "step-0 control " << id;
        EXPECT_FALSE(Control(IDC_SPARE_LABEL).visible);
        EXPECT_EQ(Control(IDC_PROGRESS).visible, page.progress >= 0);
        if (page.progress >= 0)
        {
            EXPECT_EQ(Control(IDC_PROGRESS).position, page.progress);
        }
        // No control but the three buttons ever changes its enabled state.
        for (int id : ALL_CONTROLS)
        {
            if (id != IDC_NEXT && id != IDC_BACK && id != IDC_EXIT)
            {
                EXPECT_TRUE(Control(id).enabled) << "control " << id;
            }
        }
        const Route& route = RouteTo(page);
        EXPECT_EQ(dlg.Step(), route.step);
        EXPECT_EQ(g_skipExitPrompt, route.skipExitPrompt);
    }
};

class EveryPage : public PageTest, public ::testing::WithParamInterface<Route>
{
};

TEST_P(EveryPage, ShowsItsControlsAsTheTableSays)
{
    Reach(GetParam());
    ExpectPage(*GetParam().page);
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_FALSE(headless::QuitPosted(Dialog()));
}

INSTANTIATE_TEST_SUITE_P(Pages, EveryPage, ::testing::ValuesIn(ROUTES), [](const auto& info) {
    std::string name = info.param.page->name;
    for (char& c : name)
        c = c == ' ' ? '_' : c;
    return name;
});

// The inputs of the input table, each tried on a fresh dialog standing on the page.
enum class Input
{
    Next,
    Back,
    ExitYes,
    ExitNo,
    EscapeYes,
    EscapeNo,
    Usb,
    Parallel,
};

const char* InputName(Input input)
{
    switch (input)
    {
    case Input::Next:
        return "Next";
    case Input::Back:
        return "Back";
    case Input::ExitYes:
        return "exit button, Yes";
    case Input::ExitNo:
        return "exit button, No";
    case Input::EscapeYes:
        return "Escape, Yes";
    case Input::EscapeNo:
        return "Escape, No";
    case Input::Usb:
        return "USB radio button";
    case Input::Parallel:
        return "parallel radio button";
    }
    return "";
}

enum class Outcome
{
    Page,        // the page of `to`
    Refused,     // hidden or disabled: the click does not land, nothing changes
    Unchanged,   // the click lands and the page stays as it was
    AskThenStay, // the exit question, answered No
    AskThenQuit, // the exit question, answered Yes
    Quit,        // the program ends without a question
};

struct InputCase
{
    const Route* from;
    Input input;
    Outcome outcome;
    const PageView* to;
};

std::vector<InputCase> InputTable()
{
    struct Row
    {
        const PageView* page;
        Outcome next, back, exit, escape, radio;
        const PageView* nextPage;
        const PageView* backPage;
    };
    // clang-format off
    const Row rows[] = {
        //  page                  Next                Back               exit button           Escape, close box     radio buttons      after Next     after Back
        {&CONNECTION_PAGE,          Outcome::Page,     Outcome::Refused, Outcome::AskThenQuit, Outcome::AskThenQuit, Outcome::Unchanged, &LICENCE_PAGE,      nullptr},
        {&LICENCE_PAGE,             Outcome::Page,     Outcome::Page,    Outcome::AskThenQuit, Outcome::AskThenQuit, Outcome::Refused,   &SUMMARY_PAGE, &CONNECTION_PAGE},
        {&SUMMARY_PAGE,        Outcome::Page,     Outcome::Page,    Outcome::AskThenQuit, Outcome::AskThenQuit, Outcome::Refused,   &COPY_DONE_PAGE,    &LICENCE_PAGE},
        {&DAMAGED_PAGE,             Outcome::Refused,  Outcome::Refused, Outcome::Quit,        Outcome::Quit,        Outcome::Refused,   nullptr,       nullptr},
        {&COPY_DONE_PAGE,           Outcome::Page,     Outcome::Refused, Outcome::AskThenQuit, Outcome::AskThenQuit, Outcome::Refused,   &INSTALLED_PAGE,    nullptr},
        {&COPY_FAILED_PAGE,         Outcome::Refused,  Outcome::Refused, Outcome::AskThenQuit, Outcome::AskThenQuit, Outcome::Refused,   nullptr,       nullptr},
        {&INSTALLED_PAGE,           Outcome::Quit,     Outcome::Refused, Outcome::Refused,     Outcome::AskThenQuit, Outcome::Refused,   nullptr,       nullptr},
        {&CABLE_PAGE,               Outcome::Page,     Outcome::Refused, Outcome::AskThenQuit, Outcome::AskThenQuit, Outcome::Refused,   &CABLE_PAGE,        nullptr},
        {&REGISTRATION_FAILED_PAGE, Outcome::Refused,  Outcome::Refused, Outcome::AskThenQuit, Outcome::AskThenQuit, Outcome::Refused,   nullptr,       nullptr},
    };
    // clang-format on
    std::vector<InputCase> cases;
    for (const Row& row : rows)
    {
        const Route* from = &RouteTo(*row.page);
        cases.push_back({from, Input::Next, row.next, row.nextPage});
        cases.push_back({from, Input::Back, row.back, row.backPage});
        const bool asks = row.exit == Outcome::AskThenQuit;
        cases.push_back({from, Input::ExitYes, row.exit, nullptr});
        cases.push_back({from, Input::ExitNo, asks ? Outcome::AskThenStay : row.exit, nullptr});
        cases.push_back({from, Input::EscapeYes, row.escape, nullptr});
        cases.push_back({from, Input::EscapeNo,
                         row.escape == Outcome::AskThenQuit ? Outcome::AskThenStay : row.escape, nullptr});
        cases.push_back({from, Input::Usb, row.radio, nullptr});
        cases.push_back({from, Input::Parallel, row.radio, nullptr});
    }
    return cases;
}

void PrintTo(const InputCase& input, std::ostream* out)
{
    *out << input.from->page->name << ", " << InputName(input.input);
}

class EveryInput : public PageTest, public ::testing::WithParamInterface<InputCase>
{
protected:
    bool Give(Input input)
    {
        switch (input)
        {
        case Input::Next:
            return Click(IDC_NEXT);
        case Input::Back:
            return Click(IDC_BACK);
        case Input::ExitYes:
            headless::Answer(IDYES);
            return Click(IDC_EXIT);
        case Input::ExitNo:
            headless::Answer(IDNO);
            return Click(IDC_EXIT);
        case Input::EscapeYes:
            headless::Answer(IDYES);
            return Escape();
        case Input::EscapeNo:
            headless::Answer(IDNO);
            return Escape();
        case Input::Usb:
            return ClickRadio(IDC_USB);
        case Input::Parallel:
            return ClickRadio(IDC_PARALLEL);
        }
        return false;
    }

    void ExpectExitQuestion()
    {
        ASSERT_EQ(headless::MessageBoxes().size(), 1u);
        const headless::MessageBoxRecord& box = headless::MessageBoxes()[0];
        EXPECT_EQ(box.text, MESSAGE_CONFIRM_EXIT);
        EXPECT_EQ(box.caption, CAPTION_CONFIRM_EXIT);
        EXPECT_EQ(box.type, MB_YESNO);
        EXPECT_EQ(box.owner, Dialog());
    }
};

TEST_P(EveryInput, LeadsWhereTheTableSays)
{
    const InputCase& input = GetParam();
    Reach(*input.from);
    const DialogView before = Snapshot();
    const size_t boxesBefore = headless::MessageBoxes().size();
    ASSERT_EQ(boxesBefore, 0u);

    const bool landed = Give(input.input);

    switch (input.outcome)
    {
    case Outcome::Page:
        EXPECT_TRUE(landed);
        ExpectPage(*input.to);
        EXPECT_FALSE(headless::QuitPosted(Dialog()));
        break;
    case Outcome::Refused:
        EXPECT_FALSE(landed);
        EXPECT_TRUE(Snapshot() == before);
        EXPECT_TRUE(headless::MessageBoxes().empty());
        EXPECT_FALSE(headless::QuitPosted(Dialog()));
        break;
    case Outcome::Unchanged:
        EXPECT_TRUE(landed);
        EXPECT_EQ(dlg.Step(), before.step);
        EXPECT_EQ(dlg.Connection(), input.input == Input::Usb ? CONNECTION_USB : CONNECTION_PARALLEL);
        for (int id : ALL_CONTROLS)
        {
            if (id != IDC_USB && id != IDC_PARALLEL)
            {
                EXPECT_TRUE(Snapshot().controls.at(id) == before.controls.at(id)) << "control " << id;
            }
        }
        EXPECT_TRUE(headless::MessageBoxes().empty());
        break;
    case Outcome::AskThenStay:
        EXPECT_TRUE(landed);
        ExpectExitQuestion();
        EXPECT_TRUE(Snapshot() == before);
        EXPECT_NE(dlg.Font(), nullptr);
        EXPECT_FALSE(headless::QuitPosted(Dialog()));
        break;
    case Outcome::AskThenQuit:
        EXPECT_TRUE(landed);
        ExpectExitQuestion();
        EXPECT_EQ(dlg.Font(), nullptr);
        EXPECT_TRUE(headless::QuitPosted(Dialog()));
        break;
    case Outcome::Quit:
        EXPECT_TRUE(landed);
        EXPECT_TRUE(headless::MessageBoxes().empty());
        EXPECT_TRUE(headless::QuitPosted(Dialog()));
        break;
    }
}

std::string CaseName(const ::testing::TestParamInfo<InputCase>& info)
{
    std::string name = std::string(info.param.from->page->name) + "_" + InputName(info.param.input);
    for (char& c : name)
    {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Inputs, EveryInput, ::testing::ValuesIn(InputTable()), CaseName);

// The edge cases of the step machine.
using StepMachine = PageTest;

TEST_F(StepMachine, NextWithoutAConnectionAsksForOneAndStaysOnTheFirstPage)
{
    EXPECT_TRUE(Click(IDC_NEXT));
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    const headless::MessageBoxRecord& box = headless::MessageBoxes()[0];
    EXPECT_EQ(box.text, MESSAGE_CHOOSE_CONNECTION);
    EXPECT_EQ(box.caption, app.m_pszAppName);
    EXPECT_EQ(box.type, MB_OK);
    EXPECT_EQ(box.owner, Dialog());
    ExpectPage(CONNECTION_PAGE);
    EXPECT_TRUE(dlg.calls.empty());
}

TEST_F(StepMachine, TheLastRadioButtonClickedDecides)
{
    ClickRadio(IDC_USB);
    ClickRadio(IDC_PARALLEL);
    EXPECT_EQ(dlg.Connection(), CONNECTION_PARALLEL);
    EXPECT_TRUE(Control(IDC_PARALLEL).checked);
    EXPECT_FALSE(Control(IDC_USB).checked);
    ExpectPage(CONNECTION_PAGE);
}

TEST_F(StepMachine, BackFromTheLicenceKeepsTheChoiceAndItsMark)
{
    Reach(RouteTo(LICENCE_PAGE));
    EXPECT_TRUE(Click(IDC_BACK));
    ExpectPage(CONNECTION_PAGE);
    EXPECT_EQ(dlg.Connection(), CONNECTION_USB);
    EXPECT_TRUE(Control(IDC_USB).checked);
    EXPECT_TRUE(Click(IDC_NEXT));
    ExpectPage(LICENCE_PAGE);
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST_F(StepMachine, BackFromTheSummaryRestoresTheNoticeAndNextChecksAgain)
{
    Reach(RouteTo(SUMMARY_PAGE));
    EXPECT_TRUE(Click(IDC_BACK));
    ExpectPage(LICENCE_PAGE);
    dlg.script.summary = "D:\\other";
    EXPECT_TRUE(Click(IDC_NEXT));
    EXPECT_EQ(dlg.calls,
              (std::vector<std::string>{"CheckPackage", "BuildSummary", "CheckPackage", "BuildSummary"}));
    EXPECT_EQ(Control(IDC_INFO).text, "D:\\other");
    EXPECT_STREQ(dlg.DriverDir(), "D:\\other");
}

TEST_F(StepMachine, APackageThatBreaksOnTheSecondPassGivesTheDamagedPage)
{
    Reach(RouteTo(SUMMARY_PAGE));
    Click(IDC_BACK);
    dlg.script.checkPackage = FALSE;
    Click(IDC_NEXT);
    ExpectPage(DAMAGED_PAGE);
}

TEST_F(StepMachine, EnterOnARadioButtonIssuesTheHiddenBackButton)
{
    ClickRadio(IDC_USB);
    const DialogView before = Snapshot();
    // IDC_BACK is the default button: hidden on this page, but not disabled.
    EXPECT_TRUE(headless::Command(Dialog(), IDC_BACK));
    EXPECT_EQ(dlg.Step(), -1);
    DialogView after = Snapshot();
    after.step = before.step;
    EXPECT_TRUE(after == before);

    EXPECT_TRUE(Click(IDC_NEXT));
    ExpectPage(CONNECTION_PAGE);
    EXPECT_TRUE(Click(IDC_NEXT));
    ExpectPage(LICENCE_PAGE);
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST_F(StepMachine, EnterCannotLeadBackFromTheDamagedPackagePage)
{
    Reach(RouteTo(DAMAGED_PAGE));
    // Enter issues the default button, Back, wherever the focus is not on a push button.
    EXPECT_FALSE(headless::Command(Dialog(), IDC_BACK));
    EXPECT_FALSE(headless::Command(Dialog(), IDC_NEXT));
    ExpectPage(DAMAGED_PAGE);
    EXPECT_EQ(dlg.calls, (std::vector<std::string>{"CheckPackage"}));
}

TEST_F(StepMachine, TheCablePagePerformsTheRegistrationAgainWithoutCopying)
{
    Reach(RouteTo(CABLE_PAGE));
    ExpectPage(CABLE_PAGE);
    dlg.script.registerReason = FAIL_REASON_USB_NOT_CONNECTED;
    EXPECT_TRUE(Click(IDC_NEXT));
    ExpectPage(CABLE_PAGE);
    dlg.script.registerPrinter = TRUE;
    EXPECT_TRUE(Click(IDC_NEXT));
    ExpectPage(INSTALLED_PAGE);
    EXPECT_EQ(dlg.calls, (std::vector<std::string>{"CheckPackage", "BuildSummary", "CopyDriverFiles",
                                                   "RegisterPrinter", "RegisterPrinter", "RegisterPrinter"}));
}

TEST_F(StepMachine, TheReasonIsResetBeforeEveryRegistration)
{
    Reach(RouteTo(CABLE_PAGE));
    dlg.script.registerReason = FAIL_REASON_NONE;
    Click(IDC_NEXT);
    // The second call found no reason, failed without one: the final failure, not the cable page.
    EXPECT_EQ(dlg.reasonsOnEntry, (std::vector<RegisterFailReason>{FAIL_REASON_NONE, FAIL_REASON_NONE}));
    ExpectPage(REGISTRATION_FAILED_PAGE);
}

TEST_F(StepMachine, TheCopyPausesOneSecondOnlyAfterSuccess)
{
    Reach(RouteTo(COPY_DONE_PAGE));
    EXPECT_EQ(platform.sleeps, std::vector<DWORD>{1000});
}

TEST_F(StepMachine, AFailedCopyDoesNotPause)
{
    Reach(RouteTo(COPY_FAILED_PAGE));
    EXPECT_TRUE(platform.sleeps.empty());
}

} // namespace
