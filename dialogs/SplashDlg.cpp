#include "SplashDlg.h"

#include <new>

#include "framework/DataExchange.h"
#include "framework/Dc.h"
#include "res/resource.h"

CBrush* g_splashBrush = nullptr;

namespace {
constexpr COLORREF kSplashYellow = RGB(253, 250, 130);
}

const MessageEntry CSplashDlg::messageEntries[] = {
    OnMessage<&CSplashDlg::OnCtlColor>(kCtlColorMessages),
    OnMessage<&CSplashDlg::OnPaint>(WM_PAINT),
};
const MessageMap CSplashDlg::messageMap{&CDialog::messageMap, messageEntries};

CSplashDlg::CSplashDlg(CWnd* parent) : CDialog(IDD_SPLASH, parent)
{
    g_splashBrush = new (std::nothrow) CBrush(kSplashYellow);
    if (!Create(IDD_SPLASH, nullptr))
        return;
    ::ShowWindow(m_hWnd, SW_SHOW);
    UpdateData(TRUE);
    // No message loop will ever deliver WM_PAINT: paint the dialog and its
    // picture now, synchronously.
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

CSplashDlg::~CSplashDlg()
{
    delete g_splashBrush;
    g_splashBrush = nullptr;
}

void CSplashDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_PICTURE, m_picture);
}

HBRUSH CSplashDlg::OnCtlColor(CDC* dc, HWND, UINT)
{
    Default();
    dc->SetBkColor(kSplashYellow);
    return g_splashBrush ? static_cast<HBRUSH>(*g_splashBrush) : nullptr;
}

void CSplashDlg::OnPaint()
{
    // The picture control draws the bitmap; the dialog only validates itself.
    CPaintDC dc(this);
}
