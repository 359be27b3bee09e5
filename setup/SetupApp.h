// The application: it runs the setup dialog and ends when the dialog's modal loop does.
#pragma once

#include <ui/App.h>

class CSetupApp : public CWinApp
{
public:
    BOOL InitInstance() override;
};
