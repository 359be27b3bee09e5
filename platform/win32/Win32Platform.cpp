#include "Win32Platform.h"

Win32Platform::Win32Platform()
    : m_shlwapi("shlwapi.dll"), m_winspool("winspool.drv"), m_setupapi("setupapi.dll"),
      m_newdev("newdev.dll"), m_pathFileExists(m_shlwapi, "PathFileExistsA"),
      m_getPrinterDriverDirectory(m_winspool, "GetPrinterDriverDirectoryA"),
      m_addPrinterDriverEx(m_winspool, "AddPrinterDriverExA"), m_addPrinter(m_winspool, "AddPrinterA"),
      m_closePrinter(m_winspool, "ClosePrinter"),
      m_updateDriverForPlugAndPlayDevices(m_newdev, "UpdateDriverForPlugAndPlayDevicesA"),
      m_setupCopyOEMInf(m_setupapi, "SetupCopyOEMInfA")
{
}

BOOL Win32Platform::PathFileExistsA(LPCSTR path)
{
    auto function = m_pathFileExists.Get();
    return function ? function(path) : FALSE;
}

BOOL Win32Platform::CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security)
{
    return ::CreateDirectoryA(path, security);
}

BOOL Win32Platform::CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists)
{
    return ::CopyFileA(existingFile, newFile, failIfExists);
}

DWORD Win32Platform::GetFileAttributesA(LPCSTR path) { return ::GetFileAttributesA(path); }

BOOL Win32Platform::SetFileAttributesA(LPCSTR path, DWORD attributes)
{
    return ::SetFileAttributesA(path, attributes);
}

void Win32Platform::Sleep(DWORD milliseconds) { ::Sleep(milliseconds); }

BOOL Win32Platform::GetPrinterDriverDirectoryA(LPSTR server, LPSTR environment, DWORD level, LPBYTE directory,
                                               DWORD size, LPDWORD needed)
{
    auto function = m_getPrinterDriverDirectory.Get();
    return function ? function(server, environment, level, directory, size, needed) : FALSE;
}

BOOL Win32Platform::AddPrinterDriverExA(LPSTR server, DWORD level, LPBYTE driverInfo, DWORD copyFlags)
{
    auto function = m_addPrinterDriverEx.Get();
    return function ? function(server, level, driverInfo, copyFlags) : FALSE;
}

HANDLE Win32Platform::AddPrinterA(LPSTR server, DWORD level, LPBYTE printerInfo)
{
    auto function = m_addPrinter.Get();
    return function ? function(server, level, printerInfo) : nullptr;
}

BOOL Win32Platform::ClosePrinter(HANDLE printer)
{
    auto function = m_closePrinter.Get();
    return function ? function(printer) : FALSE;
}

BOOL Win32Platform::UpdateDriverForPlugAndPlayDevicesA(HWND parent, LPCSTR hardwareId, LPCSTR infPath,
                                                       DWORD installFlags, PBOOL rebootRequired)
{
    auto function = m_updateDriverForPlugAndPlayDevices.Get();
    return function ? function(parent, hardwareId, infPath, installFlags, rebootRequired) : FALSE;
}

BOOL Win32Platform::SetupCopyOEMInfA(PCSTR sourceInf, PCSTR mediaLocation, DWORD mediaType, DWORD copyStyle,
                                     PSTR destinationName, DWORD destinationSize, PDWORD requiredSize,
                                     PSTR* destinationNamePart)
{
    auto function = m_setupCopyOEMInf.Get();
    return function ? function(sourceInf, mediaLocation, mediaType, copyStyle, destinationName,
                               destinationSize, requiredSize, destinationNamePart)
                    : FALSE;
}

DWORD Win32Platform::GetLastError() { return ::GetLastError(); }

void Win32Platform::SetLastError(DWORD error) { ::SetLastError(error); }

DWORD Win32Platform::FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId,
                                    LPSTR buffer, DWORD size, va_list* arguments)
{
    return ::FormatMessageA(flags, source, messageId, languageId, buffer, size, arguments);
}

HLOCAL Win32Platform::LocalFree(HLOCAL memory) { return ::LocalFree(memory); }
