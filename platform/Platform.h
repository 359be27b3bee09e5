// The seam between the program and Windows' file, spooler, device and error services. Every call the
// installation engine makes to the system goes through here, with the Windows function's own name and
// arguments. The Windows build makes the real calls; the native tests use an in-memory fake that records
// each call and can be told to fail any of them.
#pragma once

#include <WinApi.h>

#include <cstdarg>

class Platform
{
public:
    virtual ~Platform() = default;

    // File services.
    virtual BOOL PathFileExistsA(LPCSTR path) = 0;
    virtual BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security) = 0;
    virtual BOOL CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists) = 0;
    virtual DWORD GetFileAttributesA(LPCSTR path) = 0;
    virtual BOOL SetFileAttributesA(LPCSTR path, DWORD attributes) = 0;
    virtual void Sleep(DWORD milliseconds) = 0;

    // The print spooler.
    virtual BOOL GetPrinterDriverDirectoryA(LPSTR server, LPSTR environment, DWORD level, LPBYTE directory,
                                            DWORD size, LPDWORD needed) = 0;
    virtual BOOL AddPrinterDriverExA(LPSTR server, DWORD level, LPBYTE driverInfo, DWORD copyFlags) = 0;
    virtual HANDLE AddPrinterA(LPSTR server, DWORD level, LPBYTE printerInfo) = 0;
    virtual BOOL ClosePrinter(HANDLE printer) = 0;

    // Device installation.
    virtual BOOL UpdateDriverForPlugAndPlayDevicesA(HWND parent, LPCSTR hardwareId, LPCSTR infPath,
                                                    DWORD installFlags, PBOOL rebootRequired) = 0;
    virtual BOOL SetupCopyOEMInfA(PCSTR sourceInf, PCSTR mediaLocation, DWORD mediaType, DWORD copyStyle,
                                  PSTR destinationName, DWORD destinationSize, PDWORD requiredSize,
                                  PSTR* destinationNamePart) = 0;

    // The thread's error services.
    virtual DWORD GetLastError() = 0;
    virtual void SetLastError(DWORD error) = 0;
    virtual DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId, LPSTR buffer,
                                 DWORD size, va_list* arguments) = 0;
    // Releases a buffer that FormatMessageA allocated.
    virtual HLOCAL LocalFree(HLOCAL memory) = 0;
};
