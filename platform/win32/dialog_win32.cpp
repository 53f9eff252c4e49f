// CDialog on the system's own modal dialogs: DialogBoxParamA builds the window from the dialog
// resource and runs the modal loop; DialogProc turns the messages the framework knows into calls of
// OnInitDialog, OnOK, OnCancel and the message map.
#include "platform/win32/native.h"

#include <map>

#include "platform/framework/dialog.h"
#include "platform/win32/dialog_win32.h"

namespace dlg {

namespace {

using win32::Native;

struct ModalState {
    CDialog* dialog;
    bool ended = false;
};

// The dialogs whose modal loop is running, nested ones included; one thread runs them all.
std::map<::HWND, ModalState*>& Running() {
    static std::map<::HWND, ModalState*> running;
    return running;
}

ModalState* StateOf(::HWND window) {
    auto found = Running().find(window);
    return found == Running().end() ? nullptr : found->second;
}

// Centred over the owner, or on the screen when there is none, and kept inside the work area.
void Centre(::HWND dialog) {
    ::HWND owner = GetWindow(dialog, GW_OWNER);
    if (owner != nullptr && (!IsWindowVisible(owner) || ::IsIconic(owner)))
        owner = nullptr;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT area = monitor.rcWork;
    RECT over = area;
    if (owner != nullptr)
        GetWindowRect(owner, &over);
    RECT box;
    GetWindowRect(dialog, &box);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    int x = over.left + ((over.right - over.left) - width) / 2;
    int y = over.top + ((over.bottom - over.top) - height) / 2;
    if (x + width > area.right)
        x = area.right - width;
    if (y + height > area.bottom)
        y = area.bottom - height;
    if (x < area.left)
        x = area.left;
    if (y < area.top)
        y = area.top;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR Command(CDialog& dialog, ::WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    const int id = LOWORD(wParam);
    MessageArgs args;
    if (dialog.Dispatch(MessageKind::Command, BN_CLICKED, id, args))
        return TRUE;
    if (id == IDOK) {
        dialog.OnOK();
        return TRUE;
    }
    if (id == IDCANCEL) {
        dialog.OnCancel();
        return TRUE;
    }
    return FALSE;
}

// The handler sees our NMUPDOWN; what it changes goes back to the control, which steps by the
// delta it finds there afterwards.
INT_PTR Notify(CDialog& dialog, ::HWND window, ::LPARAM lParam) {
    auto* header = reinterpret_cast<::NMHDR*>(lParam);
    const bool upDown = header->code == UDN_DELTAPOS;
    NMUPDOWN notify = {};
    notify.hdr.hwndFrom = header->hwndFrom;
    notify.hdr.idFrom = header->idFrom;
    notify.hdr.code = header->code;
    if (upDown) {
        const auto* native = reinterpret_cast<::NMUPDOWN*>(lParam);
        notify.iPos = native->iPos;
        notify.iDelta = native->iDelta;
    }
    LRESULT result = 0;
    MessageArgs args;
    args.notify = &notify.hdr;
    args.result = &result;
    if (!dialog.Dispatch(MessageKind::Notify, header->code, static_cast<int>(header->idFrom), args))
        return FALSE;
    if (upDown) {
        auto* native = reinterpret_cast<::NMUPDOWN*>(lParam);
        native->iPos = notify.iPos;
        native->iDelta = notify.iDelta;
    }
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK DialogProc(::HWND window, ::UINT message, ::WPARAM wParam, ::LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* state = reinterpret_cast<ModalState*>(lParam);
        Running()[window] = state;
        state->dialog->m_hWnd = window;
        Centre(window);
        return state->dialog->OnInitDialog() ? TRUE : FALSE;
    }
    ModalState* state = StateOf(window);
    if (state == nullptr)
        return FALSE;  // before WM_INITDIALOG, after WM_NCDESTROY
    CDialog& dialog = *state->dialog;
    switch (message) {
        case WM_COMMAND:
            return Command(dialog, wParam);
        case WM_NOTIFY:
            return Notify(dialog, window, lParam);
        case WM_SYSCOMMAND: {
            MessageArgs args;
            args.sysCommand = static_cast<UINT>(wParam);
            args.lParam = lParam;
            if (!dialog.Dispatch(MessageKind::SysCommand, 0, 0, args))
                return FALSE;
            SetWindowLongPtrA(window, DWLP_MSGRESULT, 0);
            return TRUE;
        }
        case WM_PAINT: {
            MessageArgs args;
            return dialog.Dispatch(MessageKind::Paint, 0, 0, args) ? TRUE : FALSE;
        }
        case WM_QUERYDRAGICON: {
            MessageArgs args;
            if (!dialog.Dispatch(MessageKind::QueryDragIcon, 0, 0, args))
                return FALSE;
            return reinterpret_cast<INT_PTR>(args.icon);  // returned as it is, not as a result
        }
        case WM_NCDESTROY:
            Running().erase(window);
            dialog.m_hWnd = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR CDialog::DoModal() {
    // Owned by the parent, or by whatever window is active: the About box by the main dialog.
    ::HWND owner = m_pParentWnd != nullptr && m_pParentWnd->m_hWnd != nullptr
                       ? Native(m_pParentWnd->m_hWnd)
                       : GetActiveWindow();
    ModalState state{this};
    const INT_PTR result = DialogBoxParamA(win32::Module(), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                                           DialogProc, reinterpret_cast<::LPARAM>(&state));
    m_hWnd = nullptr;
    return result;
}

void CDialog::EndDialog(int result) {
    ::HWND window = Native(m_hWnd);
    if (window == nullptr)
        return;
    if (ModalState* state = StateOf(window))
        state->ended = true;
    ::EndDialog(window, result);
}

void CDialog::OnSysCommand(UINT id, LPARAM lParam) {
    DefWindowProcA(Native(m_hWnd), WM_SYSCOMMAND, id, lParam);
}

void CDialog::OnPaint() {
    DefWindowProcA(Native(m_hWnd), WM_PAINT, 0, 0);
}

namespace win32 {

CDialog* DialogOf(::HWND window) {
    ModalState* state = StateOf(window);
    return state ? state->dialog : nullptr;
}

bool DialogEnded(::HWND window) {
    ModalState* state = StateOf(window);
    return state == nullptr || state->ended;
}

}  // namespace win32

}  // namespace dlg
