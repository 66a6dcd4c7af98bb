#pragma once
#include <windows.h>

#include "framework/Button.h"
#include "framework/Dc.h"

// The flat owner-drawn push button of the destination dialog: a face in a
// state colour, a one-pixel edge only under the mouse or while pressed, an
// optional icon beside or above the caption. It takes over a template push
// button through DDX_Control and follows the mouse on its own.
class CImageButton : public CButton {
public:
    enum ColorSlot : BYTE { HotFace, HotText, Face, Text, FocusFace, FocusText, ColorSlotCount };
    enum IconPlacement : BYTE { PlaceLeft, PlaceTop, PlaceRight, PlaceNone };

    // Result codes of the setters.
    static constexpr UINT kDone = 0;
    static constexpr UINT kIconQueryFailed = 1;
    static constexpr UINT kBadColorSlot = 3;
    static constexpr UINT kBadPlacement = 4;
    static constexpr UINT kBadColorOffset = 5;

    CImageButton();
    ~CImageButton() override;

    // Loads the icon resource (low 16 bits of the number) from the executable.
    UINT SetIcon(UINT iconId);
    UINT SetColor(BYTE slot, COLORREF color, BOOL repaint = TRUE);
    // Lightens (offset > 0) or darkens the slot's colour keeping its hue.
    UINT ShiftColor(BYTE slot, short offset, BOOL repaint = TRUE);
    UINT SetIconPlacement(BYTE placement, BOOL repaint = TRUE);
    UINT ResetColors(BOOL repaint = TRUE);

    COLORREF GetColor(BYTE slot) const { return slot < ColorSlotCount ? m_colors[slot] : CLR_INVALID; }
    BYTE GetIconPlacement() const { return m_placement; }

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void PreSubclassWindow() override;

    // The drawing steps, in the order DrawItem runs them.
    virtual UINT DrawFace(CDC* dc, const RECT& rect);
    virtual UINT DrawFrame(CDC* dc, const RECT& rect);
    virtual void DrawImage(CDC* dc, BOOL hasCaption, const RECT& item, RECT* caption, BOOL pressed,
                           BOOL disabled);
    virtual void DrawCaption(CDC* dc, const CString& text, const RECT& item, RECT* caption, BOOL pressed,
                             BOOL disabled);

    // Where an image of width x height goes, and what is left for the caption.
    void PlaceImage(BOOL hasCaption, const RECT& item, RECT* caption, BOOL pressed, int width, int height,
                    RECT* image) const;

    LRESULT OnGetDlgCode();
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    // BM_SETCHECK is ignored and BM_GETCHECK answers unchecked.
    LRESULT OnCheckMessage();
    LRESULT OnMouseMove(WPARAM keys, LPARAM position);
    LRESULT OnMouseLeave();
    void OnKillFocus();
    void OnCancelMode();
    LRESULT OnEnable(WPARAM enabled, LPARAM);
    void OnSysColorChange();
    HBRUSH CtlColor(CDC* dc, HWND window, UINT controlType);
    BOOL OnClicked();

    // Drops the hover look, if shown.
    void EndHover();

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageEntry messageEntries[];
    static const MessageMap messageMap;

    BOOL m_hovered = FALSE;
    BOOL m_pressed = FALSE;
    BOOL m_focused = FALSE;
    BOOL m_disabled = FALSE;
    BOOL m_isDefault = FALSE;
    BYTE m_placement = PlaceLeft;
    POINT m_imageMargin{3, 3};
    POINT m_pressOffset{1, 1};
    COLORREF m_colors[ColorSlotCount]{};
    struct Icon {
        HICON handle = nullptr;
        int width = 0;
        int height = 0;
    } m_icon;

private:
    void ReleaseIcon();
    void Repaint();
    COLORREF CaptionColor() const;
};
