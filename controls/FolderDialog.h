#pragma once
#include "framework/FileDialog.h"

// The old-style save-file dialog turned into a folder chooser: only the
// folder and drive lists stay visible, and a hidden file name lets OK accept
// whatever folder is open.
class CFolderDialog : public CFileDialog {
public:
    explicit CFolderDialog(CWnd* parent);

    BOOL OnInitDialog() override;

protected:
    void OnPaint();

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageEntry messageEntries[];
    static const MessageMap messageMap;

private:
    BOOL m_firstPaint = FALSE;
};
