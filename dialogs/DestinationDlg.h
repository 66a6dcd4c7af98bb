#pragma once
#include "framework/Dialog.h"

// Second wizard page: where the product goes.
class CDestinationDlg : public CDialog {
public:
    explicit CDestinationDlg(CWnd* parent);

    void OnOK() override;
};
