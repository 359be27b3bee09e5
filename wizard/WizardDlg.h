// The wizard's state and its step machine: one page per step, made from the one dialog's controls.
#pragma once

#include "SetupEngine.h"

#include <platform/Platform.h>
#include <ui/Dialog.h>

// Set when the package check fails; from then on, leaving asks nothing.
extern bool g_skipExitPrompt;

class CWizardDlg : public CDialog, protected SetupEngine
{
public:
    CWizardDlg(UINT templateId, Platform& platform, CWnd* parent);

protected:
    // Performs the step in m_step and shows its page.
    void UpdatePage();

    void OnNext();
    void OnBack();
    void OnSelectUsb();
    void OnSelectParallel();
    void OnExitButton();
    void OnCancel() override;

    // The installation operations, done by the engine on the dialog's state.
    BOOL CheckPackage() override;
    void BuildSummary(char* text) override;
    BOOL CopyDriverFiles() override;
    BOOL RegisterPrinter(RegisterFailReason& reason) override;

    ConnectionType m_connectionType = CONNECTION_NONE;
    CFont m_font;
    char m_driverDir[MAX_PATH] = {};
    WizardStep m_step = STEP_CHOOSE_CONNECTION;

    CStatic m_spareLabel;
    CButton m_usbRadio;
    CProgressCtrl m_progress;
    CButton m_connectionGroup;
    CStatic m_welcomePicture;
    CStatic m_acceptLabel;
    CEdit m_infoEdit;
    CButton m_backButton;
    CButton m_nextButton;
    CButton m_exitButton;
    CStatic m_stepText;
    CStatic m_printerPicture;

    Platform& m_platform;

private:
    void ShowConnectionPage();
    void ShowLicencePage();
    void CheckPackageStep();
    void CopyFilesStep();
    void RegisterPrinterStep();
};
