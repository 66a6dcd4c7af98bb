#pragma once
#include <windows.h>

#include "AfxString.h"
#include "CmdTarget.h"

// A window object: a handle plus the calls the setup makes on it. A window is
// bound to its object once, through a window property, and every message then
// takes one path: WindowProc, the reflection to the child it concerns, the
// message map chain, and the window's own default processing.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }

    // The object bound to a window, or null for windows the framework does not own.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Takes over an existing window: binds it, calls PreSubclassWindow and
    // routes its messages through WindowProc.
    BOOL SubclassWindow(HWND hwnd);
    BOOL DestroyWindow();

    CString GetWindowText() const;
    void SetWindowText(const char* text);
    void SetDlgItemText(int id, const char* text);
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }

    // Sees a message before it is dispatched (from the framework's loops).
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Offers msg to the bound windows from its target up to (and including) top.
    static BOOL WalkPreTranslateTree(HWND top, MSG* msg);

    // A notification that the parent reflects back to this control.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();

    virtual void PreSubclassWindow() {}
    virtual void PostNcDestroy() {}

    const MessageMap* GetMessageMap() const override { return &messageMap; }
    static const MessageMap messageMap;

    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Bind(HWND hwnd);

private:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Unbind();

    WNDPROC m_superProc = nullptr;
    MSG m_currentMsg{};
};
