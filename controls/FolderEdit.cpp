#include "FolderEdit.h"

#include "FolderPicker.h"
#include "app/Paths.h"
#include "app/SetupGlobals.h"
#include "framework/DataExchange.h"
#include "framework/Exceptions.h"
#include "framework/WinApp.h"
#include "res/resource.h"

namespace {
const char kProductFolderName[] = "Velmora for RAID 5 ( Demo )";
constexpr DWORD kUseFileDialog = 0x1;
}  // namespace

BOOL CFolderEdit::AttachBrowseButton(HWND edit)
{
    if (!::IsWindow(edit) || !SubclassWindow(edit))
        return FALSE;
    HWND parent = ::GetParent(edit);
    RECT rect{};
    ::GetWindowRect(edit, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    int height = rect.bottom - rect.top;
    rect.left = rect.right + 1;
    rect.right = rect.left + 35 + height * 8 / 10;

    char caption[64] = {};
    ::LoadStringA(AfxGetResourceHandle(), IDS_BROWSE, caption, sizeof caption);
    BOOL created = m_browseButton.Create(caption, WS_CHILD | WS_VISIBLE | WS_GROUP | BS_PUSHBUTTON, rect, parent,
                                         IDC_BROWSE);
    m_browseButton.SetBuddy(this);
    auto font = static_cast<WPARAM>(::SendMessageA(parent, WM_GETFONT, 0, 0));
    m_browseButton.SendMessage(WM_SETFONT, font, TRUE);
    return created;
}

void CFolderEdit::BrowseForFolder()
{
    CString path = GetWindowText();
    if (PickFolder(path, this, (m_pickerFlags & kUseFileDialog) != 0, m_pickerTitle))
        SetWindowText(path.c_str());
    if (path.empty())
        return;
    g_installDir = JoinPath(path, kProductFolderName);
    ::SetDlgItemTextA(g_destinationWnd, IDC_DESTINATION_TEXT, g_installDir.c_str());
}

void DDX_FolderEdit(CDataExchange* exchange, int id, CFolderEdit& edit, DWORD pickerFlags, const char* pickerTitle)
{
    HWND control = exchange->PrepareEditCtrl(id);
    if (!exchange->m_bSaveAndValidate && !edit.m_hWnd && !edit.AttachBrowseButton(control))
        AfxThrowNotSupportedException();
    edit.m_pickerFlags = pickerFlags;
    edit.m_pickerTitle = pickerTitle;
}
