#include "InstallDlg.h"

#include "app/WizardState.h"
#include "framework/DataExchange.h"
#include "framework/Dc.h"
#include "framework/Thread.h"
#include "framework/WinApp.h"
#include "install/InstallWorker.h"
#include "messages/MessageProvider.h"
#include "res/resource.h"

namespace {
constexpr int kStatusCaption = 2;  // base+2
constexpr int kPercentLabel = 3;   // base+3
constexpr int kHiddenNotice = 86;  // base+86
}  // namespace

const MessageEntry CInstallDlg::messageEntries[] = {
    OnMessage<&CInstallDlg::OnPaint>(WM_PAINT),
    OnMessage<&CInstallDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
    OnMessage<&CInstallDlg::OnClose>(WM_CLOSE),
};
const MessageMap CInstallDlg::messageMap{&CDialog::messageMap, messageEntries};

CInstallDlg::CInstallDlg(CWnd* parent)
    : CDialog(IDD_INSTALL, parent),
      m_icon(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDI_APPLICATION_ICON)))
{
}

void CInstallDlg::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_PICTURE, m_header);
    DDX_Control(exchange, IDC_HIDDEN_LABEL_LEFT, m_hiddenLeft);
    DDX_Control(exchange, IDC_PROGRESS, m_progress);
    DDX_Control(exchange, IDC_HIDDEN_LABEL_RIGHT, m_hiddenRight);
}

BOOL CInstallDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    GetMsgProc getMsg = LookUpGetMsg();
    SetDlgItemText(IDC_STATUS_GROUP, FetchMessage(getMsg, g_messageBase + kStatusCaption, m_hWnd));
    SetDlgItemText(IDC_PERCENT_LABEL, FetchMessage(getMsg, g_messageBase + kPercentLabel, m_hWnd));
    SetDlgItemText(IDC_HIDDEN_NOTICE, FetchMessage(getMsg, g_messageBase + kHiddenNotice, m_hWnd));
    AfxBeginThread(&InstallThreadProc, this, THREAD_PRIORITY_NORMAL, 0, 0, nullptr);
    return TRUE;
}

void CInstallDlg::OnPaint()
{
    if (::IsIconic(m_hWnd)) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC));
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(dc.m_hDC, x, y, m_icon);
        return;
    }
    if (g_wizardState.load() == kWizardFinished)
        EndSetup();
    Default();
}

void CInstallDlg::EndSetup()
{
    // The installation is over: no exit handler or destructor is left to run.
    HANDLE self = ::OpenProcess(PROCESS_TERMINATE, FALSE, ::GetCurrentProcessId());
    if (self)
        ::TerminateProcess(self, 0);
}

LRESULT CInstallDlg::OnQueryDragIcon() { return reinterpret_cast<LRESULT>(m_icon); }
