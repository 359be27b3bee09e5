#include "SetupApp.h"

#include "SetupDlg.h"

#include <platform/win32/Win32Platform.h>

#include <mbctype.h>

namespace
{
// Multibyte text functions follow the system's ANSI code page (936 on a Chinese Windows); set during
// static initialisation, before the application object is built.
[[maybe_unused]] const int g_multibyteCodePageSet = _setmbcp(_MB_CP_ANSI);
} // namespace

CSetupApp theApp;

// The dialog runs modally until a quit message ends its loop; FALSE then ends the program.
BOOL CSetupApp::InitInstance()
{
    Win32Platform platform;
    CSetupDlg dialog(platform);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
