// The printer driver and the printer queue on the first parallel port, added to the local spooler.
#include "Engine.h"
#include "Package.h"
#include "Paths.h"
#include "Texts.h"

#include <ui/App.h>

#include <cstdio>

namespace engine
{

namespace
{
// The system's text for the error alone, in a box captioned with the program's name.
void ReportSpoolerError(Platform& platform, DWORD error)
{
    char text[1024] = {};
    if (platform.FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                text, sizeof text, nullptr) == 0)
    {
        std::snprintf(text, sizeof text, ERROR_CODE_FORMAT, static_cast<unsigned long>(error));
    }
    AfxMessageBox(text, MB_OK, 0);
}

bool ComposePath(char (&path)[MAX_PATH], const char* directory, const char* suffix)
{
    return AppendToPath(path, directory) && AppendToPath(path, suffix);
}
} // namespace

BOOL InstallParallelPrinter(Platform& platform)
{
    char directory[MAX_PATH] = {};
    DWORD needed = 0;
    if (!platform.GetPrinterDriverDirectoryA(nullptr, const_cast<LPSTR>(DRIVER_ENVIRONMENT), 1,
                                             reinterpret_cast<LPBYTE>(directory), MAX_PATH, &needed))
    {
        ReportSpoolerError(platform, platform.GetLastError());
        return FALSE;
    }

    char driverPath[MAX_PATH] = {};
    char dataFile[MAX_PATH] = {};
    char configFile[MAX_PATH] = {};
    char helpFile[MAX_PATH] = {};
    if (!ComposePath(driverPath, directory, DRIVER_PATH_SUFFIX) ||
        !ComposePath(dataFile, directory, DATA_FILE_SUFFIX) ||
        !ComposePath(configFile, directory, CONFIG_FILE_SUFFIX) ||
        !ComposePath(helpFile, directory, HELP_FILE_SUFFIX))
    {
        ReportSpoolerError(platform, ERROR_FILENAME_EXCED_RANGE);
        return FALSE;
    }

    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<LPSTR>(DRIVER_NAME);
    driver.pEnvironment = nullptr;
    driver.pDriverPath = driverPath;
    driver.pDataFile = dataFile;
    driver.pConfigFile = configFile;
    driver.pHelpFile = helpFile;
    driver.pDependentFiles = const_cast<LPSTR>(DEPENDENT_FILES);
    driver.pMonitorName = nullptr;
    driver.pDefaultDataType = const_cast<LPSTR>(DATA_TYPE);
    platform.SetLastError(ERROR_SUCCESS);
    // A refused driver is reported but is no failure: the queue can use a driver installed earlier.
    if (!platform.AddPrinterDriverExA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver), APD_COPY_ALL_FILES))
        ReportSpoolerError(platform, platform.GetLastError());

    PRINTER_INFO_2A printer = {};
    printer.pServerName = nullptr;
    printer.pPrinterName = const_cast<LPSTR>(PRINTER_NAME);
    printer.pPortName = const_cast<LPSTR>(PORT_NAME);
    printer.pDriverName = const_cast<LPSTR>(DRIVER_NAME);
    printer.pPrintProcessor = const_cast<LPSTR>(PRINT_PROCESSOR);
    printer.pDatatype = const_cast<LPSTR>(DATA_TYPE);
    platform.SetLastError(ERROR_SUCCESS);
    HANDLE handle = platform.AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&printer));
    if (!handle)
    {
        const DWORD error = platform.GetLastError();
        ReportSpoolerError(platform, error);
        // Setup run again on the same system finds the queue in place.
        return error == ERROR_PRINTER_ALREADY_EXISTS ? TRUE : FALSE;
    }
    platform.ClosePrinter(handle);
    return TRUE;
}

} // namespace engine
