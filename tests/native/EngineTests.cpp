// The installation engine on the fake platform: package check, summary, copier, parallel port and
// registration, with the faults they must not have.
#include "EngineHarness.h"

#include <functional>

namespace
{

using engine::BuildSummary;
using engine::CheckPackage;
using engine::CopyDriverFiles;
using engine::InstallParallelPrinter;
using engine::RegisterPrinter;

std::vector<std::string> PathsTested(const FakePlatform& platform)
{
    std::vector<std::string> paths;
    for (const FakePlatform::Call& call : platform.calls)
    {
        if (call.function == "PathFileExistsA")
            paths.push_back(call.arguments[0]);
    }
    return paths;
}

std::vector<std::string> Calls(const FakePlatform& platform, const std::string& function)
{
    std::vector<std::string> found;
    for (const FakePlatform::Call& call : platform.calls)
    {
        if (call.function == function)
        {
            std::string joined;
            for (const std::string& argument : call.arguments)
                joined += (joined.empty() ? "" : ", ") + argument;
            found.push_back(joined);
        }
    }
    return found;
}

// ---------------------------------------------------------------------------------------------------
// The package check

struct PackageCase
{
    const char* name;
    std::function<void(FakePlatform&)> change; // made to a complete package
    const char* missing;                       // the path named, or null when the check passes
};

class PackageCheck : public EngineTest, public ::testing::WithParamInterface<PackageCase>
{
};

void PrintTo(const PackageCase& c, std::ostream* out) { *out << c.name; }

std::vector<PackageCase> PackageCases()
{
    std::vector<PackageCase> cases = {
        {"complete", [](FakePlatform&) {}, nullptr},
        {"rows 3 and 6 missing",
         [](FakePlatform& p) {
             p.Remove(DRIVER_PACKAGE[2].sourcePath);
             p.Remove(DRIVER_PACKAGE[5].sourcePath);
         },
         ".\\driver\\TR-417V.gpd"},
        {"no driver folder",
         [](FakePlatform& p) {
             p.Remove(".\\driver");
             for (const auto& f : DRIVER_PACKAGE)
                 p.Remove(f.sourcePath);
         },
         ".\\driver\\TR-417V.inf"},
        {"started from another current directory", [](FakePlatform& p) { p.currentDirectory = "C:\\Other"; },
         ".\\driver\\TR-417V.inf"},
        {"a folder named like the help file",
         [](FakePlatform& p) {
             p.Remove(".\\driver\\UNIDRV.HLP");
             p.AddDirectory(".\\driver\\UNIDRV.HLP");
         },
         nullptr},
        {"model files with upper-case extensions",
         [](FakePlatform& p) {
             for (const char* name : {"TR-417V.inf", "TR-417V.dll", "TR-417V.gpd"})
                 p.Remove(std::string(".\\driver\\") + name);
             for (const char* name : {"TR-417V.INF", "TR-417V.DLL", "TR-417V.GPD"})
                 p.AddFile(std::string(".\\driver\\") + name, name);
         },
         nullptr},
    };
    for (const DriverPackageFile& file : DRIVER_PACKAGE)
    {
        const std::string path = file.sourcePath;
        cases.push_back({file.sourcePath, [path](FakePlatform& p) { p.Remove(path); }, file.sourcePath});
    }
    return cases;
}

TEST_P(PackageCheck, NamesTheFirstMissingFile)
{
    AddPackage();
    platform.AddFile(".\\driver\\README.TXT", "not part of the package");
    GetParam().change(platform);

    const BOOL result = CheckPackage(platform, dialog);

    if (!GetParam().missing)
    {
        EXPECT_TRUE(result);
        EXPECT_TRUE(Boxes().empty());
        std::vector<std::string> all;
        for (const DriverPackageFile& file : DRIVER_PACKAGE)
            all.push_back(file.sourcePath);
        EXPECT_EQ(PathsTested(platform), all);
        return;
    }
    EXPECT_FALSE(result);
    ASSERT_EQ(Boxes().size(), 1u);
    ExpectDialogBox(0, GetParam().missing, CAPTION_PACKAGE_FILE_MISSING);
    // The rows after the missing one are not tested.
    EXPECT_EQ(PathsTested(platform).back(), GetParam().missing);
}

INSTANTIATE_TEST_SUITE_P(Engine, PackageCheck, ::testing::ValuesIn(PackageCases()));

// ---------------------------------------------------------------------------------------------------
// The summary

using Summary = EngineTest;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos;
         start = end + 2, end = text.find("\r\n", start))
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

TEST_F(Summary, NamesTheSpoolersDriverDirectoryOnItsLastLine)
{
    char text[PAGE_TEXT_SIZE];
    char driverDir[MAX_PATH] = {};
    BuildSummary(platform, text, driverDir);

    EXPECT_EQ(Lines(text),
              (std::vector<std::string>{"产品名称：", "", "          名称：TR-417V", "", "", "目标路径：", "",
                                        "         文件夹: " + platform.driverDirectory}));
    EXPECT_STREQ(driverDir, platform.driverDirectory.c_str());
    EXPECT_EQ(Calls(platform, "GetPrinterDriverDirectoryA"),
              std::vector<std::string>{"NULL, Windows NT x86, 1, 260, ptr"});
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Summary, EachPassAsksTheSpoolerAgain)
{
    char text[PAGE_TEXT_SIZE];
    char driverDir[MAX_PATH] = {};
    BuildSummary(platform, text, driverDir);
    platform.driverDirectory = "D:\\spool";
    BuildSummary(platform, text, driverDir);
    EXPECT_STREQ(driverDir, "D:\\spool");
    EXPECT_EQ(Calls(platform, "GetPrinterDriverDirectoryA").size(), 2u);
}

TEST_F(Summary, TheLongestDirectoryFitsThePage)
{
    platform.driverDirectory = "C:\\" + std::string(256, 'd');
    char text[PAGE_TEXT_SIZE];
    char driverDir[MAX_PATH] = {};
    BuildSummary(platform, text, driverDir);
    EXPECT_EQ(std::string(text).size(), 74u + 259u);
    EXPECT_EQ(std::string(driverDir), platform.driverDirectory);
}

TEST_F(Summary, AFailedLookupShowsAnEmptyFolderAndKeepsNoDirectory)
{
    char text[PAGE_TEXT_SIZE];
    char driverDir[MAX_PATH] = "C:\\from an earlier pass";
    platform.Fail("GetPrinterDriverDirectoryA", ERROR_ACCESS_DENIED);
    BuildSummary(platform, text, driverDir);
    EXPECT_EQ(Lines(text).back(), "         文件夹: ");
    EXPECT_STREQ(driverDir, "");
    EXPECT_TRUE(Boxes().empty());
}

// ---------------------------------------------------------------------------------------------------
// The copier

class Copier : public EngineTest
{
protected:
    Copier() { AddPackage(); }

    BOOL Copy() { return CopyDriverFiles(platform, dialog, progress, platform.driverDirectory.c_str()); }

    std::vector<std::string> Copied() const
    {
        std::vector<std::string> copied;
        for (const FakePlatform::Call& call : platform.calls)
        {
            if (call.function == "CopyFileA")
                copied.push_back(call.arguments[0]);
        }
        return copied;
    }

    std::vector<std::string> AllSources(size_t count = DRIVER_PACKAGE_SIZE) const
    {
        std::vector<std::string> sources;
        for (size_t row = 0; row < count; ++row)
            sources.push_back(DRIVER_PACKAGE[row].sourcePath);
        return sources;
    }
};

TEST_F(Copier, CopiesEveryFileIntoTheDriverDirectoryStepByStep)
{
    EXPECT_TRUE(Copy());
    EXPECT_EQ(Copied(), AllSources());
    for (const DriverPackageFile& file : DRIVER_PACKAGE)
    {
        const FakePlatform::Node* copy = platform.Find(InDriverDirectory(file.destinationName));
        ASSERT_NE(copy, nullptr) << file.destinationName;
        EXPECT_EQ(copy->content, std::string("contents of ") + file.destinationName);
    }
    EXPECT_EQ(Calls(platform, "CopyFileA")[0],
              ".\\driver\\TR-417V.inf, " + InDriverDirectory("TR-417V.inf") + ", 0");
    EXPECT_EQ(Positions(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(platform.sleeps, std::vector<DWORD>(8, 100));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Copier, FilesAlreadyThereAreNeitherCopiedNorTouched)
{
    for (const DriverPackageFile& file : DRIVER_PACKAGE)
        platform.AddFile(InDriverDirectory(file.destinationName), "older", FILE_ATTRIBUTE_READONLY);
    platform.Remove(InDriverDirectory("UNIRES.DLL"));
    platform.AddDirectory(InDriverDirectory("UNIRES.DLL"));

    EXPECT_TRUE(Copy());
    EXPECT_TRUE(Copied().empty());
    EXPECT_TRUE(Calls(platform, "SetFileAttributesA").empty());
    EXPECT_TRUE(Calls(platform, "GetFileAttributesA").empty());
    EXPECT_EQ(platform.Find(InDriverDirectory("UNIDRV.DLL"))->content, "older");
    EXPECT_EQ(platform.Find(InDriverDirectory("UNIDRV.DLL"))->attributes, FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(platform.Find(InDriverDirectory("UNIRES.DLL"))->directory);
    EXPECT_EQ(Positions(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(platform.sleeps, std::vector<DWORD>(8, 100));
}

TEST_F(Copier, ACopiedReadOnlyFileLosesAllItsAttributes)
{
    platform.AddFile(".\\driver\\UNIDRV.DLL", "contents of UNIDRV.DLL",
                     FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                         FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_TRUE(Copy());
    EXPECT_EQ(platform.Find(InDriverDirectory("UNIDRV.DLL"))->attributes, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Calls(platform, "SetFileAttributesA"),
              std::vector<std::string>{InDriverDirectory("UNIDRV.DLL") + ", " +
                                       std::to_string(FILE_ATTRIBUTE_NORMAL)});
    // A writable copy keeps its attributes.
    EXPECT_EQ(platform.Find(InDriverDirectory("UNIRES.DLL"))->attributes, FILE_ATTRIBUTE_ARCHIVE);
}

TEST_F(Copier, AMissingDirectoryIsCreatedAndNamed)
{
    platform.Remove(platform.driverDirectory);
    EXPECT_TRUE(Copy());
    EXPECT_EQ(Calls(platform, "CreateDirectoryA"),
              std::vector<std::string>{platform.driverDirectory + ", NULL"});
    ASSERT_EQ(Boxes().size(), 1u);
    ExpectDialogBox(0, platform.driverDirectory, CAPTION_INSTALL_ERROR);
    EXPECT_EQ(Copied(), AllSources());
}

TEST_F(Copier, ADirectoryThatCannotBeMadeFailsAtTheFirstCopy)
{
    platform.driverDirectory = "C:\\no such parent\\w32x86";
    EXPECT_FALSE(Copy());
    ASSERT_EQ(Boxes().size(), 2u);
    ExpectDialogBox(0, platform.driverDirectory, CAPTION_INSTALL_ERROR);
    ExpectDialogBox(1, platform.systemTexts[ERROR_PATH_NOT_FOUND], CAPTION_INSTALL_ERROR);
    EXPECT_TRUE(Positions().empty());
    EXPECT_TRUE(platform.sleeps.empty());
}

TEST_F(Copier, AFailedCopyStopsWithTheSystemsTextAndKeepsWhatWasCopied)
{
    platform.Fail("CopyFileA", ERROR_ACCESS_DENIED, 5);
    EXPECT_FALSE(Copy());
    EXPECT_EQ(Copied(), AllSources(5));
    for (size_t row = 0; row < 4; ++row)
        EXPECT_NE(platform.Find(InDriverDirectory(DRIVER_PACKAGE[row].destinationName)), nullptr) << row;
    EXPECT_EQ(platform.Find(InDriverDirectory("UNIDRV.HLP")), nullptr);
    EXPECT_EQ(Positions(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(platform.sleeps, std::vector<DWORD>(4, 100));
    ASSERT_EQ(Boxes().size(), 1u);
    ExpectDialogBox(0, "Access is denied.\r\n", CAPTION_INSTALL_ERROR);
    // The system allocated the text without reading insert values, and it was released.
    EXPECT_EQ(
        Calls(platform, "FormatMessageA"),
        std::vector<std::string>{std::to_string(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                                FORMAT_MESSAGE_IGNORE_INSERTS) +
                                 ", NULL, 5, 0, ptr, 0, NULL"});
    EXPECT_EQ(platform.LiveAllocations(), 0u);
}

TEST_F(Copier, ASystemTextWithInsertsIsShownAsItStands)
{
    platform.Fail("CopyFileA", 34);
    EXPECT_FALSE(Copy());
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, platform.systemTexts[34]);
}

TEST_F(Copier, AnErrorWithoutSystemTextIsShownByItsCode)
{
    platform.Fail("CopyFileA", 54321);
    EXPECT_FALSE(Copy());
    ASSERT_EQ(Boxes().size(), 1u);
    ExpectDialogBox(0, "错误代码: 54321", CAPTION_INSTALL_ERROR);
}

TEST_F(Copier, WithoutADriverDirectoryNothingIsCreatedOrCopied)
{
    EXPECT_FALSE(CopyDriverFiles(platform, dialog, progress, ""));
    EXPECT_EQ(platform.CallNames(), (std::vector<std::string>{"FormatMessageA", "LocalFree"}));
    ASSERT_EQ(Boxes().size(), 1u);
    ExpectDialogBox(0, platform.systemTexts[ERROR_PATH_NOT_FOUND], CAPTION_INSTALL_ERROR);
    EXPECT_TRUE(Positions().empty());
}

TEST_F(Copier, APathThatDoesNotFitIsNamedAndNeverCut)
{
    // 247 characters: the eleven-character names fit, UNIDRVUI.DLL (row 6) does not.
    platform.driverDirectory = "C:\\" + std::string(244, 'd');
    platform.AddDirectory(platform.driverDirectory);
    EXPECT_FALSE(Copy());
    EXPECT_EQ(Copied(), AllSources(5));
    ASSERT_EQ(Boxes().size(), 1u);
    ExpectDialogBox(0, InDriverDirectory("UNIDRVUI.DLL"), CAPTION_INSTALL_ERROR);
    for (const std::string& path : PathsTested(platform))
        EXPECT_LT(path.size(), MAX_PATH);
    EXPECT_EQ(Positions(), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(Copier, TheLongestDirectoryThatFitsCopiesEverything)
{
    platform.driverDirectory = "C:\\" + std::string(243, 'd');
    platform.AddDirectory(platform.driverDirectory);
    EXPECT_TRUE(Copy());
    EXPECT_NE(platform.Find(InDriverDirectory("STDNAMES.GPD")), nullptr);
}

// ---------------------------------------------------------------------------------------------------
// The parallel port

class ParallelPort : public EngineTest
{
protected:
    ParallelPort()
    {
        for (const DriverPackageFile& file : DRIVER_PACKAGE)
            platform.AddFile(InDriverDirectory(file.destinationName), file.destinationName);
    }
};

TEST_F(ParallelPort, AddsTheDriverAndTheQueueWithExactlyTheseFields)
{
    EXPECT_TRUE(InstallParallelPrinter(platform));
    EXPECT_EQ(platform.CallNames(),
              (std::vector<std::string>{"GetPrinterDriverDirectoryA", "SetLastError", "AddPrinterDriverExA",
                                        "SetLastError", "AddPrinterA", "ClosePrinter"}));
    EXPECT_EQ(Calls(platform, "SetLastError"), (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(Calls(platform, "AddPrinterDriverExA"), std::vector<std::string>{"NULL, 3, ptr, 4"});
    EXPECT_EQ(Calls(platform, "AddPrinterA"), std::vector<std::string>{"NULL, 2, ptr"});

    ASSERT_EQ(platform.driverRequests.size(), 1u);
    const FakePlatform::DriverRequest& driver = platform.driverRequests[0];
    EXPECT_EQ(driver.cVersion, 3u);
    EXPECT_EQ(driver.name, "TR-417V");
    EXPECT_EQ(driver.environment, std::nullopt);
    EXPECT_EQ(driver.driverPath, platform.driverDirectory + "\\UNIDRV.DLL");
    EXPECT_EQ(driver.dataFile, platform.driverDirectory + "\\TR-417V.GPD");
    EXPECT_EQ(driver.configFile, platform.driverDirectory + "\\UNIDRVUI.DLL");
    EXPECT_EQ(driver.helpFile, platform.driverDirectory + "\\UNIDRV.HLP");
    EXPECT_EQ(driver.dependentFiles,
              std::string("UNIRES.DLL\0TR-417V.GPD\0STDNAMES.GPD\0TR-417V.DLL\0\0", 49));
    EXPECT_EQ(driver.monitorName, std::nullopt);
    EXPECT_EQ(driver.defaultDataType, "RAW");
    EXPECT_EQ(driver.copyFlags, APD_COPY_ALL_FILES);

    ASSERT_EQ(platform.printerRequests.size(), 1u);
    const FakePlatform::PrinterRequest& printer = platform.printerRequests[0];
    EXPECT_EQ(printer.serverName, std::nullopt);
    EXPECT_EQ(printer.printerName, "KQ TR-417V LPT1");
    EXPECT_EQ(printer.portName, "LPT1:");
    EXPECT_EQ(printer.driverName, "TR-417V");
    EXPECT_EQ(printer.printProcessor, "WinPrint");
    EXPECT_EQ(printer.datatype, "RAW");
    for (const auto& unset :
         {printer.shareName, printer.comment, printer.location, printer.sepFile, printer.parameters})
        EXPECT_EQ(unset, std::nullopt);
    EXPECT_TRUE(printer.devModeNull);
    EXPECT_TRUE(printer.securityDescriptorNull);
    EXPECT_EQ(
        (std::vector<DWORD>{printer.attributes, printer.priority, printer.defaultPriority, printer.startTime,
                            printer.untilTime, printer.status, printer.jobs, printer.averagePpm}),
        std::vector<DWORD>(8, 0));

    EXPECT_EQ(platform.printers.count("KQ TR-417V LPT1"), 1u);
    EXPECT_TRUE(platform.openPrinters.empty());
    EXPECT_TRUE(Boxes().empty());
}

// Each combination of refusals: the boxes, in order, and whether the queue counts as there.
struct RefusalCase
{
    const char* name;
    DWORD driverError;  // 0: the driver is added
    DWORD printerError; // 0: the queue is added
    std::vector<std::string> boxes;
    BOOL result;
    bool closed;
};

class Refusals : public ParallelPort, public ::testing::WithParamInterface<RefusalCase>
{
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

const RefusalCase REFUSALS[] = {
    {"driver refused, queue added", ERROR_ACCESS_DENIED, 0, {"Access is denied.\r\n"}, TRUE, true},
    {"queue refused", 0, ERROR_ACCESS_DENIED, {"Access is denied.\r\n"}, FALSE, false},
    {"both refused",
     ERROR_UNKNOWN_PRINTER_DRIVER,
     ERROR_ACCESS_DENIED,
     {"The printer driver is unknown.\r\n", "Access is denied.\r\n"},
     FALSE,
     false},
    {"queue already there from an earlier run",
     0,
     ERROR_PRINTER_ALREADY_EXISTS,
     {"The printer already exists.\r\n"},
     TRUE,
     false},
    {"refused without an error code",
     0,
     ERROR_SUCCESS,
     {"The operation completed successfully.\r\n"},
     FALSE,
     false},
    {"refused with an error the system has no text for", 0, 54321, {"错误代码: 54321"}, FALSE, false},
};

TEST_P(Refusals, AreReportedWithTheSystemsTextAlone)
{
    const RefusalCase& refusal = GetParam();
    // An earlier installation left the driver in place.
    platform.installedDrivers.insert(DRIVER_NAME);
    if (refusal.driverError)
        platform.Fail("AddPrinterDriverExA", refusal.driverError);
    if (refusal.printerError || refusal.result == FALSE)
        platform.Fail("AddPrinterA", refusal.printerError);

    EXPECT_EQ(InstallParallelPrinter(platform), refusal.result);
    ASSERT_EQ(Boxes().size(), refusal.boxes.size());
    for (size_t box = 0; box < refusal.boxes.size(); ++box)
        ExpectApplicationBox(box, refusal.boxes[box]);
    EXPECT_EQ(Calls(platform, "ClosePrinter").size(), refusal.closed ? 1u : 0u);
    // The queue was tried whether or not the driver was added.
    EXPECT_EQ(platform.printerRequests.size(), 1u);
    for (const std::string& call : Calls(platform, "FormatMessageA"))
        EXPECT_EQ(call.substr(0, call.find(',')),
                  std::to_string(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS));
}

INSTANTIATE_TEST_SUITE_P(Engine, Refusals, ::testing::ValuesIn(REFUSALS));

TEST_F(ParallelPort, AFailedLookupAddsNothing)
{
    platform.Fail("GetPrinterDriverDirectoryA", ERROR_ACCESS_DENIED);
    EXPECT_FALSE(InstallParallelPrinter(platform));
    EXPECT_EQ(platform.CallNames(),
              (std::vector<std::string>{"GetPrinterDriverDirectoryA", "GetLastError", "FormatMessageA"}));
    ASSERT_EQ(Boxes().size(), 1u);
    ExpectApplicationBox(0, "Access is denied.\r\n");
}

TEST_F(ParallelPort, ADirectoryTooLongForItsPathsAddsNothing)
{
    // 247 characters and "\UNIDRVUI.DLL" need 261 bytes.
    platform.driverDirectory = "C:\\" + std::string(244, 'd');
    EXPECT_FALSE(InstallParallelPrinter(platform));
    EXPECT_TRUE(platform.driverRequests.empty());
    EXPECT_TRUE(platform.printerRequests.empty());
    ASSERT_EQ(Boxes().size(), 1u);
    ExpectApplicationBox(0, "The filename or extension is too long.\r\n");
}

TEST_F(ParallelPort, TheLongestDirectoryThatFitsIsUsedWhole)
{
    platform.driverDirectory = "C:\\" + std::string(243, 'd');
    for (const DriverPackageFile& file : DRIVER_PACKAGE)
        platform.AddFile(InDriverDirectory(file.destinationName), file.destinationName);
    EXPECT_TRUE(InstallParallelPrinter(platform));
    EXPECT_EQ(platform.driverRequests[0].configFile, platform.driverDirectory + "\\UNIDRVUI.DLL");
}

// ---------------------------------------------------------------------------------------------------
// Registration

class Registration : public ParallelPort
{
protected:
    BOOL Register(ConnectionType connection)
    {
        return RegisterPrinter(platform, dialog, connection, platform.driverDirectory.c_str());
    }
    std::string InfPath() const { return platform.driverDirectory + "\\TR-417V.INF"; }
};

// One row per outcome: how plug-and-play and the staging answer, the boxes in order (D: the dialog's box
// without caption, A: the application's box), and the result.
struct OutcomeCase
{
    const char* name;
    bool devicePresent;
    DWORD installError; // 0: as the fake spooler decides
    bool stagingFails;
    std::vector<std::pair<char, std::string>> boxes;
    BOOL result;
};

class Outcomes : public Registration, public ::testing::WithParamInterface<OutcomeCase>
{
};

void PrintTo(const OutcomeCase& c, std::ostream* out) { *out << c.name; }

const std::string INF = "<inf>";

const OutcomeCase OUTCOMES[] = {
    {"printer connected", true, 0, false, {}, TRUE},
    {"no printer, INF staged", false, 0, false, {{'D', MESSAGE_CHECK_USB_CABLE}}, TRUE},
    {"no printer, staging refused", false, 0, true, {{'D', MESSAGE_SETUPINF_FAILED}}, FALSE},
    {"file not found", true, ERROR_FILE_NOT_FOUND, false, {{'D', "ERROR_FILE_NOT_FOUND"}, {'A', INF}}, FALSE},
    {"invalid flags", true, ERROR_INVALID_FLAGS, false, {{'D', "ERROR_INVALID_FLAGS"}, {'A', INF}}, FALSE},
    {"no more items", true, ERROR_NO_MORE_ITEMS, false, {{'D', "ERROR_NO_MORE_ITEMS"}, {'A', INF}}, FALSE},
    {"any other error", true, ERROR_ACCESS_DENIED, false, {{'A', INF}}, FALSE},
};

TEST_P(Outcomes, OfUsbRegistration)
{
    const OutcomeCase& outcome = GetParam();
    if (outcome.devicePresent)
        platform.presentHardwareIds.insert(HARDWARE_ID);
    if (outcome.installError)
        platform.Fail("UpdateDriverForPlugAndPlayDevicesA", outcome.installError);
    if (outcome.stagingFails)
        platform.Fail("SetupCopyOEMInfA", ERROR_ACCESS_DENIED);

    EXPECT_EQ(Register(CONNECTION_USB), outcome.result);

    EXPECT_EQ(Calls(platform, "UpdateDriverForPlugAndPlayDevicesA"),
              std::vector<std::string>{"NULL, USBPRINT\\KasquelinTR-417VD93A, " + InfPath() + ", 1, NULL"});
    const bool staged = !outcome.devicePresent;
    EXPECT_EQ(Calls(platform, "SetupCopyOEMInfA"),
              staged ? std::vector<std::string>{InfPath() + ", NULL, 1, 4, NULL, 0, NULL, NULL"}
                     : std::vector<std::string>{});
    ASSERT_EQ(Boxes().size(), outcome.boxes.size());
    for (size_t box = 0; box < outcome.boxes.size(); ++box)
    {
        const auto& [owner, text] = outcome.boxes[box];
        if (owner == 'A')
            ExpectApplicationBox(box, InfPath());
        else
            ExpectDialogBox(box, text, app.m_pszAppName);
    }
    EXPECT_TRUE(platform.driverRequests.empty());
}

INSTANTIATE_TEST_SUITE_P(Engine, Outcomes, ::testing::ValuesIn(OUTCOMES));

TEST_F(Registration, TheParallelPortUsesNeitherPlugAndPlayNorTheInf)
{
    EXPECT_TRUE(RegisterPrinter(platform, dialog, CONNECTION_PARALLEL, "X:\\not the spooler's"));
    EXPECT_TRUE(Calls(platform, "UpdateDriverForPlugAndPlayDevicesA").empty());
    EXPECT_TRUE(Calls(platform, "SetupCopyOEMInfA").empty());
    // The paths come from the installation's own lookup.
    EXPECT_EQ(platform.driverRequests.at(0).driverPath, platform.driverDirectory + "\\UNIDRV.DLL");
}

TEST_F(Registration, AParallelQueueThatWasRefusedIsAFailure)
{
    platform.Fail("AddPrinterA", ERROR_ACCESS_DENIED);
    EXPECT_FALSE(Register(CONNECTION_PARALLEL));
}

TEST_F(Registration, AnInfPathThatDoesNotFitIsNamedAndNotUsed)
{
    // 248 characters and "\TR-417V.INF" need 261 bytes.
    const std::string directory = "C:\\" + std::string(245, 'd');
    EXPECT_FALSE(RegisterPrinter(platform, dialog, CONNECTION_USB, directory.c_str()));
    EXPECT_TRUE(Calls(platform, "UpdateDriverForPlugAndPlayDevicesA").empty());
    ASSERT_EQ(Boxes().size(), 1u);
    ExpectDialogBox(0, directory + "\\TR-417V.INF", CAPTION_INSTALL_ERROR);
}

TEST_F(Registration, TheLongestInfPathThatFitsIsUsedWhole)
{
    const std::string directory = "C:\\" + std::string(244, 'd');
    platform.AddFile(directory + "\\TR-417V.inf", "inf");
    EXPECT_TRUE(RegisterPrinter(platform, dialog, CONNECTION_USB, directory.c_str()));
    EXPECT_EQ(platform.stagedInfs, std::vector<std::string>{directory + "\\TR-417V.INF"});
}

} // namespace
