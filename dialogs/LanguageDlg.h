#pragma once
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"

// First wizard page: the language of the installed product.
class CLanguageDlg : public CDialog {
public:
    explicit CLanguageDlg(CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    void DoDataExchange(CDataExchange* exchange) override;

    CButton m_nextButton;
    CComboBox m_languageList;
};
