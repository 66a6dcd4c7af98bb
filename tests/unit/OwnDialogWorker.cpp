#include "OwnDialogWorker.h"

#include <commctrl.h>
#include <shlobj.h>

namespace {
struct Search {
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    char className[32] = {};
    char caption[256] = {};
    ::GetClassNameA(window, className, sizeof className);
    ::GetWindowTextA(window, caption, sizeof caption);
    if (processId == ::GetCurrentProcessId() && std::string(className) == "#32770" && ::IsWindowVisible(window) &&
        *search->caption == caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::string ItemText(HWND tree, HTREEITEM item)
{
    char text[MAX_PATH] = {};
    TVITEMA data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    if (!item || !::SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data)))
        return {};
    return text;
}
}  // namespace

HWND FindOwnDialog(const std::string& caption, DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    do {
        Search search{&caption, nullptr};
        ::EnumWindows(&MatchDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        ::Sleep(20);
    } while (::GetTickCount() - start < timeoutMs);
    return nullptr;
}

void PostClick(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

std::string TreeSelectionText(HWND tree)
{
    return ItemText(tree, TreeView_GetSelection(tree));
}

std::string TreeSelectionParentText(HWND tree)
{
    return ItemText(tree, TreeView_GetParent(tree, TreeView_GetSelection(tree)));
}

OwnDialogWorker::OwnDialogWorker(std::string caption, std::function<void(HWND)> work)
    : m_caption(std::move(caption)), m_work(std::move(work)), m_thread([this] { Run(); })
{
}

void OwnDialogWorker::Run()
{
    HWND dialog = FindOwnDialog(m_caption);
    m_found = dialog != nullptr;
    if (!dialog)
        return;
    // Let the dialog finish its first paint before it is examined.
    ::Sleep(300);
    m_work(dialog);
    for (int tries = 0; tries < 100 && ::IsWindow(dialog); ++tries) {
        if (tries == 20)
            PostClick(dialog, IDCANCEL);
        ::Sleep(50);
    }
}

bool OwnDialogWorker::Join()
{
    if (m_thread.joinable())
        m_thread.join();
    return m_found;
}

void SelectInBrowser(HWND browser, int treeId, const std::string& path)
{
    std::string leaf = path.substr(path.find_last_of('\\') + 1);
    HWND tree = ::GetDlgItem(browser, treeId);
    for (int tries = 0; tries < 100; ++tries) {
        ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
        // A drive root shows under a display name of its own: one try must do.
        if (leaf.empty() || TreeSelectionText(tree) == leaf)
            return;
        ::Sleep(100);
    }
}
