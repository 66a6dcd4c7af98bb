#pragma once
#include "framework/WinApp.h"

// The setup program: InitInstance runs the whole wizard.
class CSetupApp : public CWinApp {
public:
    BOOL InitInstance() override;

protected:
    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;
    static const MessageEntry messageEntries[];
};

// Primes the registry, shows the splash for three seconds, then lets the
// wizard go on. Runs on a thread of its own and ends it.
UINT SplashThreadProc(LPVOID parameter);

// Writes the start values "FilePath" and "Language" of the product key.
void PrimeRegistry();
