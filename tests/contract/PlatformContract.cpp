// What the program relies on of each service of the seam, checked against the fake natively and against
// Wine's real files, spooler and SetupAPI in the Windows build.
#include "ContractWorld.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

constexpr DWORD SENTINEL = 0xDEADBEEF;
constexpr char TEST_DRIVER[] = "TR-417V Contract Driver";
constexpr char TEST_PRINTER[] = "TR-417V Contract Printer";

class PlatformContract : public ::testing::Test
{
protected:
    std::string At(const std::string& name) const { return world->Root() + "\\" + name; }

    std::string DriverDirectory()
    {
        char directory[MAX_PATH] = {};
        DWORD needed = 0;
        EXPECT_TRUE(os.GetPrinterDriverDirectoryA(nullptr, const_cast<LPSTR>("Windows NT x86"), 1,
                                                  reinterpret_cast<LPBYTE>(directory), MAX_PATH, &needed));
        return directory;
    }

    std::unique_ptr<ContractWorld> world = MakeContractWorld();
    Platform& os = world->System();
};

TEST_F(PlatformContract, FilesAndFoldersExistWhateverTheLetterCase)
{
    world->WriteFile(At("TR-417V.INF"), "inf");
    ASSERT_TRUE(os.CreateDirectoryA(At("UNIDRV.HLP").c_str(), nullptr));
    EXPECT_TRUE(os.PathFileExistsA(At("TR-417V.INF").c_str()));
    EXPECT_TRUE(os.PathFileExistsA(At("tr-417v.inf").c_str()));
    EXPECT_TRUE(os.PathFileExistsA(At("UNIDRV.HLP").c_str()));
    EXPECT_FALSE(os.PathFileExistsA(At("UNIRES.DLL").c_str()));
    EXPECT_NE(os.GetFileAttributesA(At("UNIDRV.HLP").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(PlatformContract, ADirectoryIsMadeOneLevelAtATime)
{
    EXPECT_TRUE(os.CreateDirectoryA(At("one").c_str(), nullptr));
    os.SetLastError(SENTINEL);
    EXPECT_FALSE(os.CreateDirectoryA(At("one").c_str(), nullptr));
    EXPECT_EQ(os.GetLastError(), ERROR_ALREADY_EXISTS);
    os.SetLastError(SENTINEL);
    EXPECT_FALSE(os.CreateDirectoryA(At("two\\three").c_str(), nullptr));
    EXPECT_EQ(os.GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(os.PathFileExistsA(At("two").c_str()));
}

TEST_F(PlatformContract, ACopyHasTheSameBytesAndAttributes)
{
    std::string bytes;
    for (int value = 0; value < 256; ++value)
        bytes += static_cast<char>(value);
    world->WriteFile(At("source.dll"), bytes);
    ASSERT_TRUE(
        os.SetFileAttributesA(At("source.dll").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));

    ASSERT_TRUE(os.CopyFileA(At("source.dll").c_str(), At("copy.dll").c_str(), FALSE));
    EXPECT_EQ(world->ReadFile(At("copy.dll")), bytes);
    const DWORD attributes = os.GetFileAttributesA(At("copy.dll").c_str());
    EXPECT_NE(attributes & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_HIDDEN, 0u);

    // Windows then reports FILE_ATTRIBUTE_NORMAL; Wine reports FILE_ATTRIBUTE_ARCHIVE for every plain file.
    // Either way the copy is writable and shown.
    EXPECT_TRUE(os.SetFileAttributesA(At("copy.dll").c_str(), FILE_ATTRIBUTE_NORMAL));
    const DWORD cleared = os.GetFileAttributesA(At("copy.dll").c_str());
    EXPECT_EQ(cleared & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u)
        << cleared;
    EXPECT_NE(cleared, INVALID_FILE_ATTRIBUTES);
    os.SetFileAttributesA(At("source.dll").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(PlatformContract, ACopyNamesWhatIsMissing)
{
    world->WriteFile(At("present.gpd"), "gpd");
    os.SetLastError(SENTINEL);
    EXPECT_FALSE(os.CopyFileA(At("absent.gpd").c_str(), At("copy.gpd").c_str(), FALSE));
    EXPECT_EQ(os.GetLastError(), ERROR_FILE_NOT_FOUND);
    os.SetLastError(SENTINEL);
    EXPECT_FALSE(os.CopyFileA(At("present.gpd").c_str(), At("no folder\\copy.gpd").c_str(), FALSE));
    EXPECT_EQ(os.GetLastError(), ERROR_PATH_NOT_FOUND);
    os.SetLastError(SENTINEL);
    EXPECT_EQ(os.GetFileAttributesA(At("absent.gpd").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(os.GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(PlatformContract, TheSystemsTextForAnErrorIsAllocatedOrCopied)
{
    LPSTR allocated = nullptr;
    const DWORD length = os.FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        ERROR_ACCESS_DENIED, 0, reinterpret_cast<LPSTR>(&allocated), 0, nullptr);
    ASSERT_GT(length, 0u);
    ASSERT_NE(allocated, nullptr);
    EXPECT_EQ(std::strlen(allocated), length);
    EXPECT_EQ(os.LocalFree(allocated), nullptr);

    char buffer[1024] = {};
    EXPECT_GT(os.FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                ERROR_PRINTER_ALREADY_EXISTS, 0, buffer, sizeof buffer, nullptr),
              0u);
    EXPECT_GT(std::strlen(buffer), 0u);
}

TEST_F(PlatformContract, AnErrorCodeWithoutTextGivesNothing)
{
    char buffer[1024] = "untouched";
    os.SetLastError(SENTINEL);
    EXPECT_EQ(os.FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, 54321, 0,
                                buffer, sizeof buffer, nullptr),
              0u);
    EXPECT_EQ(os.GetLastError(), ERROR_MR_MID_NOT_FOUND);
}

TEST_F(PlatformContract, TheDriverDirectoryFitsAndExists)
{
    char directory[MAX_PATH] = {};
    DWORD needed = 0;
    ASSERT_TRUE(os.GetPrinterDriverDirectoryA(nullptr, const_cast<LPSTR>("Windows NT x86"), 1,
                                              reinterpret_cast<LPBYTE>(directory), MAX_PATH, &needed));
    EXPECT_GT(std::strlen(directory), 3u);
    EXPECT_LE(needed, MAX_PATH);
    EXPECT_TRUE(os.PathFileExistsA(directory));

    char tooSmall[4] = {};
    os.SetLastError(SENTINEL);
    EXPECT_FALSE(os.GetPrinterDriverDirectoryA(nullptr, const_cast<LPSTR>("Windows NT x86"), 1,
                                               reinterpret_cast<LPBYTE>(tooSmall), sizeof tooSmall, &needed));
    EXPECT_EQ(os.GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

TEST_F(PlatformContract, AQueueNeedsItsDriverAndIsAddedOnce)
{
    world->ForgetPrinter(TEST_PRINTER, TEST_DRIVER);
    const std::string directory = DriverDirectory();
    for (const char* name : {"TR417VCT.DLL", "TR417VCT.GPD", "TR417VCTUI.DLL", "TR417VCT.HLP"})
        world->WriteFile(directory + "\\" + name, name);

    PRINTER_INFO_2A printer = {};
    printer.pPrinterName = const_cast<LPSTR>(TEST_PRINTER);
    printer.pPortName = const_cast<LPSTR>("LPT1:");
    printer.pDriverName = const_cast<LPSTR>(TEST_DRIVER);
    printer.pPrintProcessor = const_cast<LPSTR>("WinPrint");
    printer.pDatatype = const_cast<LPSTR>("RAW");
    // Windows says ERROR_UNKNOWN_PRINTER_DRIVER, Wine ERROR_INVALID_PARAMETER: a failure with a code.
    os.SetLastError(SENTINEL);
    EXPECT_EQ(os.AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&printer)), nullptr);
    EXPECT_NE(os.GetLastError(), SENTINEL);
    EXPECT_NE(os.GetLastError(), ERROR_SUCCESS);

    const std::string driverPath = directory + "\\TR417VCT.DLL";
    const std::string dataFile = directory + "\\TR417VCT.GPD";
    const std::string configFile = directory + "\\TR417VCTUI.DLL";
    const std::string helpFile = directory + "\\TR417VCT.HLP";
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<LPSTR>(TEST_DRIVER);
    driver.pDriverPath = const_cast<LPSTR>(driverPath.c_str());
    driver.pDataFile = const_cast<LPSTR>(dataFile.c_str());
    driver.pConfigFile = const_cast<LPSTR>(configFile.c_str());
    driver.pHelpFile = const_cast<LPSTR>(helpFile.c_str());
    driver.pDependentFiles = const_cast<LPSTR>("TR417VCT.GPD\0");
    driver.pDefaultDataType = const_cast<LPSTR>("RAW");
    ASSERT_TRUE(os.AddPrinterDriverExA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_ALL_FILES));

    HANDLE handle = os.AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&printer));
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(os.ClosePrinter(handle));
    // Adding the queue again: Windows refuses with ERROR_PRINTER_ALREADY_EXISTS; Wine 8 opens the queue
    // that is there. Both leave the queue in place, which is all an installation run twice relies on.
    os.SetLastError(SENTINEL);
    HANDLE again = os.AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&printer));
    if (again)
        EXPECT_TRUE(os.ClosePrinter(again));
    else
        EXPECT_EQ(os.GetLastError(), ERROR_PRINTER_ALREADY_EXISTS);
    world->ForgetPrinter(TEST_PRINTER, TEST_DRIVER);
}

TEST_F(PlatformContract, AnInfIsStagedForDevicesConnectedLater)
{
    world->WriteFile(At("staged.inf"), "[Version]\r\n"
                                       "Signature=\"$Windows NT$\"\r\n"
                                       "Class=Printer\r\n"
                                       "ClassGUID={4D36E979-E325-11CE-BFC1-08002BE10318}\r\n"
                                       "Provider=%Vendor%\r\n"
                                       "DriverVer=12/11/2026,1.0.0.1\r\n"
                                       "[Strings]\r\n"
                                       "Vendor=\"Contract\"\r\n");
    EXPECT_EQ(os.SetupCopyOEMInfA(At("staged.inf").c_str(), nullptr, SPOST_PATH, SP_COPY_NEWER, nullptr, 0,
                                  nullptr, nullptr),
              TRUE);
    os.SetLastError(SENTINEL);
    EXPECT_FALSE(os.SetupCopyOEMInfA(At("absent.inf").c_str(), nullptr, SPOST_PATH, SP_COPY_NEWER, nullptr, 0,
                                     nullptr, nullptr));
    EXPECT_EQ(os.GetLastError(), ERROR_FILE_NOT_FOUND);
}

} // namespace
