#pragma once
#include <windows.h>

#include "AfxString.h"

class CWnd;

// A device context wrapper; it owns nothing unless a derived class says so.
class CDC {
public:
    CDC() = default;
    explicit CDC(HDC dc) : m_hDC(dc) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }
    void Attach(HDC dc) { m_hDC = dc; }
    HDC Detach();

    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    void FillSolidRect(const RECT& rect, COLORREF color);
    // Top and left lines in topLeft, right and bottom lines in bottomRight.
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
    int DrawText(const CString& text, RECT* rect, UINT format);
    BOOL DrawState(POINT position, SIZE size, HICON icon, UINT flags, HBRUSH brush = nullptr);
};

// BeginPaint and EndPaint around one WM_PAINT.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};
