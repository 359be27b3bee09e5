// The dialog's installation operations: the engine does the work on the dialog's state and shows its
// boxes over the dialog.
#include "WizardDlg.h"

BOOL CWizardDlg::CheckPackage() { return engine::CheckPackage(m_platform, *this); }

void CWizardDlg::BuildSummary(char* text) { engine::BuildSummary(m_platform, text, m_driverDir); }

BOOL CWizardDlg::CopyDriverFiles()
{
    return engine::CopyDriverFiles(m_platform, *this, m_progress, m_driverDir);
}

// No registration path gives a reason for its failure; the wizard's reason stays as it set it.
BOOL CWizardDlg::RegisterPrinter(RegisterFailReason& /*reason*/)
{
    return engine::RegisterPrinter(m_platform, *this, m_connectionType, m_driverDir);
}
