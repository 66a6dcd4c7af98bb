#pragma once
#include "controls/FolderEdit.h"
#include "controls/ImageButton.h"
#include "framework/Button.h"
#include "framework/Dialog.h"

// Second wizard page: where the product goes. Its initialisation also binds
// the message provider.
class CDestinationDlg : public CDialog {
public:
    explicit CDestinationDlg(CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    void DoDataExchange(CDataExchange* exchange) override;

    CImageButton m_cancelButton;
    CImageButton m_nextButton;
    CFolderEdit m_folderEdit;

private:
    void ShowDestination(const CString& folder);
};
