// What an installation leaves on the system, read back through the spooler, the file system and SetupAPI;
// and the clean state every scenario starts from.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e
{

bool RunningUnderWine();

// The spooler's printer driver directory for "Windows NT x86", as the program asks for it.
std::string DriverDirectory();

// The system's text for an error code, as FormatMessageA gives it to the program.
std::string SystemErrorText(DWORD error);

// Takes away everything an installation leaves: the queue, the driver, the package's files in the driver
// directory and in the spooler's version folder under it, INFs staged from the package, and device nodes
// with the printer's hardware ID. Fails, saying what is left, when the system is not clean afterwards.
::testing::AssertionResult ForgetInstallation();

struct QueueRecord
{
    bool found = false;
    std::string name, port, driver, printProcessor, dataType;
};
QueueRecord FindQueue(const char* name);

struct DriverRecord
{
    bool found = false;
    DWORD version = 0;
    std::string name, environment, driverPath, dataFile, configFile, helpFile, defaultDataType;
    std::vector<std::string> dependentFiles;
};
// The driver as EnumPrinterDrivers lists it.
DriverRecord ListedDriver(const char* name);
// The driver of the queue, as GetPrinterDriver gives it.
DriverRecord DriverOfQueue(const char* queue);

bool SameFileName(const std::string& a, const std::string& b);
std::string ReadWholeFile(const std::string& path);
bool FileExists(const std::string& path);
// The names of the files and folders in a folder.
std::vector<std::string> FolderEntries(const std::string& folder);

// INFs in the system's INF folder whose content is the package's INF.
std::vector<std::string> StagedPackageInfs();

// A device node with the printer's USB hardware ID, as plugging the printer in would make.
::testing::AssertionResult AddPrinterDeviceNode();
// The driver keys of the device nodes with the printer's hardware ID (empty strings for none bound).
std::vector<std::string> PrinterDeviceNodeDrivers();

// The number of GDI objects the process holds: GetGuiResources where the system counts them; under Wine,
// which does not, the live objects of the process's GDI handle table.
::testing::AssertionResult CountGdiObjects(HANDLE process, DWORD& count);

// On a display without a window manager, Wine waits two seconds for every hidden window of a program
// whose windows it does not manage itself (each closed message box, and the dialog at the end). While
// the object lives, Wine manages the windows of the program of that file name; keys made for it are
// taken away afterwards, and a value that was there is put back.
class ManagedByWine
{
public:
    explicit ManagedByWine(const std::string& exeName);
    ~ManagedByWine();
    ManagedByWine(const ManagedByWine&) = delete;
    ManagedByWine& operator=(const ManagedByWine&) = delete;

private:
    HKEY m_key = nullptr;
    std::string m_created;
    bool m_hadValue = false;
    std::string m_previous;
};

} // namespace e2e
