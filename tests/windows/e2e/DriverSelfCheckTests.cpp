// The driver's readings of a message box, checked on boxes this program opens itself with known content:
// the icon above all, which none of Setup.exe's boxes on the tested paths carries, so that "no icon" in
// the scenarios is a reading and not a blind spot.
#include "WizardDriver.h"

#include <wizard/Texts.h>

#include <string>

namespace e2e
{
namespace
{

struct BoxCase
{
    const char* name;
    UINT type;
    bool icon;
    std::vector<int> buttons;
};

void PrintTo(const BoxCase& row, std::ostream* out) { *out << row.name; }

const BoxCase BOXES[] = {
    {"ok", MB_OK, false, {IDOK}},
    {"ok_exclamation", MB_OK | MB_ICONEXCLAMATION, true, {IDOK}},
    {"yes_no", MB_YESNO, false, {IDYES, IDNO}},
    {"yes_no_question", MB_YESNO | MB_ICONQUESTION, true, {IDYES, IDNO}},
};

class MessageBoxReading : public ::testing::TestWithParam<BoxCase>
{
};

struct Shown
{
    const BoxCase* row;
};

DWORD WINAPI ShowBox(void* parameter)
{
    const BoxCase* row = static_cast<Shown*>(parameter)->row;
    ::MessageBoxA(nullptr, MESSAGE_CONFIRM_EXIT, CAPTION_CONFIRM_EXIT, row->type);
    return 0;
}

BOOL CALLBACK CollectBox(HWND window, LPARAM parameter)
{
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && ::IsWindowVisible(window))
        *reinterpret_cast<HWND*>(parameter) = window;
    return TRUE;
}

TEST_P(MessageBoxReading, SeesTextCaptionIconAndButtons)
{
    const BoxCase& row = GetParam();
    Shown shown{&row};
    DWORD threadId = 0;
    HANDLE thread = ::CreateThread(nullptr, 0, ShowBox, &shown, 0, &threadId);
    ASSERT_NE(thread, nullptr);
    HWND box = nullptr;
    for (int attempt = 0; attempt < 250 && !box; ++attempt)
    {
        ::Sleep(20);
        ::EnumThreadWindows(threadId, CollectBox, reinterpret_cast<LPARAM>(&box));
    }
    if (!box)
    {
        // The thread stays blocked in a box nobody found; the failure says so.
        ::CloseHandle(thread);
        FAIL() << "the message box was not found";
    }
    ::Sleep(100);
    const MessageBoxInfo info = ReadMessageBox(box);
    EXPECT_TRUE(SameText(info.text, MESSAGE_CONFIRM_EXIT));
    EXPECT_TRUE(SameText(info.caption, CAPTION_CONFIRM_EXIT));
    EXPECT_EQ(info.hasIcon, row.icon);
    EXPECT_EQ(info.buttons, row.buttons);
    ::PostMessageA(::GetDlgItem(box, row.buttons.front()), BM_CLICK, 0, 0);
    EXPECT_EQ(::WaitForSingleObject(thread, 5000), WAIT_OBJECT_0) << "the box did not close";
    ::CloseHandle(thread);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MessageBoxReading, ::testing::ValuesIn(BOXES),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
