#include "SystemState.h"

#include "WizardDriver.h"

#include <engine/Package.h>

#include <setupapi.h>
#include <winspool.h>
#include <winternl.h>

#include <cstring>
#include <fstream>
#include <sstream>

namespace e2e
{

namespace
{
// The Printer device setup class.
const GUID PRINTER_CLASS = {0x4d36e979, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

std::string Str(const char* text) { return text ? text : ""; }

DriverRecord RecordOf(const DRIVER_INFO_3A& info)
{
    DriverRecord record;
    record.found = true;
    record.version = info.cVersion;
    record.name = Str(info.pName);
    record.environment = Str(info.pEnvironment);
    record.driverPath = Str(info.pDriverPath);
    record.dataFile = Str(info.pDataFile);
    record.configFile = Str(info.pConfigFile);
    record.helpFile = Str(info.pHelpFile);
    record.defaultDataType = Str(info.pDefaultDataType);
    for (const char* file = info.pDependentFiles; file && *file; file += std::strlen(file) + 1)
        record.dependentFiles.push_back(file);
    return record;
}

std::string WindowsInfFolder()
{
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\inf";
}

bool HasHardwareId(HDEVINFO set, SP_DEVINFO_DATA& device)
{
    char ids[1024] = {};
    DWORD type = 0;
    if (!::SetupDiGetDeviceRegistryPropertyA(set, &device, SPDRP_HARDWAREID, &type,
                                             reinterpret_cast<BYTE*>(ids), sizeof ids - 2, nullptr))
        return false;
    for (const char* id = ids; *id; id += std::strlen(id) + 1)
    {
        if (_stricmp(id, HARDWARE_ID) == 0)
            return true;
    }
    return false;
}

// Calls what for every device node with the printer's hardware ID.
template <typename What>
void ForEachPrinterDeviceNode(What what)
{
    HDEVINFO set = ::SetupDiGetClassDevsA(nullptr, nullptr, nullptr, DIGCF_ALLCLASSES);
    if (set == INVALID_HANDLE_VALUE)
        return;
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof device;
    for (DWORD index = 0; ::SetupDiEnumDeviceInfo(set, index, &device); ++index)
    {
        if (HasHardwareId(set, device))
            what(set, device);
    }
    ::SetupDiDestroyDeviceInfoList(set);
}

void DeleteQueue()
{
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (::OpenPrinterA(const_cast<LPSTR>(PRINTER_NAME), &printer, &access))
    {
        ::DeletePrinter(printer);
        ::ClosePrinter(printer);
    }
}

// Wine's GDI handle table (include/ntgdi.h): one 24-byte entry per handle; a live entry has a type, and
// the top bit of its unique byte marks a stock object.
#pragma pack(push, 1)
struct WineGdiEntry
{
    unsigned long long object;
    ULONG owner;
    unsigned char extTypeAndStock;
    unsigned char generation;
    unsigned char type;
    unsigned char flags;
    unsigned long long userPointer;
};
#pragma pack(pop)
static_assert(sizeof(WineGdiEntry) == 24, "Wine's GDI_HANDLE_ENTRY");
constexpr size_t WINE_GDI_HANDLE_COUNT = 0x10000;
// Where a 32-bit PEB keeps the address of the GDI handle table.
constexpr size_t PEB_GDI_SHARED_HANDLE_TABLE = 0x94;

::testing::AssertionResult CountWineGdiObjects(HANDLE process, DWORD& count)
{
    using QueryInformationProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<QueryInformationProcess>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic = {};
    ULONG length = 0;
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0)
        return ::testing::AssertionFailure() << "NtQueryInformationProcess gave no PEB";
    DWORD table = 0;
    SIZE_T read = 0;
    if (!::ReadProcessMemory(
            process, reinterpret_cast<const char*>(basic.PebBaseAddress) + PEB_GDI_SHARED_HANDLE_TABLE,
            &table, sizeof table, &read) ||
        !table)
        return ::testing::AssertionFailure() << "the PEB names no GDI handle table";
    std::vector<WineGdiEntry> entries(WINE_GDI_HANDLE_COUNT);
    if (!::ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<ULONG_PTR>(table)),
                             entries.data(), entries.size() * sizeof(WineGdiEntry), &read))
        return ::testing::AssertionFailure()
               << "the GDI handle table could not be read: error " << ::GetLastError();
    count = 0;
    for (const WineGdiEntry& entry : entries)
    {
        if (entry.type != 0 && !(entry.extTypeAndStock & 0x80))
            ++count;
    }
    return ::testing::AssertionSuccess();
}
} // namespace

bool RunningUnderWine()
{
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

std::string DriverDirectory()
{
    char directory[MAX_PATH] = {};
    DWORD needed = 0;
    if (!::GetPrinterDriverDirectoryA(nullptr, const_cast<LPSTR>(DRIVER_ENVIRONMENT), 1,
                                      reinterpret_cast<LPBYTE>(directory), MAX_PATH, &needed))
        return std::string();
    return directory;
}

std::string SystemErrorText(DWORD error)
{
    LPSTR text = nullptr;
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                              FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, error, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string result = length && text ? std::string(text, length) : std::string();
    if (text)
        ::LocalFree(text);
    return result;
}

bool SameFileName(const std::string& a, const std::string& b) { return _stricmp(a.c_str(), b.c_str()) == 0; }

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
    return names;
}

QueueRecord FindQueue(const char* name)
{
    QueueRecord record;
    DWORD needed = 0;
    DWORD count = 0;
    ::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed + 1);
    if (!needed || !::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count))
        return record;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
    {
        if (printers[i].pPrinterName && std::strcmp(printers[i].pPrinterName, name) == 0)
        {
            record.found = true;
            record.name = Str(printers[i].pPrinterName);
            record.port = Str(printers[i].pPortName);
            record.driver = Str(printers[i].pDriverName);
            record.printProcessor = Str(printers[i].pPrintProcessor);
            record.dataType = Str(printers[i].pDatatype);
        }
    }
    return record;
}

DriverRecord ListedDriver(const char* name)
{
    DWORD needed = 0;
    DWORD count = 0;
    LPSTR environment = const_cast<LPSTR>(DRIVER_ENVIRONMENT);
    ::EnumPrinterDriversA(nullptr, environment, 3, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed + 1);
    if (!needed || !::EnumPrinterDriversA(nullptr, environment, 3, buffer.data(), needed, &needed, &count))
        return DriverRecord();
    const auto* drivers = reinterpret_cast<const DRIVER_INFO_3A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
    {
        if (drivers[i].pName && std::strcmp(drivers[i].pName, name) == 0)
            return RecordOf(drivers[i]);
    }
    return DriverRecord();
}

DriverRecord DriverOfQueue(const char* queue)
{
    DriverRecord record;
    HANDLE printer = nullptr;
    if (!::OpenPrinterA(const_cast<LPSTR>(queue), &printer, nullptr))
        return record;
    LPSTR environment = const_cast<LPSTR>(DRIVER_ENVIRONMENT);
    DWORD needed = 0;
    ::GetPrinterDriverA(printer, environment, 3, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed + 1);
    if (needed && ::GetPrinterDriverA(printer, environment, 3, buffer.data(), needed, &needed))
        record = RecordOf(*reinterpret_cast<const DRIVER_INFO_3A*>(buffer.data()));
    ::ClosePrinter(printer);
    return record;
}

std::vector<std::string> StagedPackageInfs()
{
    const std::string package = ReadWholeFile(PackageFile("TR-417V.inf"));
    std::vector<std::string> staged;
    const std::string folder = WindowsInfFolder();
    for (const std::string& name : FolderEntries(folder))
    {
        const std::string path = folder + "\\" + name;
        if (name.size() > 4 && SameFileName(name.substr(name.size() - 4), ".inf") &&
            ReadWholeFile(path) == package)
            staged.push_back(path);
    }
    return staged;
}

::testing::AssertionResult AddPrinterDeviceNode()
{
    HDEVINFO set = ::SetupDiCreateDeviceInfoList(&PRINTER_CLASS, nullptr);
    if (set == INVALID_HANDLE_VALUE)
        return ::testing::AssertionFailure()
               << "SetupDiCreateDeviceInfoList failed: error " << ::GetLastError();
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof device;
    // The hardware ID as a REG_MULTI_SZ: the ID, its NUL and the list's closing NUL.
    std::string ids = std::string(HARDWARE_ID) + '\0' + '\0';
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    if (!::SetupDiCreateDeviceInfoA(set, "PRINTER", &PRINTER_CLASS, nullptr, nullptr, DICD_GENERATE_ID,
                                    &device))
        result = ::testing::AssertionFailure()
                 << "SetupDiCreateDeviceInfoA failed: error " << ::GetLastError();
    else if (!::SetupDiSetDeviceRegistryPropertyA(set, &device, SPDRP_HARDWAREID,
                                                  reinterpret_cast<const BYTE*>(ids.data()),
                                                  static_cast<DWORD>(ids.size())))
        result = ::testing::AssertionFailure()
                 << "SPDRP_HARDWAREID could not be set: error " << ::GetLastError();
    else if (!::SetupDiCallClassInstaller(DIF_REGISTERDEVICE, set, &device))
        result = ::testing::AssertionFailure() << "DIF_REGISTERDEVICE failed: error " << ::GetLastError();
    ::SetupDiDestroyDeviceInfoList(set);
    if (result && PrinterDeviceNodeDrivers().size() != 1)
        result = ::testing::AssertionFailure() << "the device node was registered but is not listed";
    return result;
}

std::vector<std::string> PrinterDeviceNodeDrivers()
{
    std::vector<std::string> drivers;
    ForEachPrinterDeviceNode([&](HDEVINFO set, SP_DEVINFO_DATA& device) {
        char key[256] = {};
        DWORD type = 0;
        ::SetupDiGetDeviceRegistryPropertyA(set, &device, SPDRP_DRIVER, &type, reinterpret_cast<BYTE*>(key),
                                            sizeof key - 1, nullptr);
        drivers.push_back(key);
    });
    return drivers;
}

::testing::AssertionResult ForgetInstallation()
{
    DeleteQueue();
    // The spooler may refuse while something uses the driver; a second attempt follows the queue's removal.
    for (int attempt = 0; attempt < 2; ++attempt)
        ::DeletePrinterDriverA(nullptr, const_cast<LPSTR>(DRIVER_ENVIRONMENT),
                               const_cast<LPSTR>(DRIVER_NAME));

    const std::string directory = DriverDirectory();
    if (directory.empty())
        return ::testing::AssertionFailure() << "the spooler names no printer driver directory";
    std::vector<std::string> folders = {directory, directory + "\\3"};
    for (const std::string& folder : folders)
    {
        for (const DriverPackageFile& file : DRIVER_PACKAGE)
        {
            const std::string path = folder + "\\" + file.destinationName;
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileA(path.c_str());
        }
    }

    for (const std::string& inf : StagedPackageInfs())
    {
        const std::string name = inf.substr(inf.find_last_of('\\') + 1);
        if (!::SetupUninstallOEMInfA(name.c_str(), SUOI_FORCEDELETE, nullptr))
        {
            ::DeleteFileA(inf.c_str());
            ::DeleteFileA((inf.substr(0, inf.size() - 4) + ".pnf").c_str());
        }
    }

    ForEachPrinterDeviceNode([](HDEVINFO set, SP_DEVINFO_DATA& device) {
        if (!::SetupDiCallClassInstaller(DIF_REMOVE, set, &device))
            ::SetupDiRemoveDevice(set, &device);
    });

    // What is left, if anything.
    std::ostringstream left;
    if (FindQueue(PRINTER_NAME).found)
        left << " the queue \"" << PRINTER_NAME << "\";";
    if (ListedDriver(DRIVER_NAME).found)
        left << " the driver \"" << DRIVER_NAME << "\";";
    for (const std::string& folder : folders)
    {
        for (const DriverPackageFile& file : DRIVER_PACKAGE)
        {
            if (FileExists(folder + "\\" + file.destinationName))
                left << " " << folder << "\\" << file.destinationName << ";";
        }
    }
    for (const std::string& inf : StagedPackageInfs())
        left << " the staged INF " << inf << ";";
    if (!PrinterDeviceNodeDrivers().empty())
        left << " a device node with the hardware ID " << HARDWARE_ID << ";";
    if (!left.str().empty())
        return ::testing::AssertionFailure() << "the system could not be made clean; left:" << left.str();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult CountGdiObjects(HANDLE process, DWORD& count)
{
    ::SetLastError(ERROR_SUCCESS);
    count = ::GetGuiResources(process, GR_GDIOBJECTS);
    if (count != 0)
        return ::testing::AssertionSuccess();
    const DWORD error = ::GetLastError();
    if (error == ERROR_CALL_NOT_IMPLEMENTED && RunningUnderWine())
        return CountWineGdiObjects(process, count);
    return ::testing::AssertionFailure() << "GetGuiResources counted no GDI objects: error " << error;
}

namespace
{
constexpr char MANAGED_VALUE[] = "Managed";
}

ManagedByWine::ManagedByWine(const std::string& exeName)
{
    const std::string appDefaults = "Software\\Wine\\AppDefaults";
    const std::string path = appDefaults + "\\" + exeName + "\\X11 Driver";
    for (const std::string& key : {appDefaults, appDefaults + "\\" + exeName, path})
    {
        HKEY existing = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &existing) == ERROR_SUCCESS)
            ::RegCloseKey(existing);
        else if (m_created.empty())
            m_created = key;
    }
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                          &m_key, nullptr) != ERROR_SUCCESS)
    {
        m_key = nullptr;
        return;
    }
    char value[16] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    m_hadValue = ::RegQueryValueExA(m_key, MANAGED_VALUE, nullptr, &type, reinterpret_cast<BYTE*>(value),
                                    &size) == ERROR_SUCCESS &&
                 type == REG_SZ;
    m_previous = m_hadValue ? value : "";
    ::RegSetValueExA(m_key, MANAGED_VALUE, 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
}

ManagedByWine::~ManagedByWine()
{
    if (!m_key)
        return;
    if (m_hadValue)
        ::RegSetValueExA(m_key, MANAGED_VALUE, 0, REG_SZ, reinterpret_cast<const BYTE*>(m_previous.c_str()),
                         static_cast<DWORD>(m_previous.size() + 1));
    else
        ::RegDeleteValueA(m_key, MANAGED_VALUE);
    ::RegCloseKey(m_key);
    if (!m_created.empty())
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_created.c_str());
}

} // namespace e2e
