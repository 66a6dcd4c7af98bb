#include "Wnd.h"

#include <vector>

#include "Exceptions.h"
#include "WinApp.h"

namespace {
const char kObjectProperty[] = "Velmora.CWnd";

HWND ChildOfNotification(UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return reinterpret_cast<HWND>(lParam);
    if (message == WM_DRAWITEM) {
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    if (IsCtlColorMessage(message))
        return reinterpret_cast<HWND>(lParam);
    return nullptr;
}
}  // namespace

const MessageMap CWnd::messageMap{&CCmdTarget::messageMap};

CWnd::~CWnd()
{
    if (!m_hWnd)
        return;
    HWND hwnd = m_hWnd;
    Unbind();
    ::DestroyWindow(hwnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    return hwnd ? static_cast<CWnd*>(::GetPropA(hwnd, kObjectProperty)) : nullptr;
}

void CWnd::Bind(HWND hwnd)
{
    m_hWnd = hwnd;
    ::SetPropA(hwnd, kObjectProperty, this);
}

void CWnd::Unbind()
{
    if (m_superProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    ::RemovePropA(m_hWnd, kObjectProperty);
    m_superProc = nullptr;
    m_hWnd = nullptr;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!::IsWindow(hwnd) || m_hWnd || FromHandlePermanent(hwnd))
        return FALSE;
    Bind(hwnd);
    PreSubclassWindow();
    m_superProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWndProc)));
    if (!m_superProc) {
        Unbind();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

CString CWnd::GetWindowText() const
{
    std::vector<char> text(::GetWindowTextLengthA(m_hWnd) + 1);
    int length = ::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
    return CString(text.data(), length > 0 ? length : 0);
}

void CWnd::SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }

void CWnd::SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND top, MSG* msg)
{
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        CWnd* wnd = FromHandlePermanent(hwnd);
        if (wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (hwnd == top)
            break;
    }
    return FALSE;
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (!wnd)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        LRESULT result = wnd->WindowProc(message, wParam, lParam);
        if (message == WM_NCDESTROY && wnd->m_hWnd == hwnd) {
            wnd->Unbind();
            wnd->PostNcDestroy();
        }
        return result;
    } catch (...) {
        AfxAbortOnUnhandledException();
    }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG outer = m_currentMsg;
    m_currentMsg = MSG{m_hWnd, message, wParam, lParam, 0, {}};
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, result))
        result = DefWindowProc(message, wParam, lParam);
    m_currentMsg = outer;
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_superProc)
        return ::CallWindowProcA(m_superProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND child = ChildOfNotification(message, wParam, lParam);
    CWnd* control = child != m_hWnd ? FromHandlePermanent(child) : nullptr;
    return control && control->OnChildNotify(message, wParam, lParam, &result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    UINT key = IsCtlColorMessage(message) ? kCtlColorMessages : message;
    UINT code = message == WM_COMMAND ? HIWORD(wParam) : 0;
    const MessageEntry* entry = GetMessageMap()->Find(Reflected(key), code, 0);
    if (!entry)
        return FALSE;
    LRESULT answer = entry->invoke(*this, message, wParam, lParam);
    if (answer == 0)
        return FALSE;
    *result = message == WM_COMMAND ? 0 : answer;
    return TRUE;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (ReflectToChild(message, wParam, lParam, result))
        return true;
    UINT key = IsCtlColorMessage(message) ? kCtlColorMessages : message;
    const MessageEntry* entry = GetMessageMap()->Find(key, HIWORD(wParam), LOWORD(wParam));
    if (entry) {
        result = entry->invoke(*this, message, wParam, lParam);
        return true;
    }
    // Commands nobody here handles go on to the application's command map.
    CWinApp* app = AfxGetApp();
    if (message == WM_COMMAND && app && app->OnCmdMsg(LOWORD(wParam), HIWORD(wParam))) {
        result = 0;
        return true;
    }
    return false;
}
