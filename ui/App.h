// The application object: one per program; its name captions the program's message boxes.
#pragma once

#include <WinApi.h>

class CWnd;

class CWinApp
{
public:
    // No name: the application is named after the program file, without directory and extension.
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() = 0;

    CWnd* m_pMainWnd = nullptr;
    char m_pszAppName[MAX_PATH]{};
};

LPCSTR AfxGetAppName();
HINSTANCE AfxGetResourceHandle();

// A modal box owned by the main window, captioned with the application's name. A type that names no
// icon gets the exclamation mark (OK buttons) or the question mark (Yes and No).
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);

// Runs the application object: InitInstance, then the end of the program.
int AfxWinMain();
