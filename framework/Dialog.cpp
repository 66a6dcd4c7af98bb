#include "Dialog.h"

#include "DataExchange.h"
#include "Exceptions.h"
#include "WinApp.h"

namespace {
constexpr WORD kDlgInitResourceType = 240;
// The initialisation data keeps the 16-bit numbers of the add-string messages.
constexpr WORD kDlgInitListAddString = 0x0401;
constexpr WORD kDlgInitComboAddString = 0x0403;
}  // namespace

const MessageEntry CDialog::messageEntries[] = {
    OnMessage<&CDialog::OnInitDialog>(WM_INITDIALOG),
    OnCommand<&CDialog::OnOK>(IDOK),
    OnCommand<&CDialog::OnCancel>(IDCANCEL),
};
const MessageMap CDialog::messageMap{&CWnd::messageMap, messageEntries};

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG || FromHandlePermanent(hwnd))
        return FALSE;
    try {
        return BindAndInitialise(reinterpret_cast<CDialog*>(lParam), hwnd, wParam, lParam);
    } catch (...) {
        AfxAbortOnUnhandledException();
    }
}

INT_PTR CDialog::BindAndInitialise(CDialog* dialog, HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    if (!dialog || !dialog->SubclassWindow(hwnd))
        return FALSE;
    return dialog->WindowProc(WM_INITDIALOG, wParam, lParam);
}

BOOL CDialog::CreateFromTemplate(HWND owner)
{
    HWND hwnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_templateId), owner,
                                     &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_templateId = templateId;
    m_pParentWnd = parent;
    return CreateFromTemplate(parent ? parent->m_hWnd : nullptr);
}

INT_PTR CDialog::DoModal()
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_endModal = FALSE;
    m_modalResult = -1;
    m_inModalLoop = TRUE;
    if (!CreateFromTemplate(owner)) {
        m_inModalLoop = FALSE;
        return -1;
    }
    if (owner)
        ::EnableWindow(owner, FALSE);
    if (!m_endModal && m_hWnd)
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    RunModalLoop();
    if (owner) {
        ::EnableWindow(owner, TRUE);
        ::SetActiveWindow(owner);
    }
    m_inModalLoop = FALSE;
    if (m_hWnd) {
        ::ShowWindow(m_hWnd, SW_HIDE);
        DestroyWindow();
    }
    return m_modalResult;
}

void CDialog::RunModalLoop()
{
    MSG msg;
    while (!m_endModal && m_hWnd) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!WalkPreTranslateTree(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void CDialog::EndDialog(int result)
{
    if (m_inModalLoop) {
        m_modalResult = result;
        m_endModal = TRUE;
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    } else if (m_hWnd) {
        ::EndDialog(m_hWnd, result);
    }
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    return m_hWnd && ::IsDialogMessageA(m_hWnd, msg);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    ExecuteDlgInit();
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::ExecuteDlgInit()
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC info = ::FindResourceA(module, MAKEINTRESOURCEA(m_templateId), MAKEINTRESOURCEA(kDlgInitResourceType));
    HGLOBAL handle = info ? ::LoadResource(module, info) : nullptr;
    auto* data = static_cast<const BYTE*>(handle ? ::LockResource(handle) : nullptr);
    if (!data)
        return;
    const BYTE* end = data + ::SizeofResource(module, info);
    // Records: WORD control id, WORD message, DWORD length, then the data.
    while (end - data >= 8) {
        WORD id = *reinterpret_cast<const WORD*>(data);
        WORD message = *reinterpret_cast<const WORD*>(data + 2);
        DWORD length = *reinterpret_cast<const DWORD*>(data + 4);
        data += 8;
        if (id == 0 || length > static_cast<DWORD>(end - data))
            break;
        const char* text = reinterpret_cast<const char*>(data);
        bool terminated = length > 0 && text[length - 1] == '\0';
        if (terminated && message == kDlgInitComboAddString)
            ::SendDlgItemMessageA(m_hWnd, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        else if (terminated && message == kDlgInitListAddString)
            ::SendDlgItemMessageA(m_hWnd, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        data += length;
    }
}
