#pragma once
#include <commctrl.h>

#include "Wnd.h"

class CProgressCtrl : public CWnd {
public:
    int SetPos(int position) { return static_cast<int>(SendMessage(PBM_SETPOS, position)); }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
};
