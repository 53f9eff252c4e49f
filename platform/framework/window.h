// Windows and the controls the dialog uses, as thin wrappers over a native handle. Every member
// function acts on the native control at once; the wrappers keep no state of their own.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/framework/message_map.h"
#include "platform/framework/types.h"

namespace dlg {

class CMenu;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }

    void EnableWindow(bool enable = true);
    bool IsWindowEnabled() const;
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;

    // A wrapper for the child control `id`, owned by this window and valid while it exists;
    // nullptr when there is no such control.
    CWnd* GetDlgItem(int id);
    // Changes the check of this one button only, whatever its group.
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;

    // The window's system menu, or nullptr when it has none.
    CMenu* GetSystemMenu(bool revert);
    // Sets the big or the small window icon and returns the previous one.
    HICON SetIcon(HICON icon, bool big);
    bool IsIconic() const;
    void GetClientRect(CRect* rect) const;
    // Passes a message to the window's own handling (the one the dialog sends is
    // WM_ICONERASEBKGND, before it paints its icon while minimised).
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

private:
    std::map<int, std::unique_ptr<CWnd>> m_items;
    std::unique_ptr<CMenu> m_systemMenu;
};

class CEdit : public CWnd {};

class CStatic : public CWnd {};

// The up-down control. Before every step it asks its owner with UDN_DELTAPOS and moves only when
// the answer is 0; it stays within its range and writes its position into its buddy.
class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(int lower, int upper);
    void SetPos(int pos);
    int GetPos() const;
};

class CMenu {
public:
    HMENU m_hMenu = nullptr;
    bool AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);
};

// Painting of a window, between begin and end of one WM_PAINT.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    bool DrawIcon(int x, int y, HICON icon);

private:
    CWnd* m_wnd;
    HDC m_hDC = nullptr;
    void* m_state = nullptr;  // the port's
};

int GetSystemMetrics(int index);

}  // namespace dlg
