#include "ImageButton.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "framework/WinApp.h"

const MessageEntry CImageButton::messageEntries[] = {
    OnMessage<&CImageButton::OnGetDlgCode>(WM_GETDLGCODE),
    OnMessage<&CImageButton::OnSetStyle>(BM_SETSTYLE),
    OnMessage<&CImageButton::OnCheckMessage>(BM_SETCHECK),
    OnMessage<&CImageButton::OnCheckMessage>(BM_GETCHECK),
    OnMessage<&CImageButton::OnMouseMove>(WM_MOUSEMOVE),
    OnMessage<&CImageButton::OnMouseLeave>(WM_MOUSELEAVE),
    OnMessage<&CImageButton::OnKillFocus>(WM_KILLFOCUS),
    OnMessage<&CImageButton::OnCancelMode>(WM_CANCELMODE),
    OnMessage<&CImageButton::OnEnable>(WM_ENABLE),
    OnMessage<&CImageButton::OnSysColorChange>(WM_SYSCOLORCHANGE),
    OnReflected<&CImageButton::CtlColor>(kCtlColorMessages),
    OnReflected<&CImageButton::OnClicked>(WM_COMMAND, BN_CLICKED),
};
const MessageMap CImageButton::messageMap{&CButton::messageMap, messageEntries};

CImageButton::CImageButton() { ResetColors(FALSE); }

CImageButton::~CImageButton() { ReleaseIcon(); }

void CImageButton::ReleaseIcon()
{
    if (m_icon.handle)
        ::DestroyIcon(m_icon.handle);
    m_icon = Icon{};
}

void CImageButton::Repaint()
{
    // Before the button is attached there is nothing to repaint (and a null
    // window would invalidate every window).
    if (m_hWnd)
        Invalidate(TRUE);
}

// ---- Configuration ----

UINT CImageButton::SetIcon(UINT iconId)
{
    ReleaseIcon();
    auto* icon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(LOWORD(iconId)),
                                                 IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    if (!icon) {
        Repaint();
        return kDone;
    }
    m_icon.handle = icon;
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) {
        ReleaseIcon();
        return kIconQueryFailed;
    }
    // An icon's hot spot is its centre.
    m_icon.width = static_cast<int>(info.xHotspot) * 2;
    m_icon.height = static_cast<int>(info.yHotspot) * 2;
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    Repaint();
    return kDone;
}

UINT CImageButton::SetColor(BYTE slot, COLORREF color, BOOL repaint)
{
    if (slot >= ColorSlotCount)
        return kBadColorSlot;
    m_colors[slot] = color;
    if (repaint)
        Repaint();
    return kDone;
}

UINT CImageButton::ShiftColor(BYTE slot, short offset, BOOL repaint)
{
    if (slot >= ColorSlotCount)
        return kBadColorSlot;
    if (offset < -255 || offset > 255)
        return kBadColorOffset;
    int red = GetRValue(m_colors[slot]);
    int green = GetGValue(m_colors[slot]);
    int blue = GetBValue(m_colors[slot]);
    // The same amount on every channel keeps the hue; no channel may leave 0..255.
    int amount = offset > 0 ? std::min({static_cast<int>(offset), 255 - red, 255 - green, 255 - blue})
                            : std::max({static_cast<int>(offset), -red, -green, -blue});
    m_colors[slot] = RGB(red + amount, green + amount, blue + amount);
    if (repaint)
        Repaint();
    return kDone;
}

UINT CImageButton::SetIconPlacement(BYTE placement, BOOL repaint)
{
    if (placement > PlaceNone)
        return kBadPlacement;
    m_placement = placement;
    if (repaint)
        Repaint();
    return kDone;
}

UINT CImageButton::ResetColors(BOOL repaint)
{
    for (BYTE slot : {HotFace, Face, FocusFace})
        m_colors[slot] = ::GetSysColor(COLOR_BTNFACE);
    for (BYTE slot : {HotText, Text, FocusText})
        m_colors[slot] = ::GetSysColor(COLOR_BTNTEXT);
    if (repaint)
        Repaint();
    return kDone;
}

void CImageButton::PreSubclassWindow()
{
    DWORD style = GetStyle();
    if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        m_isDefault = TRUE;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((style & ~BS_TYPEMASK) | BS_OWNERDRAW));
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

// ---- Drawing ----

void CImageButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    CDC dc(item->hDC);
    m_pressed = (item->itemState & ODS_SELECTED) != 0;
    m_focused = (item->itemState & ODS_FOCUS) != 0;
    m_disabled = (item->itemState & ODS_DISABLED) != 0;

    RECT rect = item->rcItem;
    dc.SetBkMode(TRANSPARENT);
    DrawFace(&dc, rect);
    DrawFrame(&dc, rect);

    CString caption = GetWindowText();
    RECT captionRect = item->rcItem;
    if (m_icon.handle)
        DrawImage(&dc, !caption.empty(), item->rcItem, &captionRect, m_pressed, m_disabled);
    if (!caption.empty())
        DrawCaption(&dc, caption, item->rcItem, &captionRect, m_pressed, m_disabled);
}

UINT CImageButton::DrawFace(CDC* dc, const RECT& rect)
{
    COLORREF face = m_hovered || m_pressed ? m_colors[HotFace] : m_focused ? m_colors[FocusFace] : m_colors[Face];
    HBRUSH brush = ::CreateSolidBrush(face);
    ::FillRect(*dc, &rect, brush);
    ::DeleteObject(brush);
    return 0;
}

UINT CImageButton::DrawFrame(CDC* dc, const RECT& rect)
{
    COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF dark = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_pressed)
        dc->Draw3dRect(rect, dark, light);
    else if (m_hovered)
        dc->Draw3dRect(rect, light, dark);
    return 0;
}

void CImageButton::PlaceImage(BOOL hasCaption, const RECT& item, RECT* caption, BOOL pressed, int width,
                              int height, RECT* image) const
{
    const LONG itemWidth = item.right - item.left;
    const LONG itemHeight = item.bottom - item.top;
    const LONG centredLeft = item.left + (itemWidth - width) / 2;
    const LONG centredTop = item.top + (itemHeight - height) / 2;
    *image = item;
    switch (m_placement) {
    case PlaceLeft:
        image->top = centredTop;
        if (hasCaption) {
            image->left = item.left + m_imageMargin.x;
            caption->left += m_imageMargin.x + width;
        } else {
            image->left = centredLeft;
        }
        break;
    case PlaceTop:
        image->left = centredLeft;
        if (hasCaption) {
            image->top = m_imageMargin.y;
            caption->top += height;
        } else {
            image->top = centredTop;
        }
        break;
    case PlaceRight:
        if (hasCaption) {
            RECT client{};
            ::GetClientRect(m_hWnd, &client);
            LONG captionWidth = caption->right - caption->left;
            caption->left = m_imageMargin.x;
            caption->right = captionWidth - m_imageMargin.x - width;
            image->left = client.right - m_imageMargin.x - width;
            image->top = centredTop;
        } else {
            image->left = centredLeft;
        }
        break;
    default:
        break;
    }
    if (pressed)
        ::OffsetRect(image, m_pressOffset.x, m_pressOffset.y);
}

void CImageButton::DrawImage(CDC* dc, BOOL hasCaption, const RECT& item, RECT* caption, BOOL pressed,
                             BOOL disabled)
{
    RECT image{};
    PlaceImage(hasCaption, item, caption, pressed, m_icon.width, m_icon.height, &image);
    dc->DrawState({image.left, image.top}, {image.right - image.left, image.bottom - image.top}, m_icon.handle,
                  DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
}

void CImageButton::DrawCaption(CDC* dc, const CString& text, const RECT&, RECT* caption, BOOL pressed,
                               BOOL disabled)
{
    if (pressed)
        ::OffsetRect(caption, m_pressOffset.x, m_pressOffset.y);
    const RECT available = *caption;
    dc->DrawText(text, caption, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    ::OffsetRect(caption, ((available.right - available.left) - (caption->right - caption->left)) / 2,
                 ((available.bottom - available.top) - (caption->bottom - caption->top)) / 2);
    dc->SetBkMode(TRANSPARENT);
    if (disabled) {
        // Embossed: a light copy one pixel down and right under the dark text.
        ::OffsetRect(caption, 1, 1);
        dc->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        dc->DrawText(text, caption, DT_WORDBREAK | DT_CENTER);
        ::OffsetRect(caption, -1, -1);
        dc->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
    } else if (m_hovered || m_pressed) {
        dc->SetTextColor(m_colors[HotText]);
        dc->SetBkColor(m_colors[HotFace]);
    } else if (m_focused) {
        dc->SetTextColor(m_colors[FocusText]);
        dc->SetBkColor(m_colors[FocusFace]);
    } else {
        dc->SetTextColor(m_colors[Text]);
        dc->SetBkColor(m_colors[Face]);
    }
    dc->DrawText(text, caption, DT_WORDBREAK | DT_CENTER);
}

// ---- Messages ----

BOOL CImageButton::PreTranslateMessage(MSG* msg)
{
    // A quick second click presses the button again instead of double-clicking it.
    if (msg->hwnd == m_hWnd && msg->message == WM_LBUTTONDBLCLK)
        msg->message = WM_LBUTTONDOWN;
    return CButton::PreTranslateMessage(msg);
}

LRESULT CImageButton::OnGetDlgCode()
{
    return Default() | (m_isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

LRESULT CImageButton::OnSetStyle(WPARAM style, LPARAM redraw)
{
    if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        m_isDefault = TRUE;
    else if ((style & BS_TYPEMASK) == BS_PUSHBUTTON)
        m_isDefault = FALSE;
    // The dialog manager would turn the button back into a plain push button.
    return DefWindowProc(BM_SETSTYLE, (style & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW, redraw);
}

LRESULT CImageButton::OnCheckMessage() { return 0; }

LRESULT CImageButton::OnMouseMove(WPARAM keys, LPARAM position)
{
    Default();
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ::ClientToScreen(m_hWnd, &point);
    HWND under = ::WindowFromPoint(point);
    // A drag that began elsewhere does not light the button.
    if ((keys & MK_LBUTTON) && !m_hovered)
        return 0;
    if (under != m_hWnd) {
        EndHover();
        return 0;
    }
    if (m_hovered)
        return 0;
    m_hovered = TRUE;
    Invalidate(TRUE);
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = m_hWnd;
    ::_TrackMouseEvent(&track);
    return 0;
}

LRESULT CImageButton::OnMouseLeave()
{
    EndHover();
    return 0;
}

void CImageButton::OnKillFocus()
{
    Default();
    EndHover();
}

void CImageButton::OnCancelMode()
{
    Default();
    EndHover();
}

LRESULT CImageButton::OnEnable(WPARAM enabled, LPARAM)
{
    LRESULT result = Default();
    if (!enabled) {
        // A disabled button cannot keep the focus: it goes on to the next tab stop.
        HWND parent = ::GetParent(m_hWnd);
        HWND next = ::GetNextDlgTabItem(parent, m_hWnd, FALSE);
        ::SetFocus(next && next != m_hWnd ? next : parent);
    }
    EndHover();
    return result;
}

void CImageButton::OnSysColorChange()
{
    Default();
    ResetColors(TRUE);
}

HBRUSH CImageButton::CtlColor(CDC*, HWND, UINT) { return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH)); }

BOOL CImageButton::OnClicked()
{
    ::SetFocus(m_hWnd);
    return FALSE;
}

void CImageButton::EndHover()
{
    if (!m_hovered)
        return;
    m_hovered = FALSE;
    Invalidate(TRUE);
}
