#include "DestinationDlg.h"

#include <direct.h>
#include <io.h>

#include <cstdlib>

#include "CleanUpSetupFolder.h"
#include "DefaultDestination.h"
#include "RestoreEarlierFilePath.h"
#include "app/ProductBox.h"
#include "app/SetupGlobals.h"
#include "app/WizardState.h"
#include "framework/DataExchange.h"
#include "messages/MessageProvider.h"
#include "res/resource.h"

namespace {
// The question is padded with 25 blanks, as the setup has always shown it.
constexpr const char* kQuitQuestion = "Do you want to quit from Setup?                         ";
}  // namespace

CDestinationDlg::CDestinationDlg(CWnd* parent) : CDialog(IDD_DESTINATION, parent) {}

void CDestinationDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDCANCEL, m_cancelButton);
    DDX_Control(exchange, IDOK, m_nextButton);
    DDX_FolderEdit(exchange, IDC_FOLDER_EDIT, m_folderEdit, 0, "Please specify a folder for Copying...");
}

BOOL CDestinationDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    g_destinationWnd = m_hWnd;
    m_nextButton.SetIcon(IDI_NEXT);
    m_nextButton.ShiftColor(CImageButton::HotFace, 30, TRUE);
    m_nextButton.SetColor(CImageButton::HotText, RGB(0, 128, 0), TRUE);
    m_nextButton.SetIconPlacement(CImageButton::PlaceRight, TRUE);
    ShowDestination(DefaultDestination());
    BindMessageProvider(m_hWnd);
    return TRUE;
}

void CDestinationDlg::OnOK()
{
    // A file of that name counts as present: only a missing one is created,
    // one level only.
    if (_access(g_installDir.c_str(), 0) != 0 && _mkdir(g_installDir.c_str()) != 0) {
        ShowDestination(DefaultDestination());
        ShowMessage(nullptr, "Unable to create directory. Select another path or use default path.",
                    MB_OK | MB_ICONERROR);
        return;
    }
    g_wizardState.store(kWizardGoOn);
    CDialog::OnOK();
}

void CDestinationDlg::OnCancel()
{
    if (::MessageBoxA(nullptr, kQuitQuestion, "Setup for Velmora RAID 5",
                      MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL) != IDYES)
        return;
    CleanUpSetupFolder();
    RestoreEarlierFilePath();
    std::exit(0);
}

void CDestinationDlg::ShowDestination(const CString& folder)
{
    g_installDir = folder;
    SetDlgItemText(IDC_DESTINATION_TEXT, folder.c_str());
}
