#pragma once
#include "BrowseButton.h"
#include "framework/Edit.h"

class CDataExchange;

// An edit control with a "Browse" button of its own. The edit keeps the
// folder last chosen; the destination published from it is that folder plus
// the product's folder name, in g_installDir and the destination dialog's
// path text.
class CFolderEdit : public CEdit {
public:
    // Subclasses the edit and creates its browse button to the right of it.
    BOOL AttachBrowseButton(HWND edit);
    // Runs the folder picker and publishes the destination.
    void BrowseForFolder();

    CBrowseButton m_browseButton;
    DWORD m_pickerFlags = 0;  // bit 0: the file-dialog picker even on Windows 4.0 and later
    CString m_pickerTitle;
};

// Binds the folder edit on the first load and hands it the picker's settings.
void DDX_FolderEdit(CDataExchange* exchange, int id, CFolderEdit& edit, DWORD pickerFlags, const char* pickerTitle);
