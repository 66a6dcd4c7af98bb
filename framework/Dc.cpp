#include "Dc.h"

#include "Wnd.h"

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    m_hDC = nullptr;
    return dc;
}

void CDC::FillSolidRect(const RECT& rect, COLORREF color)
{
    COLORREF old = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight)
{
    LONG width = rect.right - rect.left;
    LONG height = rect.bottom - rect.top;
    FillSolidRect({rect.left, rect.top, rect.right - 1, rect.top + 1}, topLeft);
    FillSolidRect({rect.left, rect.top, rect.left + 1, rect.bottom - 1}, topLeft);
    FillSolidRect({rect.left + width - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    FillSolidRect({rect.left, rect.top + height - 1, rect.right, rect.bottom}, bottomRight);
}

int CDC::DrawText(const CString& text, RECT* rect, UINT format)
{
    return ::DrawTextA(m_hDC, text.c_str(), -1, rect, format);
}

BOOL CDC::DrawState(POINT position, SIZE size, HICON icon, UINT flags, HBRUSH brush)
{
    return ::DrawStateA(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(icon), 0, position.x, position.y, size.cx,
                        size.cy, flags);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
