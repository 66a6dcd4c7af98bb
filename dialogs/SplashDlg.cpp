#include "SplashDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

CSplashDlg::CSplashDlg(CWnd* parent) : CDialog(IDD_SPLASH, parent)
{
    if (Create(IDD_SPLASH, nullptr)) {
        ::ShowWindow(m_hWnd, SW_SHOW);
        UpdateData(TRUE);
    }
}

void CSplashDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_PICTURE, m_picture);
}
