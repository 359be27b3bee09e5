#include "App.h"

#include "Wnd.h"

#include <cstdio>
#include <cstring>

namespace
{
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp()
{
    g_app = this;
    char path[MAX_PATH]{};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const char* name = path;
    for (const char* p = path; *p; ++p)
    {
        if (*p == '\\' || *p == '/')
            name = p + 1;
    }
    std::snprintf(m_pszAppName, MAX_PATH, "%s", name);
    if (char* extension = std::strrchr(m_pszAppName, '.'))
        *extension = '\0';
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

LPCSTR AfxGetAppName() { return g_app ? g_app->m_pszAppName : ""; }

HINSTANCE AfxGetResourceHandle() { return ::GetModuleHandleA(nullptr); }

int AfxMessageBox(LPCSTR text, UINT type, UINT /*helpId*/)
{
    if ((type & MB_ICONMASK) == 0)
    {
        const UINT buttons = type & MB_TYPEMASK;
        type |= (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? MB_ICONQUESTION : MB_ICONEXCLAMATION;
    }
    CWnd* mainWindow = g_app ? g_app->m_pMainWnd : nullptr;
    return ::MessageBoxA(mainWindow ? mainWindow->m_hWnd : nullptr, text, AfxGetAppName(), type);
}

int AfxWinMain()
{
    if (g_app)
        g_app->InitInstance();
    return 0;
}
