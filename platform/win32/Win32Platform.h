// The real Windows services. kernel32's file and error services are imported; the shell's path test and
// the spooler, SetupAPI and device installation DLLs are bound at run time from the system directory
// only, when first called: the wizard needs them from the package check on, not to open its window.
#pragma once

#include <platform/Platform.h>

#include <SystemLibrary.h>

class Win32Platform : public Platform
{
public:
    Win32Platform();

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

private:
    SystemLibrary m_shlwapi;
    SystemLibrary m_winspool;
    SystemLibrary m_setupapi;
    SystemLibrary m_newdev;
    SystemFunction<decltype(&::PathFileExistsA)> m_pathFileExists;
    SystemFunction<decltype(&::GetPrinterDriverDirectoryA)> m_getPrinterDriverDirectory;
    SystemFunction<decltype(&::AddPrinterDriverExA)> m_addPrinterDriverEx;
    SystemFunction<decltype(&::AddPrinterA)> m_addPrinter;
    SystemFunction<decltype(&::ClosePrinter)> m_closePrinter;
    SystemFunction<decltype(&::UpdateDriverForPlugAndPlayDevicesA)> m_updateDriverForPlugAndPlayDevices;
    SystemFunction<decltype(&::SetupCopyOEMInfA)> m_setupCopyOEMInf;
};
