#include "Gdi.h"

#include "Exceptions.h"

CGdiObject::~CGdiObject()
{
    if (m_hObject)
        ::DeleteObject(m_hObject);
}

CBrush::CBrush(COLORREF color)
{
    m_hObject = ::CreateSolidBrush(color);
    if (!m_hObject)
        AfxThrowResourceException();
}
