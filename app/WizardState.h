#pragma once
#include <atomic>
#include <cstdint>

// Orders the setup's threads; nothing else does. Only whole loads and stores.
enum WizardState : std::int32_t {
    kWizardWait = 0,      // no destination confirmed yet
    kWizardGoOn = 1,      // the splash is over, or the destination was accepted
    kWizardFinished = 10  // the installation is done: end the process
};

extern std::atomic<std::int32_t> g_wizardState;
