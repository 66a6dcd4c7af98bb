#pragma once
#include <windows.h>
#include <commdlg.h>

#include "Dialog.h"

// The common open or save file dialog. The framework always installs its
// hook, through which the object is bound to the dialog window when the
// dialog initialises; a derived class then handles the dialog's messages in
// its own message map. Without OFN_EXPLORER the hook serves the old-style
// dialog itself.
class CFileDialog : public CDialog {
public:
    // filter: pairs of description and pattern, each ended by '|'.
    CFileDialog(BOOL openFileDialog, const char* defaultExt = nullptr, const char* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                CWnd* parent = nullptr);

    // IDOK when the user confirmed a name, IDCANCEL otherwise.
    INT_PTR DoModal() override;
    // The full file name the dialog returned.
    CString GetPathName() const { return m_fileName; }

    // OK and Cancel belong to the system's dialog, which ends itself.
    void OnOK() override { Default(); }
    void OnCancel() override { Default(); }

    OPENFILENAMEA m_ofn{};

private:
    static UINT_PTR CALLBACK HookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL m_openFileDialog;
    CString m_defaultExt;
    CString m_filter;
    char m_fileName[MAX_PATH] = {};
    char m_fileTitle[MAX_PATH] = {};
};
