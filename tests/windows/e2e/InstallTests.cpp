// Installations from the first page to Finish, and the two ways an installation stops early: a damaged
// package and a copy that fails midway. Each ends with what the system holds afterwards.
#include "Scenario.h"

#include <algorithm>
#include <cstdio>

namespace e2e
{
namespace
{

// The eight package files in the printer driver directory, each with the package's content.
void ExpectPackageInDriverDirectory()
{
    const std::string directory = DriverDirectory();
    for (const DriverPackageFile& file : DRIVER_PACKAGE)
    {
        SCOPED_TRACE(file.destinationName);
        const std::string copy = directory + "\\" + file.destinationName;
        ASSERT_TRUE(FileExists(copy)) << copy;
        EXPECT_TRUE(ReadWholeFile(copy) == ReadWholeFile(PackageFile(file.destinationName)))
            << copy << " differs from the package's file";
    }
}

// A path of the driver record: the named file, in the driver directory or the spooler's folder for the
// driver's version under it, and there.
void ExpectDriverFile(const std::string& path, const char* name, DWORD version)
{
    const std::string directory = DriverDirectory();
    const size_t slash = path.find_last_of('\\');
    ASSERT_NE(slash, std::string::npos) << path;
    const std::string folder = path.substr(0, slash);
    EXPECT_TRUE(SameFileName(folder, directory) ||
                SameFileName(folder, directory + "\\" + std::to_string(version)))
        << path << " is not in the driver directory " << directory;
    EXPECT_TRUE(SameFileName(path.substr(slash + 1), name)) << path << " does not name " << name;
    EXPECT_TRUE(FileExists(path)) << path << " is missing";
}

void ExpectDriverRecord(const DriverRecord& driver)
{
    ASSERT_TRUE(driver.found);
    EXPECT_EQ(driver.name, DRIVER_NAME);
    EXPECT_EQ(driver.version, 3u);
    EXPECT_EQ(driver.environment, DRIVER_ENVIRONMENT);
    ExpectDriverFile(driver.driverPath, "UNIDRV.DLL", driver.version);
    ExpectDriverFile(driver.dataFile, "TR-417V.GPD", driver.version);
    ExpectDriverFile(driver.configFile, "UNIDRVUI.DLL", driver.version);
    ExpectDriverFile(driver.helpFile, "UNIDRV.HLP", driver.version);
    for (const char* name : {"UNIRES.DLL", "TR-417V.GPD", "STDNAMES.GPD", "TR-417V.DLL"})
    {
        const bool listed = std::any_of(
            driver.dependentFiles.begin(), driver.dependentFiles.end(), [&](const std::string& path) {
                return SameFileName(path.substr(path.find_last_of('\\') + 1), name);
            });
        EXPECT_TRUE(listed) << name << " is not among the dependent files";
    }
    EXPECT_EQ(driver.defaultDataType, DATA_TYPE);
}

// ---------------------------------------------------------------------------------------------------------

struct InstallCase
{
    const char* name;
    int connection;
    // Setup runs this many times on the same system, each time from the first page to Finish; the second
    // finds the driver and the queue in place (Windows then says ERROR_PRINTER_ALREADY_EXISTS, Wine 8
    // gives a handle again).
    int runs;
    // A device node with the printer's hardware ID exists, as when the printer is plugged in.
    bool printerPluggedIn;
    // Windows tells the user to check the cable when no device has the hardware ID; Wine's
    // UpdateDriverForPlugAndPlayDevicesA returns TRUE then, and the program goes straight on.
    bool cableNoticeOnWindows;
};

void PrintTo(const InstallCase& row, std::ostream* out) { *out << row.name; }

const InstallCase INSTALLS[] = {
    {"parallel_port_then_again", IDC_PARALLEL, 2, false, false},
    {"usb_without_printer", IDC_USB, 1, false, true},
    {"usb_with_printer", IDC_USB, 1, true, false},
};

class Install : public SetupScenario, public ::testing::WithParamInterface<InstallCase>
{
protected:
    // One run from the first page to Finish, with every page checked on the way.
    void InstallOnce(const InstallCase& row, int runNumber)
    {
        ASSERT_NO_FATAL_FAILURE(StartSetup());
        ExpectPage(*run, CONNECTION_PAGE);

        ASSERT_TRUE(run->Click(row.connection));
        ASSERT_TRUE(run->Settle());
        EXPECT_EQ(run->Control(IDC_USB).checked, row.connection == IDC_USB);
        EXPECT_EQ(run->Control(IDC_PARALLEL).checked, row.connection == IDC_PARALLEL);
        ExpectPage(*run, CONNECTION_PAGE);

        ASSERT_NO_FATAL_FAILURE(ClickAndExpect(*run, IDC_NEXT, LICENCE_PAGE));

        ASSERT_NO_FATAL_FAILURE(ClickAndExpect(*run, IDC_NEXT, SUMMARY_PAGE));

        ASSERT_NO_FATAL_FAILURE(ClickAndExpect(*run, IDC_NEXT, COPY_DONE_PAGE));

        ASSERT_TRUE(run->Click(IDC_NEXT));
        size_t boxes = 0;
        if (row.cableNoticeOnWindows && !RunningUnderWine())
        {
            MessageBoxInfo box;
            ASSERT_TRUE(run->WaitForMessageBox(box));
            ExpectMessageBox(*run, box, MESSAGE_CHECK_USB_CABLE, TEMPLATE_TITLE, false, {IDOK});
            ASSERT_TRUE(run->Answer(box, IDOK));
            ++boxes;
        }
        if (row.connection == IDC_PARALLEL && runNumber > 1 && !RunningUnderWine())
        {
            // The spooler's refusal of the existing queue is shown, in the program's name, and then taken
            // as success.
            MessageBoxInfo box;
            ASSERT_TRUE(run->WaitForMessageBox(box));
            ExpectMessageBox(*run, box, SystemErrorText(ERROR_PRINTER_ALREADY_EXISTS).c_str(), TEMPLATE_TITLE,
                             true, {IDOK});
            ASSERT_TRUE(run->Answer(box, IDOK));
            ++boxes;
        }
        ASSERT_TRUE(run->WaitForStepText(STEP_TEXT_INSTALLED));
        ExpectPage(*run, INSTALLED_PAGE);

        ASSERT_TRUE(run->Click(IDC_NEXT));
        ASSERT_TRUE(run->WaitForExit());
        EXPECT_EQ(run->BoxHistory().size(), boxes) << "message boxes other than those expected";
    }
};

// What one installation leaves on the system.
void ExpectInstalled(const InstallCase& row)
{
    ExpectPackageInDriverDirectory();
    const QueueRecord queue = FindQueue(PRINTER_NAME);
    if (row.connection == IDC_PARALLEL)
    {
        ASSERT_TRUE(queue.found) << "no queue \"" << PRINTER_NAME << "\"";
        EXPECT_EQ(queue.port, PORT_NAME);
        EXPECT_EQ(queue.driver, DRIVER_NAME);
        EXPECT_EQ(queue.printProcessor, PRINT_PROCESSOR);
        EXPECT_EQ(queue.dataType, DATA_TYPE);
        {
            SCOPED_TRACE("the driver as EnumPrinterDrivers lists it");
            ExpectDriverRecord(ListedDriver(DRIVER_NAME));
        }
        {
            SCOPED_TRACE("the queue's driver as GetPrinterDriver gives it");
            ExpectDriverRecord(DriverOfQueue(PRINTER_NAME));
        }
        return;
    }

    EXPECT_FALSE(queue.found) << "a USB installation adds no queue on the parallel port";
    const std::vector<std::string> staged = StagedPackageInfs();
    if (row.printerPluggedIn || !RunningUnderWine())
    {
        // The package's INF staged in the system's INF folder: oem<n>.inf on Windows; Wine keeps the name.
        ASSERT_FALSE(staged.empty()) << "no INF in the system's INF folder has the package INF's content";
        if (!RunningUnderWine())
        {
            const std::string name = staged.front().substr(staged.front().find_last_of('\\') + 1);
            EXPECT_EQ(_strnicmp(name.c_str(), "oem", 3), 0) << staged.front();
        }
    }
    if (row.printerPluggedIn)
    {
        const std::vector<std::string> drivers = PrinterDeviceNodeDrivers();
        ASSERT_EQ(drivers.size(), 1u);
        EXPECT_FALSE(drivers.front().empty())
            << "the plugged-in printer got no driver from the package's INF";
    }
}

TEST_P(Install, FromTheFirstPageToFinishLeavesTheDriverInstalled)
{
    const InstallCase& row = GetParam();
    if (row.printerPluggedIn)
    {
        const ::testing::AssertionResult plugged = AddPrinterDeviceNode();
        if (!plugged)
            GTEST_SKIP() << "no device node with the hardware ID " << HARDWARE_ID
                         << " can be made here: " << plugged.message();
    }

    for (int runNumber = 1; runNumber <= row.runs; ++runNumber)
    {
        SCOPED_TRACE("run " + std::to_string(runNumber) + " of " + std::to_string(row.runs));
        ASSERT_NO_FATAL_FAILURE(InstallOnce(row, runNumber));
        ASSERT_NO_FATAL_FAILURE(ExpectInstalled(row));
    }
}

INSTANTIATE_TEST_SUITE_P(Connections, Install, ::testing::ValuesIn(INSTALLS),
                         [](const auto& info) { return TestName(info.param.name); });

// ---------------------------------------------------------------------------------------------------------

class DamagedPackage : public SetupScenario
{
protected:
    // From the first page to the damaged-package page, through the box that names the missing file.
    void ReachDamagedPage(const DriverPackageFile& missing)
    {
        ASSERT_TRUE(folder.AddPackage(missing.sourcePath));
        ASSERT_NO_FATAL_FAILURE(StartSetup());
        ASSERT_NO_FATAL_FAILURE(Reach(*run, Page::Licence, IDC_USB));
        ASSERT_TRUE(run->Click(IDC_NEXT));
        MessageBoxInfo box;
        ASSERT_TRUE(run->WaitForMessageBox(box));
        ExpectMessageBox(*run, box, missing.sourcePath, CAPTION_PACKAGE_FILE_MISSING, false, {IDOK});
        ASSERT_TRUE(run->Answer(box, IDOK));
        ASSERT_TRUE(run->WaitForStepText(STEP_TEXT_PACKAGE_DAMAGED));
        ExpectPage(*run, DAMAGED_PAGE);
    }
};

// The parameter is the missing file's place in the package.
class MissingPackageFile : public DamagedPackage, public ::testing::WithParamInterface<int>
{
};

TEST_P(MissingPackageFile, IsNamedThenTheDamagedPageLetsTheUserLeaveWithoutAQuestion)
{
    ASSERT_NO_FATAL_FAILURE(ReachDamagedPage(DRIVER_PACKAGE[GetParam()]));
    for (const DriverPackageFile& file : DRIVER_PACKAGE)
    {
        EXPECT_FALSE(FileExists(DriverDirectory() + "\\" + file.destinationName))
            << file.destinationName << " was copied from a damaged package";
    }
    ASSERT_TRUE(run->Click(IDC_EXIT));
    ASSERT_TRUE(run->WaitForExit(5000));
    EXPECT_EQ(run->BoxHistory().size(), 1u) << "leaving the damaged page asked a question";
}

INSTANTIATE_TEST_SUITE_P(EachFile, MissingPackageFile, ::testing::Range(0, DRIVER_PACKAGE_SIZE),
                         [](const auto& info) {
                             return TestName(DRIVER_PACKAGE[info.param].destinationName);
                         });

// The other ways of leaving the damaged page; the last file checked is the one missing.
class LeavingTheDamagedPage : public DamagedPackage, public ::testing::WithParamInterface<Leave>
{
};

TEST_P(LeavingTheDamagedPage, AsksNoQuestion)
{
    ASSERT_NO_FATAL_FAILURE(ReachDamagedPage(DRIVER_PACKAGE[DRIVER_PACKAGE_SIZE - 1]));
    ASSERT_NO_FATAL_FAILURE(Press(*run, GetParam()));
    ASSERT_TRUE(run->WaitForExit(5000));
    EXPECT_EQ(run->BoxHistory().size(), 1u) << "leaving the damaged page asked a question";
}

INSTANTIATE_TEST_SUITE_P(Inputs, LeavingTheDamagedPage,
                         ::testing::Values(Leave::Escape, Leave::CloseBox, Leave::AltF4),
                         [](const auto& info) { return TestName(LeaveName(info.param)); });

// The damaged-package page hides Back and Next but leaves them enabled, and Back is the dialog's default
// button: Enter presses it.
TEST_F(DamagedPackage, EnterKeepsTheDamagedPage)
{
    ASSERT_NO_FATAL_FAILURE(ReachDamagedPage(DRIVER_PACKAGE[0]));
    run->PressKey(VK_RETURN);
    ASSERT_TRUE(run->Settle());
    EXPECT_TRUE(run->OpenMessageBoxes().empty());
    ExpectPage(*run, DAMAGED_PAGE);
    ASSERT_TRUE(run->Click(IDC_EXIT));
    ASSERT_TRUE(run->WaitForExit(5000));
    EXPECT_EQ(run->BoxHistory().size(), 1u);
}

// ---------------------------------------------------------------------------------------------------------

// The copy stops at a package file that another program holds open without sharing.
class CopyFailure : public SetupScenario, public ::testing::WithParamInterface<int>
{
};

TEST_P(CopyFailure, ShowsTheSystemsTextAndStopsWhereTheCopyStopped)
{
    const int stop = GetParam();
    const DriverPackageFile& locked = DRIVER_PACKAGE[stop];
    ExclusiveOpen lock(folder.FileOf(locked.sourcePath));
    ASSERT_TRUE(lock.Held()) << folder.FileOf(locked.sourcePath);
    {
        // The lock must really keep a reader out, as it keeps out the copy.
        HANDLE reader = ::CreateFileA(folder.FileOf(locked.sourcePath).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
        const DWORD error = ::GetLastError();
        if (reader != INVALID_HANDLE_VALUE)
            ::CloseHandle(reader);
        ASSERT_EQ(reader, INVALID_HANDLE_VALUE) << "the file held without sharing could be opened";
        ASSERT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    }
    const std::string directory = DriverDirectory();
    const std::vector<std::string> before = FolderEntries(directory);

    ASSERT_NO_FATAL_FAILURE(StartSetup());
    ASSERT_NO_FATAL_FAILURE(Reach(*run, Page::Summary, IDC_USB));
    ASSERT_TRUE(run->Click(IDC_NEXT));
    MessageBoxInfo box;
    ASSERT_TRUE(run->WaitForMessageBox(box));
    std::string expected = SystemErrorText(ERROR_SHARING_VIOLATION);
    if (expected.empty())
    {
        char text[64];
        std::snprintf(text, sizeof text, ERROR_CODE_FORMAT,
                      static_cast<unsigned long>(ERROR_SHARING_VIOLATION));
        expected = text;
    }
    ExpectMessageBox(*run, box, expected.c_str(), CAPTION_INSTALL_ERROR, false, {IDOK});
    ASSERT_TRUE(run->Answer(box, IDOK));
    ASSERT_TRUE(run->WaitForStepText(STEP_TEXT_COPY_FAILED));
    ExpectPage(*run, CopyFailedPage(stop));

    for (int i = 0; i < DRIVER_PACKAGE_SIZE; ++i)
    {
        const std::string copy = directory + "\\" + DRIVER_PACKAGE[i].destinationName;
        EXPECT_EQ(FileExists(copy), i < stop) << copy;
    }
    for (const std::string& name : before)
    {
        EXPECT_TRUE(::GetFileAttributesA((directory + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES)
            << directory << "\\" << name << " was removed";
    }

    ASSERT_NO_FATAL_FAILURE(Press(*run, Leave::ExitButton));
    ASSERT_TRUE(run->WaitForMessageBox(box));
    ExpectExitQuestion(*run, box);
    ASSERT_TRUE(run->Answer(box, IDYES));
    ASSERT_TRUE(run->WaitForExit());
}

INSTANTIATE_TEST_SUITE_P(LockedFile, CopyFailure, ::testing::Values(0, 2, DRIVER_PACKAGE_SIZE - 1),
                         [](const auto& info) {
                             return TestName(DRIVER_PACKAGE[info.param].destinationName);
                         });

} // namespace
} // namespace e2e
