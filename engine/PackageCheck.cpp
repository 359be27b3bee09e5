// The package check and the installation summary of the summary page.
#include "Engine.h"
#include "Package.h"
#include "Texts.h"

#include <cstdio>
#include <cstring>

namespace engine
{

// The package lies relative to the current directory; a directory of a file's name counts as present.
BOOL CheckPackage(Platform& platform, CWnd& dialog)
{
    for (const DriverPackageFile& file : DRIVER_PACKAGE)
    {
        if (!platform.PathFileExistsA(file.sourcePath))
        {
            dialog.MessageBox(file.sourcePath, CAPTION_PACKAGE_FILE_MISSING, MB_OK);
            return FALSE;
        }
    }
    return TRUE;
}

void BuildSummary(Platform& platform, char* text, char (&driverDir)[MAX_PATH])
{
    char directory[MAX_PATH] = {};
    DWORD needed = 0;
    if (!platform.GetPrinterDriverDirectoryA(nullptr, const_cast<LPSTR>(DRIVER_ENVIRONMENT), 1,
                                             reinterpret_cast<LPBYTE>(directory), MAX_PATH, &needed))
    {
        // What a failed lookup leaves in the buffer means nothing: no directory, an empty folder line.
        directory[0] = '\0';
    }
    std::snprintf(text, PAGE_TEXT_SIZE, SUMMARY_FORMAT, directory);
    std::memcpy(driverDir, directory, std::strlen(directory) + 1);
}

} // namespace engine
