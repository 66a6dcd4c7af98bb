#pragma once
#include "framework/Dialog.h"
#include "framework/Static.h"

// The product picture shown while the setup starts. It creates and shows
// itself; its destruction takes the window away.
class CSplashDlg : public CDialog {
public:
    explicit CSplashDlg(CWnd* parent);

protected:
    void DoDataExchange(CDataExchange* exchange) override;

    CStatic m_picture;
};
