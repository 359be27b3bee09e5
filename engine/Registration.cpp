// Registers the printer with Windows for the connection the user chose.
#include "Engine.h"
#include "Package.h"
#include "Paths.h"
#include "Texts.h"

#include <ui/App.h>

#include <string>

namespace engine
{

namespace
{
// The errors that the user is told by name.
const char* ErrorName(DWORD error)
{
    switch (error)
    {
    case ERROR_FILE_NOT_FOUND:
        return "ERROR_FILE_NOT_FOUND";
    case ERROR_INVALID_FLAGS:
        return "ERROR_INVALID_FLAGS";
    case ERROR_NO_MORE_ITEMS:
        return "ERROR_NO_MORE_ITEMS";
    default:
        return nullptr;
    }
}
} // namespace

BOOL RegisterPrinter(Platform& platform, CWnd& dialog, ConnectionType connection, const char* driverDir)
{
    char infPath[MAX_PATH] = {};
    const bool infPathFits = AppendToPath(infPath, driverDir) && AppendToPath(infPath, INF_SUFFIX);

    if (connection == CONNECTION_PARALLEL)
        return InstallParallelPrinter(platform);

    if (!infPathFits)
    {
        const std::string tooLong = std::string(driverDir) + INF_SUFFIX;
        dialog.MessageBox(tooLong.c_str(), CAPTION_INSTALL_ERROR, MB_OK);
        return FALSE;
    }
    if (platform.UpdateDriverForPlugAndPlayDevicesA(nullptr, HARDWARE_ID, infPath, INSTALLFLAG_FORCE,
                                                    nullptr))
        return TRUE;

    const DWORD error = platform.GetLastError();
    if (error == ERROR_NO_SUCH_DEVINST)
    {
        // No such printer is plugged in: the INF is staged for when it is, and the user checks the cable.
        if (platform.SetupCopyOEMInfA(infPath, nullptr, SPOST_PATH, SP_COPY_NEWER, nullptr, 0, nullptr,
                                      nullptr) == TRUE)
        {
            dialog.MessageBox(MESSAGE_CHECK_USB_CABLE, nullptr, MB_OK);
            return TRUE;
        }
        dialog.MessageBox(MESSAGE_SETUPINF_FAILED, nullptr, MB_OK);
        return FALSE;
    }
    if (const char* name = ErrorName(error))
        dialog.MessageBox(name, nullptr, MB_OK);
    AfxMessageBox(infPath, MB_OK, 0);
    return FALSE;
}

} // namespace engine
