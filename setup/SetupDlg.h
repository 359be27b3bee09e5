// The setup dialog: the window in which the wizard runs, its controls, icon, pictures and colours.
#pragma once

#include <wizard/WizardDlg.h>

class CSetupDlg : public CWizardDlg
{
public:
    explicit CSetupDlg(Platform& platform, CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnCommand(int id, int notification) override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind) override;

    HICON m_hIcon;

private:
    // The information box's background, made on its first request and kept while the dialog exists.
    CBrush m_infoBrush;
};
