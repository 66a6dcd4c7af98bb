#pragma once
#include "Wnd.h"

class CDataExchange;

// A dialog from a template resource, modal (DoModal) or modeless (Create).
// The modal loop is the framework's own, so PreTranslateMessage sees every
// message of a modal dialog as it does for any other window.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    virtual INT_PTR DoModal();
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(int result);

    // Runs DoDataExchange; TRUE for controls to members, FALSE the other way.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    virtual void DoDataExchange(CDataExchange*) {}

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;
    static const MessageEntry messageEntries[];

    // Dialog procedure of every framework dialog: binds the object passed as
    // the creation parameter at WM_INITDIALOG; all else reaches WindowProc.
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR BindAndInitialise(CDialog* dialog, HWND hwnd, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    CWnd* m_pParentWnd;

private:
    // Fills controls from the template's initialisation data (resource type 240).
    void ExecuteDlgInit();
    BOOL CreateFromTemplate(HWND owner);
    void RunModalLoop();

    BOOL m_inModalLoop = FALSE;
    BOOL m_endModal = FALSE;
    INT_PTR m_modalResult = -1;
};
