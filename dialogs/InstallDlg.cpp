#include "InstallDlg.h"

#include "res/resource.h"

CInstallDlg::CInstallDlg(CWnd* parent) : CDialog(IDD_INSTALL, parent) {}
