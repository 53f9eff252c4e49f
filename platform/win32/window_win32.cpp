// CWnd and the control wrappers: each member is one call of the window's own functions.
#include "platform/win32/native.h"

#include <vector>

#include "platform/framework/port.h"
#include "platform/framework/window.h"

namespace dlg {

using win32::Native;

void CWnd::EnableWindow(bool enable) {
    ::EnableWindow(Native(m_hWnd), enable ? TRUE : FALSE);
}

bool CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(Native(m_hWnd)) != 0;
}

void CWnd::SetWindowText(const std::string& text) {
    SetWindowTextA(Native(m_hWnd), text.c_str());
}

std::string CWnd::GetWindowText() const {
    const int length = GetWindowTextLengthA(Native(m_hWnd));
    if (length <= 0)
        return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextA(Native(m_hWnd), text.data(), length + 1);
    return std::string(text.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

void CWnd::CheckDlgButton(int id, UINT check) {
    ::CheckDlgButton(Native(m_hWnd), id, check);
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    return ::IsDlgButtonChecked(Native(m_hWnd), id);
}

HICON CWnd::SetIcon(HICON icon, bool big) {
    return reinterpret_cast<HICON>(SendMessageA(
        Native(m_hWnd), WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<::LPARAM>(icon)));
}

bool CWnd::IsIconic() const {
    return ::IsIconic(Native(m_hWnd)) != 0;
}

void CWnd::GetClientRect(CRect* rect) const {
    RECT client = {};
    ::GetClientRect(Native(m_hWnd), &client);
    rect->left = client.left;
    rect->top = client.top;
    rect->right = client.right;
    rect->bottom = client.bottom;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(Native(m_hWnd), message, wParam, lParam);
}

// The up-down control takes its range as (upper, lower), the reverse of our argument order.
void CSpinButtonCtrl::SetRange(int lower, int upper) {
    SendMessageA(Native(m_hWnd), UDM_SETRANGE, 0, MAKELPARAM(upper, lower));
}

void CSpinButtonCtrl::SetPos(int pos) {
    SendMessageA(Native(m_hWnd), UDM_SETPOS, 0, MAKELPARAM(pos, 0));
}

int CSpinButtonCtrl::GetPos() const {
    return static_cast<short>(LOWORD(SendMessageA(Native(m_hWnd), UDM_GETPOS, 0, 0)));
}

bool CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text) {
    return AppendMenuA(win32::NativeMenu(m_hMenu), flags, id, text) != 0;
}

CPaintDC::CPaintDC(CWnd* wnd) : m_wnd(wnd) {
    auto* paint = new PAINTSTRUCT{};
    m_state = paint;
    m_hDC = BeginPaint(Native(wnd->m_hWnd), paint);
}

CPaintDC::~CPaintDC() {
    auto* paint = static_cast<PAINTSTRUCT*>(m_state);
    EndPaint(Native(m_wnd->m_hWnd), paint);
    delete paint;
}

bool CPaintDC::DrawIcon(int x, int y, HICON icon) {
    return ::DrawIcon(static_cast<::HDC>(m_hDC), x, y, win32::NativeIcon(icon)) != 0;
}

int GetSystemMetrics(int index) {
    return ::GetSystemMetrics(index);
}

namespace port {

HWND DlgItem(HWND dialog, int id) {
    return ::GetDlgItem(Native(dialog), id);
}

HMENU SystemMenu(HWND window, bool revert) {
    return ::GetSystemMenu(Native(window), revert ? TRUE : FALSE);
}

}  // namespace port

}  // namespace dlg
