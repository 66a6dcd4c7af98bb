#pragma once
#include <windows.h>

#include "framework/AfxString.h"

// Whether anything (file or folder) exists at path.
inline bool PathExists(const CString& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool FolderExists(const CString& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Creates the folder (one level) unless it is there already; the result is
// seen later as files that could or could not be written into it.
inline void EnsureFolder(const CString& path)
{
    if (!FolderExists(path))
        ::CreateDirectoryA(path.c_str(), nullptr);
}
