#pragma once
#include "framework/AfxString.h"

// Writes the shell link g_shortcutFolder\linkFileName, replacing one of that
// name. COM must be initialised on the calling thread. Failures are silent:
// the link is then simply missing.
void CreateShortcut(const CString& target, const CString& linkFileName, const CString& workingFolder,
                    const CString& description);
