#pragma once
#include <windows.h>

// A GDI object owned by its wrapper and deleted with it.
class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject();

    HGDIOBJ m_hObject = nullptr;
};

class CBrush : public CGdiObject {
public:
    // A solid brush; raises the resource exception when the system has none to give.
    explicit CBrush(COLORREF color);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};
