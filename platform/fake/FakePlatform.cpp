#include "FakePlatform.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>

namespace
{
constexpr DWORD ERROR_FILE_EXISTS = 80;
constexpr DWORD ERROR_INVALID_LEVEL = 124;
constexpr DWORD ERROR_UNKNOWN_PORT = 1796;
constexpr DWORD ERROR_INVALID_ENVIRONMENT = 1805;

std::string Text(LPCSTR text) { return text ? std::string(text) : std::string("NULL"); }

std::string Pointer(const void* pointer) { return pointer ? "ptr" : "NULL"; }

std::optional<std::string> Optional(LPCSTR text)
{
    return text ? std::optional<std::string>(text) : std::nullopt;
}

// A multi-string up to and including the empty string that ends it.
std::optional<std::string> MultiString(LPCSTR text)
{
    if (!text)
        return std::nullopt;
    const char* end = text;
    while (*end)
        end += std::strlen(end) + 1;
    return std::string(text, end + 1);
}

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}
} // namespace

FakePlatform::FakePlatform()
{
    AddDirectory(currentDirectory);
    AddDirectory(driverDirectory);
    systemTexts = {
        {ERROR_SUCCESS, "The operation completed successfully.\r\n"},
        {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified.\r\n"},
        {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified.\r\n"},
        {ERROR_ACCESS_DENIED, "Access is denied.\r\n"},
        {ERROR_DISK_FULL, "There is not enough space on the disk.\r\n"},
        {ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long.\r\n"},
        {ERROR_UNKNOWN_PRINTER_DRIVER, "The printer driver is unknown.\r\n"},
        {ERROR_PRINTER_ALREADY_EXISTS, "The printer already exists.\r\n"},
        // A text with insert sequences, as some system texts have.
        {34,
         "The wrong diskette is in the drive.\r\nInsert %2 (Volume Serial Number: %3) into drive %1.\r\n"},
    };
}

FakePlatform::~FakePlatform()
{
    for (char* allocation : m_allocations)
        delete[] allocation;
}

std::vector<std::string> FakePlatform::CallNames() const
{
    std::vector<std::string> names;
    for (const Call& call : calls)
        names.push_back(call.function);
    return names;
}

void FakePlatform::Fail(const std::string& function, DWORD error, int occurrence)
{
    m_rules.push_back({function, occurrence, 0, false, error});
}

void FakePlatform::FailAlways(const std::string& function, DWORD error)
{
    m_rules.push_back({function, 0, 0, false, error});
}

void FakePlatform::FailCallNumber(size_t index, DWORD error)
{
    m_rules.push_back({"", 0, index, true, error});
}

bool FakePlatform::CanFail(const std::string& function)
{
    return function != "Sleep" && function != "GetLastError" && function != "SetLastError" &&
           function != "LocalFree";
}

// Counts the call and tells whether a rule makes it fail; if so, the rule's error is the last error.
bool FakePlatform::ShouldFail(const std::string& function)
{
    const int occurrence = ++m_callCounts[function];
    const size_t number = m_failableCalls++;
    for (const Rule& rule : m_rules)
    {
        const bool matches = rule.byNumber ? rule.callNumber == number
                                           : rule.function == function &&
                                                 (rule.occurrence == 0 || rule.occurrence == occurrence);
        if (matches)
        {
            m_lastError = rule.error;
            return true;
        }
    }
    return false;
}

// --- The file system ---

// Paths compare without regard to letter case, relative ones from the current directory.
std::string FakePlatform::Key(const std::string& path) const
{
    std::string full = path;
    std::replace(full.begin(), full.end(), '/', '\\');
    if (full.rfind(".\\", 0) == 0)
        full = currentDirectory + full.substr(1);
    else if (full.size() < 2 || full[1] != ':')
        full = currentDirectory + "\\" + full;
    while (full.size() > 3 && full.back() == '\\')
        full.pop_back();
    return Upper(full);
}

std::string FakePlatform::Parent(const std::string& key) const
{
    const size_t slash = key.rfind('\\');
    return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

void FakePlatform::AddDirectory(const std::string& path)
{
    std::string key = Key(path);
    // Every directory on the way exists too.
    for (size_t slash = key.find('\\'); slash != std::string::npos; slash = key.find('\\', slash + 1))
    {
        const std::string ancestor = key.substr(0, slash);
        if (ancestor.size() > 2)
            m_nodes.emplace(ancestor, Node{ancestor, true, FILE_ATTRIBUTE_DIRECTORY, ""});
    }
    m_nodes[key] = Node{path, true, FILE_ATTRIBUTE_DIRECTORY, ""};
}

void FakePlatform::AddFile(const std::string& path, const std::string& content, DWORD attributes)
{
    const std::string key = Key(path);
    AddDirectory(Parent(key));
    m_nodes[key] = Node{path, false, attributes, content};
}

void FakePlatform::Remove(const std::string& path) { m_nodes.erase(Key(path)); }

const FakePlatform::Node* FakePlatform::Find(const std::string& path) const
{
    const auto found = m_nodes.find(Key(path));
    return found == m_nodes.end() ? nullptr : &found->second;
}

BOOL FakePlatform::PathFileExistsA(LPCSTR path)
{
    calls.push_back({"PathFileExistsA", {Text(path)}});
    if (ShouldFail("PathFileExistsA"))
        return FALSE;
    if (!path || !*path || !Find(path))
    {
        m_lastError = ERROR_FILE_NOT_FOUND;
        return FALSE;
    }
    return TRUE;
}

BOOL FakePlatform::CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security)
{
    calls.push_back({"CreateDirectoryA", {Text(path), Pointer(security)}});
    if (ShouldFail("CreateDirectoryA"))
        return FALSE;
    if (!path || !*path)
    {
        m_lastError = ERROR_PATH_NOT_FOUND;
        return FALSE;
    }
    const std::string key = Key(path);
    if (m_nodes.count(key))
    {
        m_lastError = ERROR_ALREADY_EXISTS;
        return FALSE;
    }
    // One level only: the parent must exist already.
    const auto parent = m_nodes.find(Parent(key));
    if (parent == m_nodes.end() || !parent->second.directory)
    {
        m_lastError = ERROR_PATH_NOT_FOUND;
        return FALSE;
    }
    m_nodes[key] = Node{path, true, FILE_ATTRIBUTE_DIRECTORY, ""};
    return TRUE;
}

BOOL FakePlatform::CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists)
{
    calls.push_back({"CopyFileA", {Text(existingFile), Text(newFile), std::to_string(failIfExists)}});
    if (ShouldFail("CopyFileA"))
        return FALSE;
    const Node* source = existingFile && *existingFile ? Find(existingFile) : nullptr;
    if (!source)
    {
        m_lastError = ERROR_FILE_NOT_FOUND;
        return FALSE;
    }
    if (source->directory)
    {
        m_lastError = ERROR_ACCESS_DENIED;
        return FALSE;
    }
    const std::string key = Key(newFile);
    const auto parent = m_nodes.find(Parent(key));
    if (parent == m_nodes.end() || !parent->second.directory)
    {
        m_lastError = ERROR_PATH_NOT_FOUND;
        return FALSE;
    }
    const auto target = m_nodes.find(key);
    if (target != m_nodes.end())
    {
        if (failIfExists)
        {
            m_lastError = ERROR_FILE_EXISTS;
            return FALSE;
        }
        if (target->second.directory || (target->second.attributes & FILE_ATTRIBUTE_READONLY))
        {
            m_lastError = ERROR_ACCESS_DENIED;
            return FALSE;
        }
    }
    // The copy takes the source's attributes and is marked for archiving.
    const DWORD attributes = (source->attributes & ~FILE_ATTRIBUTE_NORMAL) | FILE_ATTRIBUTE_ARCHIVE;
    m_nodes[key] = Node{newFile, false, attributes, source->content};
    return TRUE;
}

DWORD FakePlatform::GetFileAttributesA(LPCSTR path)
{
    calls.push_back({"GetFileAttributesA", {Text(path)}});
    if (ShouldFail("GetFileAttributesA"))
        return INVALID_FILE_ATTRIBUTES;
    const Node* node = path && *path ? Find(path) : nullptr;
    if (!node)
    {
        m_lastError = ERROR_FILE_NOT_FOUND;
        return INVALID_FILE_ATTRIBUTES;
    }
    return node->attributes ? node->attributes : FILE_ATTRIBUTE_NORMAL;
}

BOOL FakePlatform::SetFileAttributesA(LPCSTR path, DWORD attributes)
{
    calls.push_back({"SetFileAttributesA", {Text(path), std::to_string(attributes)}});
    if (ShouldFail("SetFileAttributesA"))
        return FALSE;
    const auto node = path ? m_nodes.find(Key(path)) : m_nodes.end();
    if (node == m_nodes.end())
    {
        m_lastError = ERROR_FILE_NOT_FOUND;
        return FALSE;
    }
    node->second.attributes = attributes | (node->second.directory ? FILE_ATTRIBUTE_DIRECTORY : 0);
    return TRUE;
}

void FakePlatform::Sleep(DWORD milliseconds)
{
    calls.push_back({"Sleep", {std::to_string(milliseconds)}});
    sleeps.push_back(milliseconds);
}

// --- The spooler ---

BOOL FakePlatform::GetPrinterDriverDirectoryA(LPSTR server, LPSTR environment, DWORD level, LPBYTE directory,
                                              DWORD size, LPDWORD needed)
{
    calls.push_back(
        {"GetPrinterDriverDirectoryA",
         {Text(server), Text(environment), std::to_string(level), std::to_string(size), Pointer(needed)}});
    if (ShouldFail("GetPrinterDriverDirectoryA"))
    {
        // What a failed lookup leaves in the buffer is not defined: no text and no terminating NUL.
        std::memset(directory, 0xCC, size);
        return FALSE;
    }
    if (!environment || Upper(environment) != "WINDOWS NT X86")
    {
        m_lastError = ERROR_INVALID_ENVIRONMENT;
        return FALSE;
    }
    if (level != 1)
    {
        m_lastError = ERROR_INVALID_LEVEL;
        return FALSE;
    }
    const DWORD length = static_cast<DWORD>(driverDirectory.size() + 1);
    if (needed)
        *needed = length;
    if (size < length)
    {
        m_lastError = ERROR_INSUFFICIENT_BUFFER;
        return FALSE;
    }
    std::memcpy(directory, driverDirectory.c_str(), length);
    return TRUE;
}

BOOL FakePlatform::AddPrinterDriverExA(LPSTR server, DWORD level, LPBYTE driverInfo, DWORD copyFlags)
{
    calls.push_back({"AddPrinterDriverExA",
                     {Text(server), std::to_string(level), Pointer(driverInfo), std::to_string(copyFlags)}});
    const auto* info = reinterpret_cast<const DRIVER_INFO_3A*>(driverInfo);
    if (level == 3 && info)
    {
        driverRequests.push_back({level, info->cVersion, Optional(info->pName), Optional(info->pEnvironment),
                                  Optional(info->pDriverPath), Optional(info->pDataFile),
                                  Optional(info->pConfigFile), Optional(info->pHelpFile),
                                  MultiString(info->pDependentFiles), Optional(info->pMonitorName),
                                  Optional(info->pDefaultDataType), copyFlags});
    }
    if (ShouldFail("AddPrinterDriverExA"))
        return FALSE;
    if (level != 3 || !info || !info->pName)
    {
        m_lastError = ERROR_INVALID_PARAMETER;
        return FALSE;
    }
    // The spooler copies the files it is given; each must be there.
    for (LPCSTR file : {info->pDriverPath, info->pDataFile, info->pConfigFile, info->pHelpFile})
    {
        if (!file || !Find(file))
        {
            m_lastError = ERROR_FILE_NOT_FOUND;
            return FALSE;
        }
    }
    installedDrivers.insert(info->pName);
    return TRUE;
}

HANDLE FakePlatform::AddPrinterA(LPSTR server, DWORD level, LPBYTE printerInfo)
{
    calls.push_back({"AddPrinterA", {Text(server), std::to_string(level), Pointer(printerInfo)}});
    const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(printerInfo);
    if (level == 2 && info)
    {
        printerRequests.push_back({level,
                                   Optional(info->pServerName),
                                   Optional(info->pPrinterName),
                                   Optional(info->pShareName),
                                   Optional(info->pPortName),
                                   Optional(info->pDriverName),
                                   Optional(info->pComment),
                                   Optional(info->pLocation),
                                   Optional(info->pSepFile),
                                   Optional(info->pPrintProcessor),
                                   Optional(info->pDatatype),
                                   Optional(info->pParameters),
                                   info->pDevMode == nullptr,
                                   info->pSecurityDescriptor == nullptr,
                                   info->Attributes,
                                   info->Priority,
                                   info->DefaultPriority,
                                   info->StartTime,
                                   info->UntilTime,
                                   info->Status,
                                   info->cJobs,
                                   info->AveragePPM});
    }
    if (ShouldFail("AddPrinterA"))
        return nullptr;
    if (level != 2 || !info || !info->pPrinterName || !info->pDriverName || !info->pPortName)
    {
        m_lastError = ERROR_INVALID_PARAMETER;
        return nullptr;
    }
    if (printers.count(info->pPrinterName))
    {
        m_lastError = ERROR_PRINTER_ALREADY_EXISTS;
        return nullptr;
    }
    if (!installedDrivers.count(info->pDriverName))
    {
        m_lastError = ERROR_UNKNOWN_PRINTER_DRIVER;
        return nullptr;
    }
    if (Upper(info->pPortName) != "LPT1:")
    {
        m_lastError = ERROR_UNKNOWN_PORT;
        return nullptr;
    }
    printers[info->pPrinterName] = printerRequests.back();
    HANDLE handle = reinterpret_cast<HANDLE>(m_nextPrinterHandle += 4);
    openPrinters.insert(handle);
    return handle;
}

BOOL FakePlatform::ClosePrinter(HANDLE printer)
{
    calls.push_back({"ClosePrinter", {Pointer(printer)}});
    if (ShouldFail("ClosePrinter"))
        return FALSE;
    if (openPrinters.erase(printer) == 0)
    {
        m_lastError = ERROR_INVALID_HANDLE;
        return FALSE;
    }
    return TRUE;
}

// --- Devices ---

BOOL FakePlatform::UpdateDriverForPlugAndPlayDevicesA(HWND parent, LPCSTR hardwareId, LPCSTR infPath,
                                                      DWORD installFlags, PBOOL rebootRequired)
{
    calls.push_back({"UpdateDriverForPlugAndPlayDevicesA",
                     {Pointer(parent), Text(hardwareId), Text(infPath), std::to_string(installFlags),
                      Pointer(rebootRequired)}});
    if (ShouldFail("UpdateDriverForPlugAndPlayDevicesA"))
        return FALSE;
    if (!infPath || !Find(infPath))
    {
        m_lastError = ERROR_FILE_NOT_FOUND;
        return FALSE;
    }
    if (!hardwareId || !presentHardwareIds.count(hardwareId))
    {
        m_lastError = ERROR_NO_SUCH_DEVINST;
        return FALSE;
    }
    deviceInstallations.emplace_back(hardwareId, infPath);
    return TRUE;
}

BOOL FakePlatform::SetupCopyOEMInfA(PCSTR sourceInf, PCSTR mediaLocation, DWORD mediaType, DWORD copyStyle,
                                    PSTR destinationName, DWORD destinationSize, PDWORD requiredSize,
                                    PSTR* destinationNamePart)
{
    calls.push_back({"SetupCopyOEMInfA",
                     {Text(sourceInf), Text(mediaLocation), std::to_string(mediaType),
                      std::to_string(copyStyle), Pointer(destinationName), std::to_string(destinationSize),
                      Pointer(requiredSize), Pointer(destinationNamePart)}});
    if (ShouldFail("SetupCopyOEMInfA"))
        return FALSE;
    if (!sourceInf || !Find(sourceInf))
    {
        m_lastError = ERROR_FILE_NOT_FOUND;
        return FALSE;
    }
    stagedInfs.push_back(sourceInf);
    return TRUE;
}

// --- Error services ---

DWORD FakePlatform::GetLastError()
{
    calls.push_back({"GetLastError", {}});
    return m_lastError;
}

void FakePlatform::SetLastError(DWORD error)
{
    calls.push_back({"SetLastError", {std::to_string(error)}});
    m_lastError = error;
}

DWORD FakePlatform::FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId,
                                   LPSTR buffer, DWORD size, va_list* arguments)
{
    calls.push_back(
        {"FormatMessageA",
         {std::to_string(flags), Pointer(source), std::to_string(messageId), std::to_string(languageId),
          Pointer(buffer), std::to_string(size), Pointer(arguments)}});
    if (ShouldFail("FormatMessageA"))
        return 0;
    const auto found = systemTexts.find(messageId);
    if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || found == systemTexts.end())
    {
        m_lastError = ERROR_MR_MID_NOT_FOUND;
        return 0;
    }
    const std::string& text = found->second;
    if (!(flags & FORMAT_MESSAGE_IGNORE_INSERTS) && !arguments && text.find('%') != std::string::npos)
        throw std::logic_error("FormatMessageA would read insert values that were never passed");
    const DWORD length = static_cast<DWORD>(text.size());
    if (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER)
    {
        char* allocation = new char[length + 1];
        std::memcpy(allocation, text.c_str(), length + 1);
        m_allocations.insert(allocation);
        *reinterpret_cast<LPSTR*>(buffer) = allocation;
        return length;
    }
    if (size < length + 1)
    {
        m_lastError = ERROR_INSUFFICIENT_BUFFER;
        return 0;
    }
    std::memcpy(buffer, text.c_str(), length + 1);
    return length;
}

HLOCAL FakePlatform::LocalFree(HLOCAL memory)
{
    calls.push_back({"LocalFree", {Pointer(memory)}});
    auto* allocation = static_cast<char*>(memory);
    if (m_allocations.erase(allocation) == 0)
        return memory;
    delete[] allocation;
    return nullptr;
}
