#include "Dialog.h"

#include "App.h"

void DDX_Control(CDataExchange* exchange, int id, CWnd& control)
{
    control.m_hWnd = ::GetDlgItem(exchange->m_pDlgWnd->m_hWnd, id);
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() { DestroyWindow(); }

bool CDialog::Create()
{
    HWND owner = m_parent ? m_parent->m_hWnd : nullptr;
    return ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_templateId), owner, DialogProc,
                                reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::DestroyWindow()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<CDialog*>(lParam)->m_hWnd = window;
    }
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (!dialog)
        return FALSE;
    if (message == WM_NCDESTROY)
    {
        ::SetWindowLongPtrA(window, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
        return FALSE;
    }
    return dialog->HandleMessage(message, wParam, lParam);
}

// Messages that a dialog procedure answers with a value return it directly; the others return TRUE when
// handled, FALSE to leave them to the system.
INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const UINT outerMessage = m_message;
    const WPARAM outerWParam = m_wParam;
    const LPARAM outerLParam = m_lParam;
    m_message = message;
    m_wParam = wParam;
    m_lParam = lParam;

    INT_PTR result = TRUE;
    switch (message)
    {
    case WM_INITDIALOG:
        result = OnInitDialog();
        CenterWindow();
        break;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_PAINT:
        OnPaint();
        break;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<INT_PTR>(OnQueryDragIcon());
        break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        CDC dc(reinterpret_cast<HDC>(wParam));
        CWnd control(reinterpret_cast<HWND>(lParam));
        result = reinterpret_cast<INT_PTR>(OnCtlColor(&dc, &control, message - WM_CTLCOLORMSGBOX));
        break;
    }
    default:
        result = FALSE;
        break;
    }

    m_message = outerMessage;
    m_wParam = outerWParam;
    m_lParam = outerLParam;
    return result;
}

LRESULT CDialog::Default() { return ::DefWindowProcA(m_hWnd, m_message, m_wParam, m_lParam); }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog()
{
    CDataExchange exchange(this);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::OnCancel() { ::PostMessageA(m_hWnd, WM_QUIT, IDCANCEL, 0); }

void CDialog::OnCommand(int id, int /*notification*/)
{
    if (id == IDCANCEL)
        OnCancel();
}

void CDialog::OnPaint() { Default(); }

HCURSOR CDialog::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }

HBRUSH CDialog::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
