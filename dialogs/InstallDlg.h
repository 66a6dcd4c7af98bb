#pragma once
#include "framework/Dialog.h"
#include "framework/ProgressCtrl.h"
#include "framework/Static.h"

// Last wizard page: the progress of the installation, which the install
// worker drives from its own thread. Once the worker has finished, the next
// paint that is not a minimised one ends the process.
class CInstallDlg : public CDialog {
public:
    explicit CInstallDlg(CWnd* parent);

    BOOL OnInitDialog() override;
    // Enter and Esc: nothing may end the dialog that the worker is using.
    void OnOK() override {}
    void OnCancel() override {}

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    void OnPaint();
    LRESULT OnQueryDragIcon();
    void OnClose() {}
    // Ends the whole process once the installation has finished.
    virtual void EndSetup();

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;
    static const MessageEntry messageEntries[];

    CStatic m_header;
    CStatic m_hiddenLeft;
    CProgressCtrl m_progress;
    CStatic m_hiddenRight;
    HICON m_icon;
};
