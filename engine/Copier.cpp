// Copies the package into the printer driver directory, one progress step per file.
#include "Engine.h"
#include "Package.h"
#include "Paths.h"
#include "Texts.h"

#include <cstdio>
#include <string>

namespace engine
{

namespace
{
// Each file handled, copied or skipped, keeps the bar on its step for a moment.
constexpr DWORD PAUSE_PER_FILE_MS = 100;

// The system's text for a failed copy, or the error code where the system has none.
void ReportCopyError(Platform& platform, CWnd& dialog, DWORD error)
{
    LPSTR systemText = nullptr;
    const DWORD length = platform.FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<LPSTR>(&systemText), 0, nullptr);
    if (length != 0 && systemText)
    {
        dialog.MessageBox(systemText, CAPTION_INSTALL_ERROR, MB_OK);
    }
    else
    {
        char text[64];
        std::snprintf(text, sizeof text, ERROR_CODE_FORMAT, static_cast<unsigned long>(error));
        dialog.MessageBox(text, CAPTION_INSTALL_ERROR, MB_OK);
    }
    if (systemText)
        platform.LocalFree(systemText);
}
} // namespace

BOOL CopyDriverFiles(Platform& platform, CWnd& dialog, CProgressCtrl& progress, const char* driverDir)
{
    if (!*driverDir)
    {
        // No driver directory was found. An empty one would put the files into the root of the current
        // drive: nothing is created or copied.
        ReportCopyError(platform, dialog, ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    if (!platform.PathFileExistsA(driverDir))
    {
        // The box names the directory whether or not it could be made; copying goes on either way.
        platform.CreateDirectoryA(driverDir, nullptr);
        dialog.MessageBox(driverDir, CAPTION_INSTALL_ERROR, MB_OK);
    }

    int handled = 0;
    for (const DriverPackageFile& file : DRIVER_PACKAGE)
    {
        char destination[MAX_PATH] = {};
        if (!AppendToPath(destination, driverDir) || !AppendToPath(destination, "\\") ||
            !AppendToPath(destination, file.destinationName))
        {
            const std::string tooLong = std::string(driverDir) + "\\" + file.destinationName;
            dialog.MessageBox(tooLong.c_str(), CAPTION_INSTALL_ERROR, MB_OK);
            return FALSE;
        }
        // A file already there, older or read-only, is never touched.
        if (!platform.PathFileExistsA(destination))
        {
            if (!platform.CopyFileA(file.sourcePath, destination, FALSE))
            {
                ReportCopyError(platform, dialog, platform.GetLastError());
                return FALSE;
            }
            // Copies are made writable: every attribute is cleared. Attributes that cannot be read count
            // as read-only, so the copy is made writable all the same.
            if (platform.GetFileAttributesA(destination) & FILE_ATTRIBUTE_READONLY)
                platform.SetFileAttributesA(destination, FILE_ATTRIBUTE_NORMAL);
        }
        platform.Sleep(PAUSE_PER_FILE_MS);
        progress.SetPos(++handled);
    }
    return TRUE;
}

} // namespace engine
