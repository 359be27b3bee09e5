#include "Scenario.h"

#include <cctype>
#include <cstdio>

namespace e2e
{

const char TEMPLATE_TITLE[] = "Setup";
const char TEMPLATE_CONNECTION_GROUP[] = "请选择打印机连接方式：";
const char TEMPLATE_USB[] = "USB";
const char TEMPLATE_PARALLEL[] = "并口";
const char TEMPLATE_ACCEPT_LABEL[] = "是否接受以上条款？如果选择“否”，安装程序将关闭。";

std::string SummaryText()
{
    char text[1000] = {};
    std::snprintf(text, sizeof text, SUMMARY_FORMAT, DriverDirectory().c_str());
    return text;
}

namespace
{
void ExpectButton(const DialogState& state, int id, const ButtonView& button)
{
    SCOPED_TRACE(ControlName(id));
    const ControlState& control = state.controls.at(id);
    EXPECT_EQ(control.visible, button.visible);
    EXPECT_EQ(control.enabled, button.enabled);
    if (button.text)
    {
        EXPECT_TRUE(SameText(control.text, button.text));
    }
}
} // namespace

void ExpectPage(const SetupRun& run, const PageView& page)
{
    SCOPED_TRACE(std::string("page: ") + page.name);
    const DialogState state = run.Snapshot();
    EXPECT_TRUE(SameText(state.title, TEMPLATE_TITLE)) << "the dialog's title";
    for (int id : ALL_CONTROLS)
    {
        ASSERT_TRUE(state.controls.at(id).exists) << ControlName(id) << " is missing";
        // Only the three buttons ever change whether they are enabled.
        if (id != IDC_NEXT && id != IDC_BACK && id != IDC_EXIT)
        {
            EXPECT_TRUE(state.controls.at(id).enabled) << ControlName(id);
        }
    }

    const ControlState& stepText = state.controls.at(IDC_STEP_TEXT);
    EXPECT_EQ(stepText.visible, page.stepText != nullptr) << "IDC_STEP_TEXT";
    if (page.stepText)
    {
        EXPECT_TRUE(SameText(stepText.text, page.stepText)) << "IDC_STEP_TEXT";
    }
    ExpectButton(state, IDC_NEXT, page.next);
    ExpectButton(state, IDC_BACK, page.back);
    ExpectButton(state, IDC_EXIT, page.exit);

    const ControlState& info = state.controls.at(IDC_INFO);
    EXPECT_EQ(info.visible, page.info != InfoBox::Hidden) << "IDC_INFO";
    if (page.info == InfoBox::Licence)
    {
        EXPECT_TRUE(SameText(info.text, LICENCE_NOTICE)) << "IDC_INFO";
    }
    if (page.info == InfoBox::Summary)
    {
        EXPECT_TRUE(SameText(info.text, SummaryText())) << "IDC_INFO";
    }

    const ControlState& acceptLabel = state.controls.at(IDC_ACCEPT_LABEL);
    EXPECT_EQ(acceptLabel.visible, page.acceptLabel) << "IDC_ACCEPT_LABEL";
    EXPECT_TRUE(SameText(acceptLabel.text, TEMPLATE_ACCEPT_LABEL)) << "IDC_ACCEPT_LABEL";

    for (int id : {IDC_CONNECTION_GROUP, IDC_USB, IDC_PARALLEL, IDC_WELCOME_PICTURE, IDC_PRINTER_PICTURE})
    {
        EXPECT_EQ(state.controls.at(id).visible, page.connectionControls) << ControlName(id);
    }
    EXPECT_TRUE(SameText(state.controls.at(IDC_CONNECTION_GROUP).text, TEMPLATE_CONNECTION_GROUP));
    EXPECT_TRUE(SameText(state.controls.at(IDC_USB).text, TEMPLATE_USB)) << "IDC_USB";
    EXPECT_TRUE(SameText(state.controls.at(IDC_PARALLEL).text, TEMPLATE_PARALLEL)) << "IDC_PARALLEL";
    EXPECT_FALSE(state.controls.at(IDC_SPARE_LABEL).visible) << "IDC_SPARE_LABEL";

    const ControlState& progress = state.controls.at(IDC_PROGRESS);
    EXPECT_EQ(progress.visible, page.progress >= 0) << "IDC_PROGRESS";
    if (page.progress >= 0)
    {
        EXPECT_EQ(progress.position, page.progress) << "IDC_PROGRESS";
    }
}

void ExpectMessageBox(const SetupRun& run, const MessageBoxInfo& box, const char* text, const char* caption,
                      bool icon, std::vector<int> buttons)
{
    EXPECT_TRUE(SameText(box.text, text)) << "the message box's text";
    EXPECT_TRUE(SameText(box.caption, caption)) << "the message box's caption";
    EXPECT_EQ(box.hasIcon, icon) << "the message box's icon";
    EXPECT_EQ(box.buttons, buttons) << "the message box's buttons";
    EXPECT_EQ(box.owner, run.Dialog()) << "the message box belongs to the dialog";
    EXPECT_FALSE(::IsWindowEnabled(run.Dialog())) << "the dialog takes no input while the box is open";
}

void ExpectExitQuestion(const SetupRun& run, const MessageBoxInfo& box)
{
    SCOPED_TRACE("the exit question");
    ExpectMessageBox(run, box, MESSAGE_CONFIRM_EXIT, CAPTION_CONFIRM_EXIT, false, {IDYES, IDNO});
}

const char* PageName(Page page)
{
    switch (page)
    {
    case Page::Connection:
        return "connection";
    case Page::Licence:
        return "licence";
    case Page::Summary:
        return "summary";
    case Page::CopyDone:
        return "copy_done";
    case Page::Installed:
        return "installed";
    }
    return "";
}

void ClickAndExpect(SetupRun& run, int button, const PageView& page)
{
    ASSERT_TRUE(run.Click(button));
    ASSERT_TRUE(run.WaitForStepText(page.stepText));
    ExpectPage(run, page);
}

void Reach(SetupRun& run, Page page, int connection)
{
    SCOPED_TRACE(std::string("on the way to the ") + PageName(page) + " page");
    ASSERT_TRUE(run.Click(connection));
    ASSERT_TRUE(run.Settle());
    if (page == Page::Connection)
        return;
    ASSERT_TRUE(run.Click(IDC_NEXT));
    ASSERT_TRUE(run.WaitForStepText(STEP_TEXT_READ_LICENCE));
    if (page == Page::Licence)
        return;
    ASSERT_TRUE(run.Click(IDC_NEXT));
    ASSERT_TRUE(run.WaitForStepText(STEP_TEXT_READY_TO_COPY));
    if (page == Page::Summary)
        return;
    ASSERT_TRUE(run.Click(IDC_NEXT));
    ASSERT_TRUE(run.WaitForStepText(STEP_TEXT_COPY_DONE));
    if (page == Page::CopyDone)
        return;
    ASSERT_TRUE(run.Click(IDC_NEXT));
    ASSERT_TRUE(run.WaitForStepText(STEP_TEXT_INSTALLED));
}

const char* LeaveName(Leave how)
{
    switch (how)
    {
    case Leave::ExitButton:
        return "exit_button";
    case Leave::Escape:
        return "Escape";
    case Leave::CloseBox:
        return "close_box";
    case Leave::AltF4:
        return "Alt_F4";
    }
    return "";
}

void Press(SetupRun& run, Leave how)
{
    switch (how)
    {
    case Leave::ExitButton:
        ASSERT_TRUE(run.Click(IDC_EXIT));
        break;
    case Leave::Escape:
        run.PressKey(VK_ESCAPE);
        break;
    case Leave::CloseBox:
        run.CloseBox();
        break;
    case Leave::AltF4:
        run.AltF4();
        break;
    }
}

void SetupScenario::SetUp()
{
    ASSERT_EQ(::GetACP(), 936u) << "the ANSI code page must be 936 (GBK), the program's: run with "
                                   "LANG=zh_CN.UTF-8 and LC_ALL=zh_CN.UTF-8 (scripts/wine-env.sh)";
    ASSERT_TRUE(ForgetInstallation());
    ASSERT_TRUE(folder.AddPackage());
}

void SetupScenario::TearDown()
{
    run.reset();
    EXPECT_TRUE(ForgetInstallation());
}

void SetupScenario::StartSetup()
{
    run = std::make_unique<SetupRun>();
    ASSERT_TRUE(run->Start(folder));
}

std::string TestName(const std::string& name)
{
    std::string out = name;
    for (char& c : out)
    {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return out;
}

} // namespace e2e
