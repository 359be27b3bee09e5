// Whole installations through the real dialog and engine on the fake platform: first as they should go,
// then once for every call to the system, with that call failing.
#include "EngineHarness.h"

#include <wizard/Texts.h>

namespace
{

enum class Scenario
{
    Parallel,
    UsbWithoutPrinter,
    UsbWithPrinter,
};

const char* ScenarioName(Scenario scenario)
{
    switch (scenario)
    {
    case Scenario::Parallel:
        return "parallel port";
    case Scenario::UsbWithoutPrinter:
        return "USB, no printer plugged in";
    case Scenario::UsbWithPrinter:
        return "USB, printer plugged in";
    }
    return "";
}

enum class EndPage
{
    Installed,
    DamagedPackage,
    CopyFailed,
    RegistrationFailed,
    Other,
};

struct Installation
{
    EndPage end;
    std::vector<headless::MessageBoxRecord> boxes;
    std::vector<std::string> calls;
};

// A fresh system with the package beside the program, one unrelated read-only file in the driver
// directory, and nothing of this printer installed.
void PrepareSystem(FakePlatform& platform, Scenario scenario)
{
    for (const DriverPackageFile& file : DRIVER_PACKAGE)
        platform.AddFile(file.sourcePath, std::string("contents of ") + file.destinationName);
    platform.AddFile(platform.driverDirectory + "\\OTHER.DLL", "another driver's file",
                     FILE_ATTRIBUTE_READONLY);
    if (scenario == Scenario::UsbWithPrinter)
        platform.presentHardwareIds.insert(HARDWARE_ID);
}

EndPage PageShown(HWND dialog)
{
    const std::string& stepText = headless::Control(dialog, IDC_STEP_TEXT).text;
    if (stepText == STEP_TEXT_INSTALLED)
        return EndPage::Installed;
    if (stepText == STEP_TEXT_PACKAGE_DAMAGED)
        return EndPage::DamagedPackage;
    if (stepText == STEP_TEXT_COPY_FAILED)
        return EndPage::CopyFailed;
    if (stepText == STEP_TEXT_INSTALL_FAILED)
        return EndPage::RegistrationFailed;
    return EndPage::Other;
}

// The user chooses the connection and presses the forward button until it is gone or disabled.
Installation Install(FakePlatform& platform, Scenario scenario)
{
    headless::Reset();
    TestApp app;
    CSetupDlg dialog(platform);
    app.m_pMainWnd = &dialog;
    dialog.Create();
    headless::ClickRadio(dialog.m_hWnd, scenario == Scenario::Parallel ? IDC_PARALLEL : IDC_USB);
    for (int press = 0; press < 4 && headless::Click(dialog.m_hWnd, IDC_NEXT); ++press)
    {
    }
    Installation installation{PageShown(dialog.m_hWnd), headless::MessageBoxes(), platform.CallNames()};
    dialog.DestroyWindow();
    headless::Reset();
    return installation;
}

bool Registered(const FakePlatform& platform, Scenario scenario)
{
    switch (scenario)
    {
    case Scenario::Parallel:
        return platform.printers.count(PRINTER_NAME) == 1;
    case Scenario::UsbWithoutPrinter:
        return platform.stagedInfs.size() == 1;
    case Scenario::UsbWithPrinter:
        return platform.deviceInstallations.size() == 1;
    }
    return false;
}

class WholeInstallation : public ::testing::TestWithParam<Scenario>
{
};

TEST_P(WholeInstallation, RunsToTheInstalledPage)
{
    FakePlatform platform;
    PrepareSystem(platform, GetParam());
    const Installation installation = Install(platform, GetParam());

    EXPECT_EQ(installation.end, EndPage::Installed);
    EXPECT_TRUE(Registered(platform, GetParam()));
    for (const DriverPackageFile& file : DRIVER_PACKAGE)
        EXPECT_NE(platform.Find(platform.driverDirectory + "\\" + file.destinationName), nullptr);
    // Only the USB path without a printer says anything: the cable notice.
    EXPECT_EQ(installation.boxes.size(), GetParam() == Scenario::UsbWithoutPrinter ? 1u : 0u);
    EXPECT_EQ(platform.LiveAllocations(), 0u);
    EXPECT_TRUE(platform.openPrinters.empty());
}

TEST_P(WholeInstallation, WithAnyOneCallFailingNeverClaimsWhatDidNotHappen)
{
    const Scenario scenario = GetParam();
    FakePlatform baseline;
    PrepareSystem(baseline, scenario);
    Install(baseline, scenario);
    std::vector<std::string> failable;
    for (const std::string& call : baseline.CallNames())
    {
        if (FakePlatform::CanFail(call))
            failable.push_back(call);
    }
    ASSERT_GT(failable.size(), 20u);

    for (size_t index = 0; index < failable.size(); ++index)
    {
        SCOPED_TRACE(std::string(ScenarioName(scenario)) + ", failing call " + std::to_string(index) + ": " +
                     failable[index]);
        FakePlatform platform;
        PrepareSystem(platform, scenario);
        const std::map<std::string, FakePlatform::Node> before = platform.Snapshot();
        platform.FailCallNumber(index, ERROR_ACCESS_DENIED);

        const Installation installation = Install(platform, scenario);

        EXPECT_NE(installation.end, EndPage::Other);
        if (installation.end == EndPage::Installed)
            EXPECT_TRUE(Registered(platform, scenario)) << "the installed page without a printer";
        else
            EXPECT_FALSE(installation.boxes.empty()) << "a failure page that nobody explained";
        const std::map<std::string, FakePlatform::Node> afterwards = platform.Snapshot();
        for (const auto& [key, node] : before)
        {
            const auto after = afterwards.find(key);
            ASSERT_NE(after, afterwards.end()) << node.path << " was removed";
            EXPECT_EQ(after->second.content, node.content) << node.path << " was changed";
            EXPECT_EQ(after->second.attributes, node.attributes) << node.path << " was changed";
        }
        EXPECT_EQ(platform.LiveAllocations(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, WholeInstallation,
                         ::testing::Values(Scenario::Parallel, Scenario::UsbWithoutPrinter,
                                           Scenario::UsbWithPrinter),
                         [](const auto& info) {
                             switch (info.param)
                             {
                             case Scenario::Parallel:
                                 return std::string("Parallel");
                             case Scenario::UsbWithoutPrinter:
                                 return std::string("UsbWithoutPrinter");
                             case Scenario::UsbWithPrinter:
                                 return std::string("UsbWithPrinter");
                             }
                             return std::string();
                         });

} // namespace
