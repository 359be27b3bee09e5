#include "WizardDlg.h"

#include "Texts.h"
#include "resource.h"

bool g_skipExitPrompt = false;

namespace
{
// After a successful copy the full bar stays for this long before the page moves on.
constexpr DWORD COPY_DONE_PAUSE_MS = 1000;
} // namespace

CWizardDlg::CWizardDlg(UINT templateId, Platform& platform, CWnd* parent)
    : CDialog(templateId, parent), m_platform(platform)
{
}

void CWizardDlg::OnNext()
{
    ++m_step;
    UpdatePage();
}

void CWizardDlg::OnBack()
{
    --m_step;
    UpdatePage();
}

void CWizardDlg::OnSelectUsb() { m_connectionType = CONNECTION_USB; }

void CWizardDlg::OnSelectParallel() { m_connectionType = CONNECTION_PARALLEL; }

void CWizardDlg::OnExitButton() { OnCancel(); }

// The exit button, Escape, the close box and Alt+F4 all end here. The quit message alone ends the
// modal loop, and with it the program.
void CWizardDlg::OnCancel()
{
    if (!g_skipExitPrompt && MessageBox(MESSAGE_CONFIRM_EXIT, CAPTION_CONFIRM_EXIT, MB_YESNO) != IDYES)
        return;
    m_font.DeleteObject();
    ::PostMessageA(m_hWnd, WM_QUIT, 0, 0);
}

void CWizardDlg::UpdatePage()
{
    switch (m_step)
    {
    case STEP_CHOOSE_CONNECTION:
        ShowConnectionPage();
        break;
    case STEP_LICENCE:
        ShowLicencePage();
        break;
    case STEP_CHECK_PACKAGE:
        CheckPackageStep();
        break;
    case STEP_COPY_FILES:
        CopyFilesStep();
        break;
    case STEP_REGISTER_PRINTER:
        RegisterPrinterStep();
        break;
    case STEP_QUIT:
        ::PostMessageA(m_hWnd, WM_QUIT, 0, 0);
        break;
    default:
        // Back from the first page, or Enter on a radio button: no page, nothing changes.
        break;
    }
}

// The choice made earlier is neither read nor reset: the radio button clicked last keeps its mark.
void CWizardDlg::ShowConnectionPage()
{
    m_connectionGroup.ShowWindow(SW_SHOWNORMAL);
    m_welcomePicture.ShowWindow(SW_SHOWNORMAL);
    m_printerPicture.ShowWindow(SW_SHOWNORMAL);
    m_spareLabel.ShowWindow(SW_HIDE);
    GetDlgItem(IDC_USB).ShowWindow(SW_SHOWNORMAL);
    GetDlgItem(IDC_PARALLEL).ShowWindow(SW_SHOWNORMAL);
    SetDlgItemText(IDC_NEXT, CAPTION_INSTALL);
    SetDlgItemText(IDC_EXIT, CAPTION_QUIT_SETUP);
    m_backButton.ShowWindow(SW_HIDE);
    m_infoEdit.ShowWindow(SW_HIDE);
    m_stepText.ShowWindow(SW_HIDE);
    m_acceptLabel.ShowWindow(SW_HIDE);
}

void CWizardDlg::ShowLicencePage()
{
    if (m_connectionType == CONNECTION_NONE)
    {
        m_step = STEP_CHOOSE_CONNECTION;
        MessageBox(MESSAGE_CHOOSE_CONNECTION, nullptr, MB_OK);
        UpdatePage();
        return;
    }
    GetDlgItem(IDC_USB).ShowWindow(SW_HIDE);
    GetDlgItem(IDC_PARALLEL).ShowWindow(SW_HIDE);
    m_connectionGroup.ShowWindow(SW_HIDE);
    m_welcomePicture.ShowWindow(SW_HIDE);
    m_printerPicture.ShowWindow(SW_HIDE);
    m_spareLabel.ShowWindow(SW_HIDE);
    m_backButton.ShowWindow(SW_SHOWNORMAL);
    m_nextButton.ShowWindow(SW_SHOWNORMAL);
    m_stepText.ShowWindow(SW_SHOWNORMAL);
    SetDlgItemText(IDC_STEP_TEXT, STEP_TEXT_READ_LICENCE);
    SetDlgItemText(IDC_INFO, LICENCE_NOTICE);
    m_infoEdit.ShowWindow(SW_SHOWNORMAL);
    m_acceptLabel.ShowWindow(SW_SHOWNORMAL);
    SetDlgItemText(IDC_BACK, CAPTION_BACK);
    SetDlgItemText(IDC_NEXT, CAPTION_YES);
    SetDlgItemText(IDC_EXIT, CAPTION_NO);
}

void CWizardDlg::CheckPackageStep()
{
    m_infoEdit.ShowWindow(SW_HIDE);
    m_acceptLabel.ShowWindow(SW_HIDE);
    SetDlgItemText(IDC_STEP_TEXT, STEP_TEXT_CHECKING_PACKAGE);
    if (!CheckPackage())
    {
        // The damaged-package page: the only way on is to leave, without a question. The hidden buttons
        // are disabled too: Back is the dialog's default button, which Enter would otherwise press from
        // this page back into the wizard.
        m_backButton.ShowWindow(SW_HIDE);
        m_nextButton.ShowWindow(SW_HIDE);
        m_backButton.EnableWindow(false);
        m_nextButton.EnableWindow(false);
        g_skipExitPrompt = true;
        SetDlgItemText(IDC_STEP_TEXT, STEP_TEXT_PACKAGE_DAMAGED);
        SetDlgItemText(IDC_EXIT, CAPTION_EXIT);
        m_exitButton.EnableWindow(true);
        return;
    }
    // The summary page.
    SetDlgItemText(IDC_STEP_TEXT, STEP_TEXT_READY_TO_COPY);
    char text[PAGE_TEXT_SIZE];
    BuildSummary(text);
    SetDlgItemText(IDC_INFO, text);
    m_infoEdit.ShowWindow(SW_SHOWNORMAL);
    SetDlgItemText(IDC_BACK, CAPTION_BACK);
    SetDlgItemText(IDC_NEXT, CAPTION_NEXT);
    SetDlgItemText(IDC_EXIT, CAPTION_CANCEL);
}

// Entered only from the summary page: once copying has started there is no way back.
void CWizardDlg::CopyFilesStep()
{
    m_progress.ShowWindow(SW_SHOWNORMAL);
    m_backButton.EnableWindow(false);
    m_nextButton.EnableWindow(false);
    SetDlgItemText(IDC_STEP_TEXT, STEP_TEXT_COPYING);
    if (!CopyDriverFiles())
    {
        // The copy-failed page; Back and Next stay disabled.
        SetDlgItemText(IDC_STEP_TEXT, STEP_TEXT_COPY_FAILED);
        return;
    }
    // The copy-done page; Back stays disabled.
    m_platform.Sleep(COPY_DONE_PAUSE_MS);
    SetDlgItemText(IDC_STEP_TEXT, STEP_TEXT_COPY_DONE);
    m_nextButton.EnableWindow(true);
}

void CWizardDlg::RegisterPrinterStep()
{
    m_progress.ShowWindow(SW_HIDE);
    m_backButton.ShowWindow(SW_SHOWNORMAL);
    m_nextButton.ShowWindow(SW_SHOWNORMAL);
    m_backButton.EnableWindow(false);
    m_nextButton.EnableWindow(false);
    SetDlgItemText(IDC_STEP_TEXT, STEP_TEXT_LOOKING_FOR_PRINTER);
    RegisterFailReason reason = FAIL_REASON_NONE;
    if (RegisterPrinter(reason))
    {
        // The installed page: Finish leaves without a question.
        SetDlgItemText(IDC_STEP_TEXT, STEP_TEXT_INSTALLED);
        SetDlgItemText(IDC_NEXT, CAPTION_FINISH);
        m_backButton.ShowWindow(SW_HIDE);
        m_nextButton.EnableWindow(true);
        m_exitButton.EnableWindow(false);
    }
    else if (reason == FAIL_REASON_USB_NOT_CONNECTED)
    {
        // The cable page: stepping back one makes the next Next perform this step again.
        --m_step;
        SetDlgItemText(IDC_STEP_TEXT, STEP_TEXT_CABLE_NOT_CONNECTED);
        m_backButton.EnableWindow(false);
        m_nextButton.EnableWindow(true);
    }
    else
    {
        // The registration-failed page: only leaving is possible.
        SetDlgItemText(IDC_STEP_TEXT, STEP_TEXT_INSTALL_FAILED);
        m_backButton.EnableWindow(false);
        m_nextButton.EnableWindow(false);
    }
}
