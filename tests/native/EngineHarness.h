// The installation engine on the fake platform, its boxes owned by a headless dialog.
#pragma once

#include "WizardHarness.h"

#include <engine/Engine.h>
#include <engine/Package.h>
#include <engine/Texts.h>

class EngineTest : public ::testing::Test
{
protected:
    EngineTest()
    {
        headless::Reset();
        app.m_pMainWnd = &dialog;
        dialog.Create();
        progress.m_hWnd = ::GetDlgItem(dialog.m_hWnd, IDC_PROGRESS);
    }
    ~EngineTest() override
    {
        dialog.DestroyWindow();
        headless::Reset();
    }

    // The eight package files under .\driver, each with contents of its own.
    void AddPackage()
    {
        for (const DriverPackageFile& file : DRIVER_PACKAGE)
            platform.AddFile(file.sourcePath, std::string("contents of ") + file.destinationName);
    }

    std::string InDriverDirectory(const char* name) const { return platform.driverDirectory + "\\" + name; }
    const std::vector<headless::MessageBoxRecord>& Boxes() const { return headless::MessageBoxes(); }
    const std::vector<int>& Positions() { return headless::Control(dialog.m_hWnd, IDC_PROGRESS).positions; }

    // The box as the dialog's MessageBox shows it: owned by the dialog, no icon added.
    void ExpectDialogBox(size_t index, const std::string& text, const std::string& caption)
    {
        ASSERT_LT(index, Boxes().size());
        EXPECT_EQ(Boxes()[index].text, text);
        EXPECT_EQ(Boxes()[index].caption, caption);
        EXPECT_EQ(Boxes()[index].type, MB_OK);
        EXPECT_EQ(Boxes()[index].owner, dialog.m_hWnd);
    }

    // The box as AfxMessageBox shows it: the program's name, the exclamation mark, the main window.
    void ExpectApplicationBox(size_t index, const std::string& text)
    {
        ASSERT_LT(index, Boxes().size());
        EXPECT_EQ(Boxes()[index].text, text);
        EXPECT_EQ(Boxes()[index].caption, app.m_pszAppName);
        EXPECT_EQ(Boxes()[index].type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(Boxes()[index].owner, dialog.m_hWnd);
    }

    TestApp app;
    PlainDialog dialog;
    CProgressCtrl progress;
    FakePlatform platform;
};
