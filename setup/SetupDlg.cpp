#include "SetupDlg.h"

#include <engine/Package.h>
#include <ui/App.h>
#include <wizard/resource.h>

#include <cstring>

namespace
{
constexpr COLORREF STEP_TEXT_COLOUR = RGB(217, 107, 16);
constexpr COLORREF INFO_BACKGROUND_COLOUR = RGB(186, 205, 219);
// The information box's gradient runs from its left colour to its right one, from the box's top-left
// corner to a fixed point, whatever the box's size.
constexpr TRIVERTEX INFO_GRADIENT_LEFT = {0, 0, 0xBA00, 0xCD00, 0xDB00, 0x0060};
constexpr TRIVERTEX INFO_GRADIENT_RIGHT = {465, 137, 0xEC00, 0xF100, 0xF500, 0x0060};

using CommandHandler = void (CWizardDlg::*)();
struct CommandEntry
{
    int id;
    CommandHandler handler;
};
} // namespace

CSetupDlg::CSetupDlg(Platform& platform, CWnd* parent)
    : CWizardDlg(IDD_SETUP_DIALOG, platform, parent),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

void CSetupDlg::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_SPARE_LABEL, m_spareLabel);
    DDX_Control(exchange, IDC_USB, m_usbRadio);
    DDX_Control(exchange, IDC_PROGRESS, m_progress);
    DDX_Control(exchange, IDC_CONNECTION_GROUP, m_connectionGroup);
    DDX_Control(exchange, IDC_WELCOME_PICTURE, m_welcomePicture);
    DDX_Control(exchange, IDC_ACCEPT_LABEL, m_acceptLabel);
    DDX_Control(exchange, IDC_INFO, m_infoEdit);
    DDX_Control(exchange, IDC_BACK, m_backButton);
    DDX_Control(exchange, IDC_NEXT, m_nextButton);
    DDX_Control(exchange, IDC_EXIT, m_exitButton);
    DDX_Control(exchange, IDC_STEP_TEXT, m_stepText);
    DDX_Control(exchange, IDC_PRINTER_PICTURE, m_printerPicture);
}

// Everything here happens before the window is first shown, so the user never sees the template's state.
BOOL CSetupDlg::OnInitDialog()
{
    CWizardDlg::OnInitDialog();
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    // Wizard's start: leaving asks first.
    g_skipExitPrompt = false;

    // The pictures show their bitmaps for the rest of the process; the temporary gives them up undeleted.
    CBitmap bitmap;
    bitmap.LoadBitmap(IDB_WELCOME);
    m_welcomePicture.SetBitmap(bitmap);
    bitmap.Detach();
    bitmap.LoadBitmap(IDB_PRINTER);
    m_printerPicture.SetBitmap(bitmap);
    bitmap.Detach();

    // Wizard's start: the progress bar, one step per package file, waits hidden for the copy.
    m_progress.SetRange(0, DRIVER_PACKAGE_SIZE);
    m_progress.ShowWindow(SW_HIDE);

    // cppcheck-suppress badBitmaskCheck ; the family and the pitch are named though the pitch is 0
    m_font.CreateFont(-12, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, "Arial");
    m_stepText.SetFont(&m_font);
    m_spareLabel.SetFont(&m_font);

    // Wizard's start: the first page.
    m_step = STEP_CHOOSE_CONNECTION;
    std::memset(m_driverDir, 0, sizeof m_driverDir);
    UpdatePage();

    // The system focuses the first visible, enabled tab stop: the Install button.
    return TRUE;
}

// The dialog's message map for button clicks.
void CSetupDlg::OnCommand(int id, int notification)
{
    static const CommandEntry commands[] = {
        {IDC_NEXT, &CSetupDlg::OnNext},       {IDC_BACK, &CSetupDlg::OnBack},
        {IDC_USB, &CSetupDlg::OnSelectUsb},   {IDC_PARALLEL, &CSetupDlg::OnSelectParallel},
        {IDC_EXIT, &CSetupDlg::OnExitButton},
    };
    for (const CommandEntry& command : commands)
    {
        if (command.id == id && notification == BN_CLICKED)
        {
            (this->*command.handler)();
            return;
        }
    }
    CWizardDlg::OnCommand(id, notification);
}

// A minimised window shows the icon, centred in the client area.
void CSetupDlg::OnPaint()
{
    if (!IsIconic())
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    ::SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CSetupDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

// The step text is orange; the information box gets a blue-grey gradient under transparent text.
// Every other control keeps the system's colours.
HBRUSH CSetupDlg::OnCtlColor(CDC* dc, CWnd* control, UINT kind)
{
    HBRUSH brush = CWizardDlg::OnCtlColor(dc, control, kind);
    switch (control->GetDlgCtrlID())
    {
    case IDC_STEP_TEXT:
        dc->SetTextColor(STEP_TEXT_COLOUR);
        return brush;
    case IDC_INFO: {
        dc->SetBkMode(TRANSPARENT);
        TRIVERTEX vertices[] = {INFO_GRADIENT_LEFT, INFO_GRADIENT_RIGHT};
        GRADIENT_RECT rectangle = {0, 1};
        dc->GradientFill(vertices, 2, &rectangle, 1, GRADIENT_FILL_RECT_H);
        if (!m_infoBrush.m_hObject)
            m_infoBrush.CreateSolidBrush(INFO_BACKGROUND_COLOUR);
        return m_infoBrush;
    }
    default:
        return brush;
    }
}
