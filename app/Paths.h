#pragma once
#include "framework/AfxString.h"

// folder, a backslash unless folder already ends with one, and name.
CString JoinPath(const CString& folder, const CString& name);
