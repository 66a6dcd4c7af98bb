#pragma once
#include <windows.h>

#include "framework/AfxString.h"

class CWnd;

// Lets the user choose a folder in a modal system dialog: the shell's folder
// browser, or the old-style file dialog on systems before Windows 4.0 or when
// useFileDialog is set. path is the folder to start from and, on TRUE, the
// folder chosen; on FALSE (cancelled, or no folder path) it is unchanged.
BOOL PickFolder(CString& path, CWnd* owner, BOOL useFileDialog, const CString& title);
