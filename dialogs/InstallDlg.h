#pragma once
#include "framework/Dialog.h"

// Last wizard page: progress of the installation.
class CInstallDlg : public CDialog {
public:
    explicit CInstallDlg(CWnd* parent);
};
