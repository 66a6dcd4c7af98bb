#pragma once
#include <cstddef>
#include <vector>

#include "framework/AfxString.h"

// The payload files in the order they are installed; bare names, no folders.
// The copy loop and its progress take their count from the list itself.
extern const std::vector<CString> g_fileManifest;

// Entries recognised by their place (zero-based) rather than by name.
constexpr std::size_t kFirstProgramEntry = 0;   // "VOredi5VI.exe"
constexpr std::size_t kSecondProgramEntry = 1;  // "DAvedu5.exe"
constexpr std::size_t kFirstWindowsBitmap = 4;  // entries 4 to 6 also go to the Windows folder
constexpr std::size_t kLastWindowsBitmap = 6;
