#include "FileDialog.h"

#include <algorithm>

#include "Exceptions.h"
#include "WinApp.h"

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExt, const char* fileName, DWORD flags,
                         const char* filter, CWnd* parent)
    : CDialog(0, parent), m_openFileDialog(openFileDialog)
{
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hInstance = AfxGetInstanceHandle();
    m_ofn.lpstrFile = m_fileName;
    m_ofn.nMaxFile = sizeof m_fileName;
    m_ofn.lpstrFileTitle = m_fileTitle;
    m_ofn.nMaxFileTitle = sizeof m_fileTitle;
    m_ofn.Flags = flags | OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.lpfnHook = &CFileDialog::HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    if (fileName)
        ::lstrcpynA(m_fileName, fileName, sizeof m_fileName);
    if (defaultExt) {
        m_defaultExt = defaultExt;
        m_ofn.lpstrDefExt = m_defaultExt.c_str();
    }
    if (filter) {
        // The system wants each string ended by a zero and the list by two.
        m_filter = filter;
        std::replace(m_filter.begin(), m_filter.end(), '|', '\0');
        m_filter.push_back('\0');
        m_ofn.lpstrFilter = m_filter.c_str();
    }
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Every other message reaches the bound object through its window procedure.
    if (message != WM_INITDIALOG || FromHandlePermanent(hwnd))
        return FALSE;
    try {
        auto* record = reinterpret_cast<const OPENFILENAMEA*>(lParam);
        return BindAndInitialise(reinterpret_cast<CFileDialog*>(record->lCustData), hwnd, wParam, lParam);
    } catch (...) {
        AfxAbortOnUnhandledException();
    }
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    BOOL confirmed = m_openFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return confirmed ? IDOK : IDCANCEL;
}
