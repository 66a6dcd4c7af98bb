#pragma once
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "framework/Static.h"

// Paints the splash's background and the background of its controls' text;
// exists only while a splash dialog does.
extern CBrush* g_splashBrush;

// The product picture shown while the setup starts. It creates and shows
// itself; its destruction takes the window away. Its thread runs no message
// loop, so it paints itself while it is shown.
class CSplashDlg : public CDialog {
public:
    explicit CSplashDlg(CWnd* parent);
    ~CSplashDlg() override;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    HBRUSH OnCtlColor(CDC* dc, HWND window, UINT controlType);
    void OnPaint();

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageEntry messageEntries[];
    static const MessageMap messageMap;

    CStatic m_picture;
};
