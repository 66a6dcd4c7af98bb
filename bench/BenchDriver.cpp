// Times the real setup.exe the way a user meets it and prints key=value
// lines for scripts/bench:
//   bench_driver start PACKAGE IDLE_MS      splash, language dialog, Exit
//   bench_driver install PACKAGE IDLE_MS    a whole run through to the end
//   bench_driver reference FOLDER IDLE_MS   the trivial dialog program
//   bench_driver reference-busy FOLDER IDLE_MS   the same with a spinning thread
// IDLE_MS > 0 also measures the CPU the process uses while each dialog
// waits for the user that long. SetupDriver starts FOLDER\setup.exe, so the
// reference program sits in a folder of its own under that name.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "ProcessProbe.h"
#include "Stopwatch.h"
#include "res/resource.h"
#include "tests/e2e/SetupDriver.h"

namespace {
constexpr char kCaption[] = "Velmora";
constexpr char kReferenceCaption[] = "Reference";
constexpr char kCompleted[] = "Installation Completed Successfully";
constexpr int kMessageText = 0xFFFF;

struct BoxSearch {
    DWORD processId;
    HWND found;
};

// A message box of the setup: a dialog with a text 0xFFFF that is none of
// the wizard's own dialogs (some of which hold unnamed statics too).
BOOL CALLBACK MatchMessageBox(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<BoxSearch*>(parameter);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (processId != search->processId || std::string(className) != "#32770" || !::IsWindowVisible(window))
        return TRUE;
    if (!::GetDlgItem(window, kMessageText) || ::GetDlgItem(window, IDC_PROGRESS) ||
        ::GetDlgItem(window, IDC_LANGUAGE_LIST) || ::GetDlgItem(window, IDC_DESTINATION_TEXT))
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindMessageBox(DWORD processId)
{
    BoxSearch search{processId, nullptr};
    ::EnumWindows(&MatchMessageBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DWORD ThreadOf(HWND window)
{
    return window ? ::GetWindowThreadProcessId(window, nullptr) : 0;
}

void Print(const std::string& key, double value) { std::printf("%s=%.1f\n", key.c_str(), value); }
void Print(const std::string& key, const std::string& value) { std::printf("%s=%s\n", key.c_str(), value.c_str()); }

class Session {
public:
    Session(const std::string& folder, DWORD idleMs) : m_folder(folder), m_idleMs(idleMs) {}

    // Launch until the first dialog a user answers; false when it never came.
    bool ReachLanguageDialog()
    {
        m_clock.Restart();
        m_driver.Launch(m_folder);
        HWND splash = m_driver.WaitForDialog("", IDC_PICTURE, 5000);
        if (!splash)
            return Fail("no splash");
        Print("splash_shown_ms", m_clock.ElapsedMs());
        m_splash = splash;
        m_splashThread = ThreadOf(splash);
        DWORD processId = 0;
        ::GetWindowThreadProcessId(splash, &processId);
        m_probe = std::make_unique<ProcessProbe>(processId);
        m_processId = processId;
        m_language = WaitSampling(kCaption, IDC_LANGUAGE_LIST, 15000);
        if (!m_language)
            return Fail("no language dialog");
        Print("startup_ms", m_clock.ElapsedMs());
        m_mainThread = ThreadOf(m_language);
        ReportThreads("start");
        Print("peak_memory_kib.start", static_cast<double>(m_probe->PeakWorkingSet()) / 1024.0);
        MeasureIdle("language");
        return true;
    }

    void Exit()
    {
        SetupDriver::Click(m_language, IDCANCEL);
        Print("exit_code", m_driver.WaitForExit());
    }

    bool Install()
    {
        SetupDriver::Click(m_language, IDOK);
        m_driver.WaitUntilGone(m_language);
        HWND destination = WaitSampling(kCaption, IDC_DESTINATION_TEXT, 15000);
        if (!destination) {
            HWND box = FindMessageBox(m_processId);
            return Fail("no destination dialog" + (box ? ": " + SetupDriver::MessageBoxText(box) : std::string()));
        }
        MeasureIdle("destination");
        m_clock.Restart();
        SetupDriver::Click(destination, IDOK);
        if (WaitSampling(kCaption, IDC_PROGRESS, 15000))
            Print("progress_shown_ms", m_clock.ElapsedMs());
        bool completed = false, questionMeasured = false;
        double readingMs = 0;  // the idle measurement is no part of the installation
        for (;;) {
            HWND box = nullptr;
            // A light poll: the copies must not compete with the driver.
            while (!(box = FindMessageBox(m_processId)) && m_driver.WaitForExit(10) == STILL_ACTIVE) {
            }
            if (!box)
                break;
            std::string text = SetupDriver::MessageBoxText(box);
            m_workerThread = ThreadOf(box);
            Print("box", text);
            Print("box_shown_ms", m_clock.ElapsedMs() - readingMs);
            if (text == kCompleted) {
                completed = true;
                ReportThreads("run");
                Print("peak_memory_kib.run", static_cast<double>(m_probe->PeakWorkingSet()) / 1024.0);
            } else if (!questionMeasured) {
                questionMeasured = true;
                Stopwatch reading;
                MeasureIdle("question_box");
                readingMs = reading.ElapsedMs();
            }
            SetupDriver::Click(box, ::GetDlgItem(box, IDYES) ? IDYES : IDOK);
            m_driver.WaitUntilGone(box);
            Print("box_gone_ms", m_clock.ElapsedMs() - readingMs);
        }
        Print("install_ms", m_clock.ElapsedMs() - readingMs);
        Print("completed", completed ? "1" : "0");
        Print("exit_code", m_driver.WaitForExit());
        return completed;
    }

    // The trivial program: launch to its dialog, then close it.
    bool Reference()
    {
        m_clock.Restart();
        m_driver.Launch(m_folder);
        HWND dialog = m_driver.WaitForDialog(kReferenceCaption, IDOK, 15000);
        if (!dialog)
            return Fail("no reference dialog");
        Print("startup_ms", m_clock.ElapsedMs());
        ::GetWindowThreadProcessId(dialog, &m_processId);
        m_probe = std::make_unique<ProcessProbe>(m_processId);
        Print("peak_memory_kib.start", static_cast<double>(m_probe->PeakWorkingSet()) / 1024.0);
        MeasureIdle("reference");
        SetupDriver::Click(dialog, IDOK);
        Print("exit_code", m_driver.WaitForExit());
        return true;
    }

private:
    bool Fail(const std::string& why)
    {
        Print("failure", why);
        return false;
    }

    // Waits for a dialog while recording thread times, so that a thread
    // that ends meanwhile (the splash's) keeps its last reading.
    HWND WaitSampling(const char* caption, int controlId, DWORD timeoutMs)
    {
        Stopwatch waited;
        for (;;) {
            if (HWND found = m_driver.WaitForDialog(caption, controlId, 10))
                return found;
            m_probe->SampleThreads();
            NoteSplashGone();
            if (!m_driver.IsRunning() || waited.ElapsedMs() > timeoutMs)
                return nullptr;
        }
    }

    void NoteSplashGone()
    {
        if (m_splash && !::IsWindow(m_splash)) {
            Print("splash_gone_ms", m_clock.ElapsedMs());
            m_splash = nullptr;
        }
    }

    // CPU used while the user would be reading the dialog now on screen.
    void MeasureIdle(const std::string& dialog)
    {
        if (!m_idleMs)
            return;
        ::Sleep(300);  // let the dialog finish painting first
        double before = ThreadCpuTotalMs();
        ::Sleep(m_idleMs);
        Print("idle_cpu_percent." + dialog, (ThreadCpuTotalMs() - before) * 100.0 / m_idleMs);
    }

    // Summed over threads: Wine's GetProcessTimes for another process
    // reports far less than its threads' own times (and /proc) show.
    double ThreadCpuTotalMs()
    {
        m_probe->SampleThreads();
        double total = 0;
        for (const auto& entry : m_probe->ThreadCpuMs())
            total += entry.second;
        return total;
    }

    void ReportThreads(const std::string& phase)
    {
        Print("process_cpu_ms." + phase, ThreadCpuTotalMs());
        int others = 0;
        for (const auto& [threadId, cpuMs] : m_probe->ThreadCpuMs()) {
            std::string name = threadId == m_mainThread     ? "main"
                               : threadId == m_splashThread ? "splash"
                               : threadId == m_workerThread ? "worker"
                                                            : "other" + std::to_string(++others);
            Print("thread_cpu_ms." + phase + "." + name, cpuMs);
        }
    }

    std::string m_folder;
    DWORD m_idleMs;
    SetupDriver m_driver;
    Stopwatch m_clock;
    std::unique_ptr<ProcessProbe> m_probe;
    DWORD m_processId = 0;
    DWORD m_mainThread = 0, m_splashThread = 0, m_workerThread = 0;
    HWND m_language = nullptr;
    HWND m_splash = nullptr;
};
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_driver start|install|reference|reference-busy FOLDER IDLE_MS\n");
        return 2;
    }
    std::string mode = argv[1];
    Session session(argv[2], static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)));
    bool done = false;
    if (mode == "reference-busy")
        ::SetEnvironmentVariableA("REFERENCE_BUSY_THREAD", "1");
    if (mode == "reference" || mode == "reference-busy") {
        done = session.Reference();
    } else if (mode == "start") {
        done = session.ReachLanguageDialog();
        if (done)
            session.Exit();
    } else if (mode == "install") {
        done = session.ReachLanguageDialog() && session.Install();
    }
    std::fflush(stdout);
    return done ? 0 : 1;
}
