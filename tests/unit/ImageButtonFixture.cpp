#include "ImageButtonFixture.h"

const MessageEntry ImageButtonDialog::messageEntries[] = {
    OnCommand<&ImageButtonDialog::OnChild>(IDC_TEST_BUTTON),
};
const MessageMap ImageButtonDialog::messageMap{&CDialog::messageMap, messageEntries};

namespace {
// Nothing the button draws has this colour.
constexpr COLORREF kUntouched = RGB(1, 2, 3);
}

Rendering::Rendering(CImageButton& button, UINT itemState, int width, int height)
    : m_width(width), m_height(height)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    m_dc = ::CreateCompatibleDC(nullptr);
    m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<const DWORD*>(bits);
    m_oldBitmap = ::SelectObject(m_dc, m_bitmap);
    RECT all{0, 0, width, height};
    HBRUSH untouched = ::CreateSolidBrush(kUntouched);
    ::FillRect(m_dc, &all, untouched);
    ::DeleteObject(untouched);
    // The system selects the button's font before it asks for a drawing.
    ::SelectObject(m_dc, reinterpret_cast<HGDIOBJ>(button.SendMessage(WM_GETFONT)));

    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(::GetDlgCtrlID(button));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = itemState;
    item.hwndItem = button;
    item.hDC = m_dc;
    item.rcItem = all;
    button.DrawItem(&item);
    ::GdiFlush();
}

Rendering::~Rendering()
{
    ::SelectObject(m_dc, m_oldBitmap);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

COLORREF Rendering::At(int x, int y) const
{
    DWORD pixel = m_bits[y * m_width + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int Rendering::Count(COLORREF color) const
{
    int count = 0;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            count += At(x, y) == color;
    return count;
}

void PumpMessages(HWND dialog, DWORD ms)
{
    DWORD end = ::GetTickCount() + ms;
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!CWnd::WalkPreTranslateTree(dialog, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        LONG left = static_cast<LONG>(end - ::GetTickCount());
        if (left <= 0)
            break;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    }
}
