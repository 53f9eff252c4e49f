// Modal dialogs built from the program's dialog templates.
#pragma once

#include "platform/framework/window.h"

namespace dlg {

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;
};

// Attaches `control` to the dialog's control `id`, so its member functions act on that control.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

    // Creates the dialog from its template, centred on its parent (on the screen when there is
    // none), calls OnInitDialog and runs its loop until EndDialog. Returns EndDialog's result, or
    // -1 at once when the dialog cannot be created.
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    UINT GetTemplateId() const { return m_nIDTemplate; }
    CWnd* GetParentWnd() const { return m_pParentWnd; }

    // The port calls these; they are public so it can.
    virtual bool OnInitDialog();  // performs the data exchange; returns true for default focus
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    bool UpdateData(bool saveAndValidate = true);

    // The platform's default handling: the close commands end the dialog as Cancel.
    void OnSysCommand(UINT id, LPARAM lParam);
    // The platform's default painting.
    void OnPaint();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()
};

}  // namespace dlg
