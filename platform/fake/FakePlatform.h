// The platform of the native tests: an in-memory file system, spooler and device list that behave as
// Windows does for the calls the program makes. Every call is recorded with its arguments, in order,
// and any call can be made to fail with a chosen error code. Pauses are recorded, not slept.
#pragma once

#include <platform/Platform.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class FakePlatform : public Platform
{
public:
    FakePlatform();
    ~FakePlatform() override;

    // --- The seam ---
    BOOL PathFileExistsA(LPCSTR path) override;
    BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security) override;
    BOOL CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists) override;
    DWORD GetFileAttributesA(LPCSTR path) override;
    BOOL SetFileAttributesA(LPCSTR path, DWORD attributes) override;
    void Sleep(DWORD milliseconds) override;

    BOOL GetPrinterDriverDirectoryA(LPSTR server, LPSTR environment, DWORD level, LPBYTE directory,
                                    DWORD size, LPDWORD needed) override;
    BOOL AddPrinterDriverExA(LPSTR server, DWORD level, LPBYTE driverInfo, DWORD copyFlags) override;
    HANDLE AddPrinterA(LPSTR server, DWORD level, LPBYTE printerInfo) override;
    BOOL ClosePrinter(HANDLE printer) override;

    BOOL UpdateDriverForPlugAndPlayDevicesA(HWND parent, LPCSTR hardwareId, LPCSTR infPath,
                                            DWORD installFlags, PBOOL rebootRequired) override;
    BOOL SetupCopyOEMInfA(PCSTR sourceInf, PCSTR mediaLocation, DWORD mediaType, DWORD copyStyle,
                          PSTR destinationName, DWORD destinationSize, PDWORD requiredSize,
                          PSTR* destinationNamePart) override;

    DWORD GetLastError() override;
    void SetLastError(DWORD error) override;
    DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer,
                         DWORD size, va_list* arguments) override;
    HLOCAL LocalFree(HLOCAL memory) override;

    // --- What was called ---
    struct Call
    {
        std::string function;
        // Strings as passed, numbers in decimal, pointers as "NULL" or "ptr".
        std::vector<std::string> arguments;
    };
    std::vector<Call> calls;
    std::vector<DWORD> sleeps;
    // The names of the functions called, in order.
    std::vector<std::string> CallNames() const;

    // --- Failures on request ---
    // The occurrence-th call (from 1) of the function fails with the error.
    void Fail(const std::string& function, DWORD error, int occurrence = 1);
    void FailAlways(const std::string& function, DWORD error);
    // The index-th call (from 0) among the calls that can fail, whatever the function.
    void FailCallNumber(size_t index, DWORD error);
    // The functions that can be made to fail: all but Sleep, the last-error pair and LocalFree.
    static bool CanFail(const std::string& function);

    // --- The file system ---
    struct Node
    {
        std::string path;
        bool directory;
        DWORD attributes;
        std::string content;
    };
    // Relative paths start from here.
    std::string currentDirectory = "C:\\Downloads";
    void AddDirectory(const std::string& path);
    void AddFile(const std::string& path, const std::string& content,
                 DWORD attributes = FILE_ATTRIBUTE_ARCHIVE);
    void Remove(const std::string& path);
    const Node* Find(const std::string& path) const;
    std::map<std::string, Node> Snapshot() const { return m_nodes; }

    // --- The spooler ---
    std::string driverDirectory = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86";
    struct DriverRequest
    {
        DWORD level;
        DWORD cVersion;
        std::optional<std::string> name, environment, driverPath, dataFile, configFile, helpFile;
        // The multi-string as passed, up to and including its closing pair of NULs.
        std::optional<std::string> dependentFiles;
        std::optional<std::string> monitorName, defaultDataType;
        DWORD copyFlags;
    };
    struct PrinterRequest
    {
        DWORD level;
        std::optional<std::string> serverName, printerName, shareName, portName, driverName, comment,
            location, sepFile, printProcessor, datatype, parameters;
        bool devModeNull, securityDescriptorNull;
        DWORD attributes, priority, defaultPriority, startTime, untilTime, status, jobs, averagePpm;
    };
    std::vector<DriverRequest> driverRequests;
    std::vector<PrinterRequest> printerRequests;
    // What the spooler holds: driver names, and printer queues by name with their driver and port.
    std::set<std::string> installedDrivers;
    std::map<std::string, PrinterRequest> printers;
    std::set<HANDLE> openPrinters;

    // --- Devices ---
    std::set<std::string> presentHardwareIds;
    // Hardware ID and INF path of each driver installed for a present device.
    std::vector<std::pair<std::string, std::string>> deviceInstallations;
    std::vector<std::string> stagedInfs;

    // --- Error texts ---
    std::map<DWORD, std::string> systemTexts;
    // Buffers that FormatMessageA allocated and nobody freed yet.
    size_t LiveAllocations() const { return m_allocations.size(); }

private:
    bool ShouldFail(const std::string& function);
    std::string Key(const std::string& path) const;
    std::string Parent(const std::string& key) const;

    std::map<std::string, Node> m_nodes;
    DWORD m_lastError = ERROR_SUCCESS;
    std::map<std::string, int> m_callCounts;
    size_t m_failableCalls = 0;
    struct Rule
    {
        std::string function;
        int occurrence; // 0: every call
        size_t callNumber;
        bool byNumber;
        DWORD error;
    };
    std::vector<Rule> m_rules;
    std::set<char*> m_allocations;
    std::uintptr_t m_nextPrinterHandle = 0x5000;
};
