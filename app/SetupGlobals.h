#pragma once
#include <windows.h>

#include "framework/AfxString.h"

// Process-wide strings shared by the wizard's dialogs and the install worker.
extern CString g_installDir;      // destination folder, full path
extern CString g_languageName;    // language picked in the language dialog
extern CString g_sourceDir;       // folder the payload is copied from
extern CString g_shortcutFolder;  // folder that receives the next shell link
extern CString g_targetPath;      // target of the file being copied
extern CString g_sourcePath;      // source of the file being copied
// "FilePath" as it was before the setup overwrote it; empty when there was none.
extern CString g_earlierFilePath;

extern HWND g_destinationWnd;
