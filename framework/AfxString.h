#pragma once
#include <string>

// The framework's string: narrow (ANSI) text, as every path in the setup is.
using CString = std::string;
