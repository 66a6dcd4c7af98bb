#pragma once
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Answers the product's message boxes ("Velmora" dialogs of this process)
// from a thread of its own, in the order they appear: the n-th box gets the
// n-th answer (IDOK, IDCANCEL, IDYES, IDNO); boxes beyond the list get OK or
// Yes, whichever they have. Keeps each box's text, and writes it to stderr
// so that a test whose process ends can still show what was asked.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(std::vector<int> answers = {});
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    std::vector<std::string> Texts() const;

private:
    void Run();
    HWND FindBox() const;

    std::vector<int> m_answers;
    std::vector<std::string> m_texts;
    mutable std::mutex m_lock;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
