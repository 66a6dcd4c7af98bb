#pragma once
#include "Wnd.h"

class CEdit : public CWnd {
};
