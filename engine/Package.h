// The driver package the program installs, and the names by which Windows knows the printer.
#pragma once

#include <iterator>

// One file of the package: where it lies, relative to the current directory, and the name it takes in
// the printer driver directory.
struct DriverPackageFile
{
    const char* sourcePath;
    const char* destinationName;
};

// The order is the order of the check (it decides which missing file is named), of copying and of the
// progress bar's steps.
constexpr DriverPackageFile DRIVER_PACKAGE[] = {
    {".\\driver\\TR-417V.inf", "TR-417V.inf"}, {".\\driver\\TR-417V.dll", "TR-417V.dll"},
    {".\\driver\\TR-417V.gpd", "TR-417V.gpd"}, {".\\driver\\UNIDRV.DLL", "UNIDRV.DLL"},
    {".\\driver\\UNIDRV.HLP", "UNIDRV.HLP"},   {".\\driver\\UNIDRVUI.DLL", "UNIDRVUI.DLL"},
    {".\\driver\\UNIRES.DLL", "UNIRES.DLL"},   {".\\driver\\STDNAMES.GPD", "STDNAMES.GPD"},
};
constexpr int DRIVER_PACKAGE_SIZE = static_cast<int>(std::size(DRIVER_PACKAGE));

constexpr char DRIVER_NAME[] = "TR-417V";
constexpr char PRINTER_NAME[] = "KQ TR-417V LPT1";
constexpr char PORT_NAME[] = "LPT1:";
constexpr char PRINT_PROCESSOR[] = "WinPrint";
constexpr char DATA_TYPE[] = "RAW";
constexpr char DRIVER_ENVIRONMENT[] = "Windows NT x86";
constexpr char HARDWARE_ID[] = "USBPRINT\\KasquelinTR-417VD93A";

// Appended to the driver directory: the copied files as the driver record and the USB installation name
// them. Windows compares file names without regard to case, so they name the manifest's files.
constexpr char INF_SUFFIX[] = "\\TR-417V.INF";
constexpr char DRIVER_PATH_SUFFIX[] = "\\UNIDRV.DLL";
constexpr char DATA_FILE_SUFFIX[] = "\\TR-417V.GPD";
constexpr char CONFIG_FILE_SUFFIX[] = "\\UNIDRVUI.DLL";
constexpr char HELP_FILE_SUFFIX[] = "\\UNIDRV.HLP";

// The driver's dependent files: each name ended by a NUL, and one more NUL after the last.
constexpr char DEPENDENT_FILES[] = "UNIRES.DLL\0TR-417V.GPD\0STDNAMES.GPD\0TR-417V.DLL\0";
static_assert(sizeof(DEPENDENT_FILES) == 49, "four names, their NULs and the closing NUL");
