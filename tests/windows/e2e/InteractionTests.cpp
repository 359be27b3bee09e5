// The dialog as a person uses it: the window at start, moving between pages, the exit question on every
// page that asks it, the keyboard, and the dialog's GDI objects while the information box scrolls.
#include "Scenario.h"

#include <cstdlib>

namespace e2e
{
namespace
{

constexpr int WELCOME_PICTURE_SIZE[2] = {600, 456};
constexpr int PRINTER_PICTURE_SIZE[2] = {64, 67};

using Window = SetupScenario;

TEST_F(Window, OpensCentredOnTheFirstPageWithItsPicturesAndIcons)
{
    ASSERT_NO_FATAL_FAILURE(StartSetup());
    HWND dialog = run->Dialog();
    // The first page, with the controls of the later pages hidden from the start.
    ExpectPage(*run, CONNECTION_PAGE);
    EXPECT_FALSE(run->Control(IDC_USB).checked);
    EXPECT_FALSE(run->Control(IDC_PARALLEL).checked);
    EXPECT_EQ(run->FocusedControl(), IDC_NEXT) << "focus: " << ControlName(run->FocusedControl());

    RECT window = {};
    RECT workArea = {};
    ASSERT_TRUE(::GetWindowRect(dialog, &window));
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0));
    const long centreX2 = window.left + window.right;
    const long centreY2 = window.top + window.bottom;
    // Twice the centres, so that odd sizes compare exactly; two pixels either way.
    EXPECT_LE(std::labs(centreX2 - (workArea.left + workArea.right)), 4L)
        << "window " << window.left << "-" << window.right << ", work area " << workArea.left << "-"
        << workArea.right;
    EXPECT_LE(std::labs(centreY2 - (workArea.top + workArea.bottom)), 4L)
        << "window " << window.top << "-" << window.bottom << ", work area " << workArea.top << "-"
        << workArea.bottom;

    const LONG style = ::GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_FALSE(style & WS_MINIMIZEBOX) << "a minimise box";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "a maximise box";
    EXPECT_FALSE(style & WS_THICKFRAME) << "a resizable frame";
    EXPECT_TRUE(style & WS_SYSMENU) << "no close box";

    const struct
    {
        int id;
        const int* size;
    } pictures[] = {{IDC_WELCOME_PICTURE, WELCOME_PICTURE_SIZE}, {IDC_PRINTER_PICTURE, PRINTER_PICTURE_SIZE}};
    for (const auto& picture : pictures)
    {
        const RECT rect = run->Control(picture.id).rect;
        EXPECT_EQ(rect.right - rect.left, picture.size[0]) << ControlName(picture.id) << " width";
        EXPECT_EQ(rect.bottom - rect.top, picture.size[1]) << ControlName(picture.id) << " height";
    }

    HICON big = nullptr;
    HICON small = nullptr;
    ASSERT_TRUE(run->ReadIcons(big, small));
    EXPECT_NE(big, nullptr) << "no big icon";
    EXPECT_NE(small, nullptr) << "no small icon";
    EXPECT_TRUE(run->BoxHistory().empty());
}

TEST_F(Window, NextWithoutAConnectionAsksForOneAndStays)
{
    ASSERT_NO_FATAL_FAILURE(StartSetup());
    const DialogState before = run->Snapshot();
    ASSERT_TRUE(run->Click(IDC_NEXT));
    MessageBoxInfo box;
    ASSERT_TRUE(run->WaitForMessageBox(box));
    // Captioned with the program's name.
    ExpectMessageBox(*run, box, MESSAGE_CHOOSE_CONNECTION, TEMPLATE_TITLE, false, {IDOK});
    ASSERT_TRUE(run->Answer(box, IDOK));
    EXPECT_TRUE(run->Snapshot() == before) << "before:\n" << before.Describe();
    ExpectPage(*run, CONNECTION_PAGE);

    // The choice made with the mouse counts.
    ASSERT_TRUE(run->MouseClick(IDC_USB));
    ASSERT_TRUE(run->Settle());
    EXPECT_TRUE(run->Control(IDC_USB).checked) << "the mouse click on the USB button did not land";
    ASSERT_NO_FATAL_FAILURE(ClickAndExpect(*run, IDC_NEXT, LICENCE_PAGE));
    EXPECT_EQ(run->BoxHistory().size(), 1u);
}

TEST_F(Window, BackAndNextKeepTheChoiceAndRestoreEachPage)
{
    ASSERT_NO_FATAL_FAILURE(StartSetup());
    ASSERT_NO_FATAL_FAILURE(Reach(*run, Page::Licence, IDC_PARALLEL));
    ASSERT_TRUE(run->Click(IDC_BACK));
    ASSERT_TRUE(run->Settle());
    ExpectPage(*run, CONNECTION_PAGE);
    EXPECT_TRUE(run->Control(IDC_PARALLEL).checked) << "the choice lost its mark";
    EXPECT_FALSE(run->Control(IDC_USB).checked);

    ASSERT_NO_FATAL_FAILURE(ClickAndExpect(*run, IDC_NEXT, LICENCE_PAGE));
    ASSERT_NO_FATAL_FAILURE(ClickAndExpect(*run, IDC_NEXT, SUMMARY_PAGE));
    ASSERT_NO_FATAL_FAILURE(ClickAndExpect(*run, IDC_BACK, LICENCE_PAGE));
    ASSERT_NO_FATAL_FAILURE(ClickAndExpect(*run, IDC_NEXT, SUMMARY_PAGE));
    EXPECT_TRUE(run->BoxHistory().empty());
}

// ---------------------------------------------------------------------------------------------------------

struct ExitCase
{
    Page page;
    Leave how;
};

void PrintTo(const ExitCase& row, std::ostream* out)
{
    *out << PageName(row.page) << ", " << LeaveName(row.how);
}

std::vector<ExitCase> ExitCases()
{
    std::vector<ExitCase> cases;
    for (Page page : {Page::Connection, Page::Licence, Page::Summary, Page::CopyDone})
    {
        for (Leave how : {Leave::ExitButton, Leave::Escape, Leave::CloseBox, Leave::AltF4})
            cases.push_back({page, how});
    }
    // The installed page's exit button is disabled; the other ways still ask.
    for (Leave how : {Leave::Escape, Leave::CloseBox, Leave::AltF4})
        cases.push_back({Page::Installed, how});
    return cases;
}

class ExitQuestion : public SetupScenario, public ::testing::WithParamInterface<ExitCase>
{
};

TEST_P(ExitQuestion, NoKeepsThePageAndYesEndsTheProgram)
{
    const ExitCase& row = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartSetup());
    ASSERT_NO_FATAL_FAILURE(Reach(*run, row.page, IDC_PARALLEL));
    const DialogState before = run->Snapshot();

    ASSERT_NO_FATAL_FAILURE(Press(*run, row.how));
    MessageBoxInfo box;
    ASSERT_TRUE(run->WaitForMessageBox(box));
    ExpectExitQuestion(*run, box);
    ASSERT_TRUE(run->Answer(box, IDNO));
    EXPECT_TRUE(run->Running()) << "No ended the program";
    EXPECT_TRUE(run->OpenMessageBoxes().empty());
    const DialogState after = run->Snapshot();
    EXPECT_TRUE(after == before) << "No changed the page; before:\n" << before.Describe();

    ASSERT_NO_FATAL_FAILURE(Press(*run, row.how));
    ASSERT_TRUE(run->WaitForMessageBox(box));
    ExpectExitQuestion(*run, box);
    ASSERT_TRUE(run->Answer(box, IDYES));
    ASSERT_TRUE(run->WaitForExit());
    EXPECT_EQ(run->BoxHistory().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Pages, ExitQuestion, ::testing::ValuesIn(ExitCases()), [](const auto& info) {
    return TestName(std::string(PageName(info.param.page)) + "_" + LeaveName(info.param.how));
});

using InstalledPage = SetupScenario;

TEST_F(InstalledPage, TheExitButtonIsDisabledAndFinishLeavesWithoutAQuestion)
{
    ASSERT_NO_FATAL_FAILURE(StartSetup());
    ASSERT_NO_FATAL_FAILURE(Reach(*run, Page::Installed, IDC_PARALLEL));
    const DialogState before = run->Snapshot();
    ASSERT_TRUE(run->MouseClick(IDC_EXIT));
    ASSERT_TRUE(run->Settle());
    EXPECT_TRUE(run->OpenMessageBoxes().empty()) << "the disabled exit button asked";
    EXPECT_TRUE(run->Snapshot() == before) << "the disabled exit button changed the page; before:\n"
                                           << before.Describe();
    // The same mouse reaches Finish.
    ASSERT_TRUE(run->MouseClick(IDC_NEXT));
    ASSERT_TRUE(run->WaitForExit());
    EXPECT_TRUE(run->BoxHistory().empty());
}

// ---------------------------------------------------------------------------------------------------------

using Keyboard = SetupScenario;

// IDC_BACK is the dialog's default button; on the first page it is hidden but enabled, so Enter on a
// radio button presses it: the wizard steps back from its first page, and nothing visible happens.
TEST_F(Keyboard, EnterOnARadioButtonChangesNothingVisible)
{
    ASSERT_NO_FATAL_FAILURE(StartSetup());
    ASSERT_TRUE(run->Click(IDC_USB));
    ASSERT_TRUE(run->Settle());
    ASSERT_EQ(run->FocusedControl(), IDC_USB) << "focus: " << ControlName(run->FocusedControl());
    const DialogState before = run->Snapshot();

    run->PressKey(VK_RETURN);
    ASSERT_TRUE(run->Settle());
    EXPECT_TRUE(run->OpenMessageBoxes().empty());
    EXPECT_TRUE(run->Snapshot() == before) << "Enter changed the page; before:\n" << before.Describe();

    // The first Next brings the wizard back to its first page, the second to the licence.
    ASSERT_TRUE(run->Click(IDC_NEXT));
    ASSERT_TRUE(run->Settle());
    EXPECT_TRUE(run->Snapshot() == before) << "the first Next left the first page; before:\n"
                                           << before.Describe();
    ASSERT_NO_FATAL_FAILURE(ClickAndExpect(*run, IDC_NEXT, LICENCE_PAGE));
    EXPECT_TRUE(run->BoxHistory().empty());
}

// Enter presses the push button that Tab gave the focus to: Next on the licence page, then the exit
// button on the summary page, which asks.
TEST_F(Keyboard, EnterPressesTheButtonTabFocused)
{
    ASSERT_NO_FATAL_FAILURE(StartSetup());
    ASSERT_NO_FATAL_FAILURE(Reach(*run, Page::Licence, IDC_USB));
    for (int id : {IDC_BACK, IDC_EXIT, IDC_INFO, IDC_NEXT})
    {
        run->PressKey(VK_TAB);
        ASSERT_TRUE(run->Settle());
        ASSERT_EQ(run->FocusedControl(), id) << "focus: " << ControlName(run->FocusedControl());
    }
    run->PressKey(VK_RETURN);
    ASSERT_TRUE(run->WaitForStepText(STEP_TEXT_READY_TO_COPY));
    ExpectPage(*run, SUMMARY_PAGE);

    for (int id : {IDC_BACK, IDC_EXIT})
    {
        run->PressKey(VK_TAB);
        ASSERT_TRUE(run->Settle());
        ASSERT_EQ(run->FocusedControl(), id) << "focus: " << ControlName(run->FocusedControl());
    }
    run->PressKey(VK_RETURN);
    MessageBoxInfo box;
    ASSERT_TRUE(run->WaitForMessageBox(box));
    ExpectExitQuestion(*run, box);
    ASSERT_TRUE(run->Answer(box, IDNO));
    ExpectPage(*run, SUMMARY_PAGE);
}

struct TabCase
{
    const char* name;
    Page page;
    int connection;         // the radio button clicked first; 0 for none
    std::vector<int> order; // the focus after each Tab, starting on IDC_NEXT
};

void PrintTo(const TabCase& row, std::ostream* out) { *out << row.name; }

// Tab skips hidden and disabled controls. The radio buttons carry no tab stop in the template; the
// system gives one to the button that is checked.
const TabCase TAB_ORDERS[] = {
    {"connection_at_start", Page::Connection, 0, {IDC_EXIT, IDC_NEXT}},
    {"connection_chosen", Page::Connection, IDC_PARALLEL, {IDC_EXIT, IDC_PARALLEL, IDC_NEXT}},
    {"licence", Page::Licence, IDC_PARALLEL, {IDC_BACK, IDC_EXIT, IDC_INFO, IDC_NEXT}},
    {"summary", Page::Summary, IDC_PARALLEL, {IDC_BACK, IDC_EXIT, IDC_INFO, IDC_NEXT}},
    {"copy_done", Page::CopyDone, IDC_PARALLEL, {IDC_EXIT, IDC_INFO, IDC_NEXT}},
    {"installed", Page::Installed, IDC_PARALLEL, {IDC_INFO, IDC_NEXT}},
};

class TabOrder : public SetupScenario, public ::testing::WithParamInterface<TabCase>
{
};

TEST_P(TabOrder, GoesFromNextThroughTheShownControls)
{
    const TabCase& row = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartSetup());
    if (row.connection)
    {
        ASSERT_NO_FATAL_FAILURE(Reach(*run, row.page, row.connection));
    }
    if (run->FocusedControl() != IDC_NEXT)
    {
        // A click moves the focus, and the copy disables the focused Next button, which leaves no control
        // focused: the dialog manager puts it on Next.
        ::PostMessageA(run->Dialog(), WM_NEXTDLGCTL,
                       reinterpret_cast<WPARAM>(::GetDlgItem(run->Dialog(), IDC_NEXT)), TRUE);
        ASSERT_TRUE(run->Settle());
    }
    ASSERT_EQ(run->FocusedControl(), IDC_NEXT) << "focus: " << ControlName(run->FocusedControl());
    const DialogState before = run->Snapshot();

    int step = 0;
    for (int expected : row.order)
    {
        SCOPED_TRACE("Tab " + std::to_string(++step));
        run->PressKey(VK_TAB);
        ASSERT_TRUE(run->Settle());
        EXPECT_EQ(run->FocusedControl(), expected)
            << "focus on " << ControlName(run->FocusedControl()) << ", expected " << ControlName(expected);
    }
    EXPECT_TRUE(run->Snapshot() == before) << "Tab changed the page; before:\n" << before.Describe();
    EXPECT_TRUE(run->BoxHistory().empty());
}

INSTANTIATE_TEST_SUITE_P(Pages, TabOrder, ::testing::ValuesIn(TAB_ORDERS),
                         [](const auto& info) { return TestName(info.param.name); });

// ---------------------------------------------------------------------------------------------------------

class GdiObjects : public SetupScenario
{
protected:
    // Scrolls the information box up and down and has the whole dialog repainted, rounds times.
    void ScrollAndRepaint(int rounds)
    {
        HWND info = ::GetDlgItem(run->Dialog(), IDC_INFO);
        DWORD_PTR result = 0;
        for (int round = 0; round < rounds; ++round)
        {
            for (WPARAM scroll : {SB_LINEDOWN, SB_PAGEDOWN, SB_BOTTOM, SB_LINEUP, SB_PAGEUP, SB_TOP})
            {
                ::SendMessageTimeoutA(info, WM_VSCROLL, MAKEWPARAM(scroll, 0), 0, SMTO_ABORTIFHUNG, 1000,
                                      &result);
                ::SendMessageTimeoutA(info, EM_SCROLL, scroll == SB_TOP ? SB_PAGEUP : SB_PAGEDOWN, 0,
                                      SMTO_ABORTIFHUNG, 1000, &result);
            }
            ::RedrawWindow(run->Dialog(), nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            ::UpdateWindow(info);
            ::SendMessageTimeoutA(run->Dialog(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result);
        }
    }

    // The count once the program has finished painting: two readings a moment apart that agree.
    DWORD SettledCount()
    {
        DWORD last = 0;
        DWORD now = 0;
        EXPECT_TRUE(CountGdiObjects(run->Process(), last));
        for (int reading = 0; reading < 20; ++reading)
        {
            ::Sleep(200);
            EXPECT_TRUE(CountGdiObjects(run->Process(), now));
            if (now == last)
                break;
            last = now;
        }
        return now;
    }
};

TEST_F(GdiObjects, StayTheSameWhileTheInformationBoxScrollsAndRepaints)
{
    {
        // The count must follow this process's own objects, or it says nothing about the program's.
        DWORD before = 0;
        DWORD during = 0;
        const ::testing::AssertionResult counted = CountGdiObjects(::GetCurrentProcess(), before);
        if (!counted)
            GTEST_SKIP() << "GDI objects cannot be counted here: " << counted.message();
        HBRUSH brushes[3] = {::CreateSolidBrush(RGB(1, 2, 3)), ::CreateSolidBrush(RGB(4, 5, 6)),
                             ::CreateSolidBrush(RGB(7, 8, 9))};
        CountGdiObjects(::GetCurrentProcess(), during);
        for (HBRUSH brush : brushes)
            ::DeleteObject(brush);
        if (during != before + 3)
            GTEST_SKIP() << "the GDI object count does not follow the objects made (" << before << " then "
                         << during << " after three brushes)";
    }

    ASSERT_NO_FATAL_FAILURE(StartSetup());
    for (Page page : {Page::Licence, Page::Summary})
    {
        SCOPED_TRACE(std::string("the ") + PageName(page) + " page");
        if (page == Page::Licence)
        {
            ASSERT_NO_FATAL_FAILURE(Reach(*run, page, IDC_USB));
        }
        else
        {
            ASSERT_TRUE(run->Click(IDC_NEXT));
            ASSERT_TRUE(run->WaitForStepText(STEP_TEXT_READY_TO_COPY));
        }
        ScrollAndRepaint(20);
        const DWORD warm = SettledCount();
        EXPECT_GT(warm, 0u) << "the count sees none of the dialog's fonts, bitmaps and brushes";
        ScrollAndRepaint(200);
        const DWORD after = SettledCount();
        EXPECT_EQ(after, warm) << "GDI objects before and after 200 rounds of scrolling and repainting";
    }
    EXPECT_TRUE(run->BoxHistory().empty());
}

} // namespace
} // namespace e2e
