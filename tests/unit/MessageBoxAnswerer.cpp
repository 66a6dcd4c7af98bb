#include "MessageBoxAnswerer.h"

#include <cstdio>

namespace {
constexpr int kMessageBoxText = 0xFFFF;

struct BoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<BoxSearch*>(parameter);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (processId != search->processId || std::string(className) != "#32770")
        return TRUE;
    // Asking a window of this process for its text would wait for its thread,
    // which may be the test's own thread waiting for this one.
    wchar_t caption[32] = {};
    ::InternalGetWindowText(window, caption, 32);
    if (std::wstring(caption) == L"Velmora" && ::IsWindowVisible(window) && ::GetDlgItem(window, kMessageBoxText)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> answers)
    : m_answers(std::move(answers)), m_thread([this] { Run(); })
{
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    m_stop = true;
    m_thread.join();
}

std::vector<std::string> MessageBoxAnswerer::Texts() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_texts;
}

HWND MessageBoxAnswerer::FindBox() const
{
    BoxSearch search{::GetCurrentProcessId(), nullptr};
    ::EnumWindows(&MatchBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void MessageBoxAnswerer::Run()
{
    while (!m_stop) {
        HWND box = FindBox();
        if (!box) {
            ::Sleep(20);
            continue;
        }
        char text[512] = {};
        ::GetDlgItemTextA(box, kMessageBoxText, text, sizeof text);
        std::size_t index;
        {
            std::lock_guard<std::mutex> hold(m_lock);
            index = m_texts.size();
            m_texts.push_back(text);
        }
        std::fprintf(stderr, "message box: %s\n", text);
        std::fflush(stderr);
        int answer = index < m_answers.size() ? m_answers[index] : (::GetDlgItem(box, IDOK) ? IDOK : IDYES);
        ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(box, answer)));
        while (!m_stop && ::IsWindow(box) && ::IsWindowVisible(box))
            ::Sleep(10);
    }
}
