#pragma once
#include "framework/AfxString.h"

// "ProgramFilesDir" followed by the product's folder name; just the folder
// name, in the root of the current drive, when the value cannot be read.
CString DefaultDestination();
