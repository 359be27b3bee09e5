// A dialog made from a template of the program's resources. One dialog procedure receives every
// message, unpacks it once and calls the virtual handler for it.
#pragma once

#include "Gdi.h"
#include "Wnd.h"

class CDialog;

class CDataExchange
{
public:
    explicit CDataExchange(CDialog* dialog) : m_pDlgWnd(dialog) {}
    CDialog* m_pDlgWnd;
};

// Attaches a member object to the dialog's control with that identifier.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

class CDialog : public CWnd
{
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    virtual ~CDialog();

    // Creates the window and runs its message loop until a WM_QUIT arrives; then destroys the window.
    INT_PTR DoModal();
    // Creates the window without a loop of its own; it shows once WM_INITDIALOG has been handled.
    bool Create();
    void DestroyWindow();

protected:
    virtual void DoDataExchange(CDataExchange* exchange);
    // Binds the controls; the dialog is centred after it returns.
    virtual BOOL OnInitDialog();
    // The IDCANCEL command: Escape, the close box and Alt+F4.
    virtual void OnCancel();
    virtual void OnCommand(int id, int notification);
    virtual void OnPaint();
    virtual HCURSOR OnQueryDragIcon();
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);

    // The system's own handling of the message being handled.
    LRESULT Default();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    CWnd* m_parent;
    UINT m_message = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = 0;
};
