#include "WizardHarness.h"

#include <cstdio>

BOOL ScriptedSetupDlg::CheckPackage()
{
    calls.push_back("CheckPackage");
    return script.checkPackage;
}

void ScriptedSetupDlg::BuildSummary(char* text)
{
    calls.push_back("BuildSummary");
    std::snprintf(text, PAGE_TEXT_SIZE, "%s", script.summary.c_str());
    std::snprintf(m_driverDir, sizeof m_driverDir, "%s", script.summary.c_str());
}

BOOL ScriptedSetupDlg::CopyDriverFiles()
{
    calls.push_back("CopyDriverFiles");
    for (int position = 1; position <= script.copyProgress; ++position)
        m_progress.SetPos(position);
    return script.copy;
}

BOOL ScriptedSetupDlg::RegisterPrinter(RegisterFailReason& reason)
{
    calls.push_back("RegisterPrinter");
    reasonsOnEntry.push_back(reason);
    if (!script.registerPrinter)
        reason = script.registerReason;
    return script.registerPrinter;
}

WizardTest::WizardTest()
{
    headless::Reset();
    app.m_pMainWnd = &dlg;
    dlg.Create();
}

WizardTest::~WizardTest()
{
    dlg.DestroyWindow();
    headless::Reset();
}

DialogView WizardTest::Snapshot()
{
    DialogView view{{}, dlg.Step(), g_skipExitPrompt, dlg.Connection()};
    for (int id : ALL_CONTROLS)
    {
        const HWND__& control = Control(id);
        view.controls[id] = {control.visible, control.enabled, control.text, control.checked,
                             control.position};
    }
    return view;
}
