#pragma once
// A small dialog whose push buttons are image buttons, for the drawing,
// setter and behaviour tests of CImageButton.
#include <windows.h>

#include <vector>

#include "controls/ImageButton.h"
#include "framework/Afx.h"
#include "test_resource.h"

// Lets a test see and set the button's state.
class ProbeButton : public CImageButton {
public:
    using CImageButton::m_hovered;
    using CImageButton::m_icon;
    using CImageButton::m_isDefault;
    using CImageButton::PlaceImage;
};

class ImageButtonDialog : public CDialog {
public:
    ImageButtonDialog() : CDialog(IDD_TEST_DIALOG) {}

    ProbeButton okButton;      // the template's default push button
    ProbeButton childButton;   // a plain push button
    int childClicks = 0;

protected:
    void DoDataExchange(CDataExchange* exchange) override
    {
        DDX_Control(exchange, IDOK, okButton);
        DDX_Control(exchange, IDC_TEST_BUTTON, childButton);
    }
    void OnChild() { ++childClicks; }
    void OnOK() override {}
    void OnCancel() override {}

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageEntry messageEntries[];
    static const MessageMap messageMap;
};

// A button rendered into a 32-bit memory bitmap through DrawItem.
class Rendering {
public:
    Rendering(CImageButton& button, UINT itemState, int width, int height);
    ~Rendering();
    Rendering(const Rendering&) = delete;
    Rendering& operator=(const Rendering&) = delete;

    COLORREF At(int x, int y) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Count(COLORREF color) const;
    // The smallest rectangle holding every pixel that matches; empty when none.
    template <typename Match>
    RECT Bounds(Match match) const
    {
        RECT box{m_width, m_height, -1, -1};
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (match(At(x, y))) {
                    box.left = x < box.left ? x : box.left;
                    box.top = y < box.top ? y : box.top;
                    box.right = x > box.right ? x : box.right;
                    box.bottom = y > box.bottom ? y : box.bottom;
                }
        return box;
    }

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    const DWORD* m_bits = nullptr;
};

// Runs the messages of the calling thread through the framework's
// pre-translation for dialog, as its modal loop does, for ms milliseconds.
void PumpMessages(HWND dialog, DWORD ms);
