// The class layer's view operations, in the headless backend.
#include "WizardHarness.h"

namespace
{

class ViewOperations : public ::testing::Test
{
protected:
    ViewOperations()
    {
        headless::Reset();
        app.m_pMainWnd = &dialog;
        dialog.Create();
    }
    ~ViewOperations() override
    {
        dialog.DestroyWindow();
        headless::Reset();
    }

    TestApp app;
    PlainDialog dialog;
};

TEST_F(ViewOperations, MessageBoxWithoutCaptionIsNamedAfterTheProgramAndGetsNoIcon)
{
    dialog.MessageBox("text");
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    const headless::MessageBoxRecord& box = headless::MessageBoxes()[0];
    EXPECT_EQ(box.caption, "native_tests");
    EXPECT_EQ(box.owner, dialog.m_hWnd);
    EXPECT_EQ(box.type, MB_OK);
}

TEST_F(ViewOperations, AfxMessageBoxIsOwnedByTheMainWindowAndAddsTheExclamationMark)
{
    AfxMessageBox("text", MB_OK, 0);
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    const headless::MessageBoxRecord& box = headless::MessageBoxes()[0];
    EXPECT_EQ(box.caption, "native_tests");
    EXPECT_EQ(box.owner, dialog.m_hWnd);
    EXPECT_EQ(box.Buttons(), MB_OK);
    EXPECT_EQ(box.Icon(), MB_ICONEXCLAMATION);
}

TEST_F(ViewOperations, HidingKeepsTextCheckMarkAndEnabledState)
{
    CWnd radio(::GetDlgItem(dialog.m_hWnd, 7));
    headless::ClickRadio(dialog.m_hWnd, 7);
    dialog.SetDlgItemText(7, "USB");
    radio.EnableWindow(false);
    radio.ShowWindow(SW_HIDE);
    dialog.SetDlgItemText(7, "changed while hidden");
    radio.ShowWindow(SW_SHOWNORMAL);

    const HWND__& control = headless::Control(dialog.m_hWnd, 7);
    EXPECT_TRUE(control.visible);
    EXPECT_TRUE(control.checked);
    EXPECT_FALSE(control.enabled);
    EXPECT_EQ(control.text, "changed while hidden");
}

TEST_F(ViewOperations, HiddenAndDisabledControlsTakeNoClicks)
{
    CWnd button(::GetDlgItem(dialog.m_hWnd, 8));
    button.ShowWindow(SW_HIDE);
    EXPECT_FALSE(headless::Click(dialog.m_hWnd, 8));
    button.ShowWindow(SW_SHOWNORMAL);
    button.EnableWindow(false);
    EXPECT_FALSE(headless::Click(dialog.m_hWnd, 8));
    EXPECT_TRUE(headless::Control(dialog.m_hWnd, 8).visible);
}

TEST(DrawingObjects, AreDeletedOnceByTheirOwnerAndNeverWhenDetached)
{
    const size_t before = headless::LiveGdiObjects();
    HGDIOBJ detached = nullptr;
    {
        CFont font;
        font.CreateFont(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        EXPECT_TRUE(font.DeleteObject());
        EXPECT_FALSE(font.DeleteObject());

        CBitmap bitmap;
        bitmap.LoadBitmap(1);
        detached = bitmap.Detach();
        CBrush brush;
        brush.CreateSolidBrush(RGB(1, 2, 3));
    }
    EXPECT_TRUE(headless::IsLiveGdiObject(detached));
    EXPECT_EQ(headless::LiveGdiObjects(), before + 1);
    ::DeleteObject(detached);
}

} // namespace
