// The setup dialog's frame: what it prepares before the first paint, its colours and its icon.
#include "WizardHarness.h"

#include <memory>

namespace
{

using SetupDialog = WizardTest;

TEST_F(SetupDialog, PreparesIconsPicturesProgressAndFontBeforeTheFirstPaint)
{
    HICON icon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(IDR_MAINFRAME));
    EXPECT_EQ(dlg.Icon(), icon);
    EXPECT_EQ(Dialog()->bigIcon, icon);
    EXPECT_EQ(Dialog()->smallIcon, icon);

    EXPECT_NE(Control(IDC_WELCOME_PICTURE).bitmap, nullptr);
    EXPECT_NE(Control(IDC_PRINTER_PICTURE).bitmap, nullptr);
    EXPECT_NE(Control(IDC_WELCOME_PICTURE).bitmap, Control(IDC_PRINTER_PICTURE).bitmap);

    EXPECT_EQ(Control(IDC_PROGRESS).rangeLower, 0);
    EXPECT_EQ(Control(IDC_PROGRESS).rangeUpper, 8);
    EXPECT_EQ(Control(IDC_PROGRESS).position, 0);
    EXPECT_FALSE(Control(IDC_PROGRESS).visible);

    ASSERT_NE(dlg.Font(), nullptr);
    for (int id : ALL_CONTROLS)
    {
        const bool arial = id == IDC_STEP_TEXT || id == IDC_SPARE_LABEL;
        EXPECT_EQ(Control(id).font, arial ? dlg.Font() : nullptr) << "control " << id;
    }
    EXPECT_EQ(dlg.Step(), STEP_CHOOSE_CONNECTION);
    EXPECT_EQ(std::string(dlg.DriverDir(), MAX_PATH), std::string(MAX_PATH, '\0'));
    EXPECT_FALSE(g_skipExitPrompt);
}

TEST_F(SetupDialog, ThePicturesKeepTheirBitmapsAfterTheDialogIsGone)
{
    HBITMAP welcome = Control(IDC_WELCOME_PICTURE).bitmap;
    HBITMAP printer = Control(IDC_PRINTER_PICTURE).bitmap;
    dlg.DestroyWindow();
    EXPECT_TRUE(headless::IsLiveGdiObject(welcome));
    EXPECT_TRUE(headless::IsLiveGdiObject(printer));
    ::DeleteObject(welcome);
    ::DeleteObject(printer);
}

TEST_F(SetupDialog, TheWizardStartClearsAFlagLeftFromAnEarlierRun)
{
    ScriptedSetupDlg second(platform);
    g_skipExitPrompt = true;
    second.Create();
    EXPECT_FALSE(g_skipExitPrompt);
    second.DestroyWindow();
}

TEST_F(SetupDialog, OtherControlsKeepTheSystemColoursUntouched)
{
    for (int id : ALL_CONTROLS)
    {
        if (id == IDC_STEP_TEXT || id == IDC_INFO)
            continue;
        SCOPED_TRACE(id);
        const UINT message =
            id == IDC_NEXT || id == IDC_BACK || id == IDC_EXIT ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC;
        const headless::ColourRequest request = headless::RequestColours(Dialog(), id, message);
        EXPECT_EQ(request.brush, headless::DefaultControlBrush());
        EXPECT_EQ(request.dc.textColor, HDC__().textColor);
        EXPECT_EQ(request.dc.backgroundMode, HDC__().backgroundMode);
        EXPECT_TRUE(request.dc.gradients.empty());
    }
}

TEST_F(SetupDialog, TheStepTextIsOrangeOnTheSystemBackground)
{
    const headless::ColourRequest request =
        headless::RequestColours(Dialog(), IDC_STEP_TEXT, WM_CTLCOLORSTATIC);
    EXPECT_EQ(request.dc.textColor, RGB(217, 107, 16));
    EXPECT_EQ(request.dc.backgroundMode, OPAQUE);
    EXPECT_TRUE(request.dc.gradients.empty());
    EXPECT_EQ(request.brush, headless::DefaultControlBrush());
}

TEST_F(SetupDialog, TheInformationBoxGetsItsGradientAndOneBrushForEveryRequest)
{
    const headless::ColourRequest first = headless::RequestColours(Dialog(), IDC_INFO, WM_CTLCOLORSTATIC);
    EXPECT_EQ(first.dc.backgroundMode, TRANSPARENT);
    ASSERT_EQ(first.dc.gradients.size(), 1u);
    const GradientCall& gradient = first.dc.gradients[0];
    EXPECT_EQ(gradient.mode, GRADIENT_FILL_RECT_H);
    ASSERT_EQ(gradient.vertices.size(), 2u);
    const TRIVERTEX& left = gradient.vertices[0];
    const TRIVERTEX& right = gradient.vertices[1];
    EXPECT_EQ((std::vector<long>{left.x, left.y, left.Red, left.Green, left.Blue, left.Alpha}),
              (std::vector<long>{0, 0, 0xBA00, 0xCD00, 0xDB00, 0x0060}));
    EXPECT_EQ((std::vector<long>{right.x, right.y, right.Red, right.Green, right.Blue, right.Alpha}),
              (std::vector<long>{465, 137, 0xEC00, 0xF100, 0xF500, 0x0060}));
    ASSERT_EQ(gradient.rectangles.size(), 1u);
    EXPECT_EQ(gradient.rectangles[0].UpperLeft, 0u);
    EXPECT_EQ(gradient.rectangles[0].LowerRight, 1u);
    EXPECT_NE(first.brush, headless::DefaultControlBrush());
    EXPECT_TRUE(headless::IsLiveGdiObject(first.brush));

    const size_t objects = headless::LiveGdiObjects();
    for (int repaint = 0; repaint < 200; ++repaint)
        EXPECT_EQ(headless::RequestColours(Dialog(), IDC_INFO, WM_CTLCOLORSTATIC).brush, first.brush);
    EXPECT_EQ(headless::LiveGdiObjects(), objects);
}

TEST_F(SetupDialog, ItsFontAndBrushGoWithTheDialog)
{
    const size_t before = headless::LiveGdiObjects();
    {
        auto second = std::make_unique<ScriptedSetupDlg>(platform);
        second->Create();
        headless::RequestColours(second->m_hWnd, IDC_INFO, WM_CTLCOLORSTATIC);
        // The font, the brush, and two bitmaps that stay with the pictures.
        EXPECT_EQ(headless::LiveGdiObjects(), before + 4);
    }
    EXPECT_EQ(headless::LiveGdiObjects(), before + 2);
}

struct IconPosition
{
    RECT client;
    int x, y;
};

// (client size - icon size + 1) / 2, truncated toward zero.
const IconPosition ICON_POSITIONS[] = {
    {{0, 0, 160, 27}, 64, -2},
    {{0, 0, 33, 33}, 1, 1},
    {{0, 0, 0, 0}, -15, -15},
};

TEST_F(SetupDialog, AMinimisedWindowShowsTheIconCentred)
{
    for (const IconPosition& position : ICON_POSITIONS)
    {
        headless::SetIconic(Dialog(), true, position.client);
        const HDC__ dc = headless::Paint(Dialog());
        ASSERT_EQ(dc.iconsDrawn.size(), 1u);
        EXPECT_EQ(dc.iconsDrawn[0].x, position.x);
        EXPECT_EQ(dc.iconsDrawn[0].y, position.y);
        EXPECT_EQ(dc.iconsDrawn[0].icon, dlg.Icon());
    }
    headless::SetIconic(Dialog(), false, RECT{0, 0, 601, 470});
    EXPECT_TRUE(headless::Paint(Dialog()).iconsDrawn.empty());
}

TEST_F(SetupDialog, DraggingTheMinimisedWindowShowsTheIcon)
{
    EXPECT_EQ(::SendMessageA(Dialog(), WM_QUERYDRAGICON, 0, 0), reinterpret_cast<LRESULT>(dlg.Icon()));
}

} // namespace
