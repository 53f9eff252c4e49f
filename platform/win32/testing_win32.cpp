// The test driver on real Win32 dialogs. Every action goes the way a user's would: a click is the
// button's own click (so an automatic radio button marks itself and clears its group), a step is
// a mouse press on one half of the up-down control, Escape and Enter pass through the dialog
// manager, and a system menu entry becomes the WM_SYSCOMMAND that choosing it sends.
#include "platform/win32/native.h"

#include <map>
#include <utility>

#include "platform/framework/testing.h"
#include "platform/win32/dialog_win32.h"

namespace dlg::testing {

namespace {

using win32::Native;

// Lets the loop hand on what the action posted (the dialog manager posts the Cancel command that
// the Close entry becomes), as the modal loop would before the user's next action.
void Settle() {
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE);
         ++i) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class Win32Driver final : public DialogDriver {
public:
    explicit Win32Driver(::HWND dialog) : m_dialog(dialog) {}

    void Click(int id) override {
        ::HWND control = Reachable(id);
        if (control == nullptr)
            return;
        SendMessageA(control, BM_CLICK, 0, 0);
        Settle();
    }

    void Step(int spinId, int direction) override {
        ::HWND spin = Reachable(spinId);
        if (spin == nullptr)
            return;
        RECT client;
        ::GetClientRect(spin, &client);
        const int y = direction > 0 ? client.bottom / 4 : client.bottom * 3 / 4;
        const ::LPARAM at = MAKELPARAM(client.right / 2, y);
        SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(spin, WM_LBUTTONUP, 0, at);
        Settle();
    }

    bool SystemMenuCommand(UINT command) override {
        ::HMENU menu = ::GetSystemMenu(m_dialog, FALSE);
        if (menu == nullptr)
            return false;
        bool found = false;
        for (int i = 0, n = GetMenuItemCount(menu); i < n && !found; ++i)
            found = GetMenuItemID(menu, i) == command;
        if (!found)
            return false;
        SendMessageA(m_dialog, WM_SYSCOMMAND, command, 0);
        Settle();
        return true;
    }

    void PressEscape() override { Press(VK_ESCAPE); }
    void PressEnter() override { Press(VK_RETURN); }

    bool Exists(int id) override { return GetDlgItem(m_dialog, id) != nullptr; }
    bool IsChecked(int id) override { return IsDlgButtonChecked(m_dialog, id) == BST_CHECKED; }
    bool IsEnabled(int id) override {
        ::HWND control = GetDlgItem(m_dialog, id);
        return control != nullptr && IsWindowEnabled(control);
    }
    std::string Text(int id) override {
        CWnd control;
        control.m_hWnd = GetDlgItem(m_dialog, id);
        return control.m_hWnd ? control.GetWindowText() : std::string();
    }
    bool HasEnded() override { return win32::DialogEnded(m_dialog); }

private:
    // The control, when a user could reach it: it and its dialog visible and enabled.
    ::HWND Reachable(int id) {
        ::HWND control = GetDlgItem(m_dialog, id);
        if (control == nullptr || !IsWindowVisible(control) || !IsWindowEnabled(control))
            return nullptr;
        if (!IsWindowEnabled(m_dialog) || win32::DialogEnded(m_dialog))
            return nullptr;
        return control;
    }

    // The key goes to the focus, as typed keys do, and through the dialog manager first.
    void Press(::WPARAM key) {
        ::HWND focus = GetFocus();
        if (focus != m_dialog && !IsChild(m_dialog, focus))
            focus = m_dialog;
        const ::LPARAM scan =
            static_cast<::LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
        MSG down = {focus, WM_KEYDOWN, key, scan | 1, static_cast<::DWORD>(GetMessageTime()), {}};
        if (!IsDialogMessageA(m_dialog, &down)) {
            TranslateMessage(&down);
            DispatchMessageA(&down);
        }
        Settle();
    }

    ::HWND m_dialog;
};

struct PendingRun {
    CDialog* dialog;
    const std::function<void(DialogDriver&)>* script;
};
PendingRun* g_pendingRun = nullptr;

// A thread timer fires from whatever loop runs, here the dialog's own, once it has been shown.
void CALLBACK RunScript(::HWND, ::UINT, ::UINT_PTR timer, ::DWORD) {
    PendingRun* run = g_pendingRun;
    if (run == nullptr) {
        KillTimer(nullptr, timer);
        return;
    }
    ::HWND dialog = Native(run->dialog->m_hWnd);
    if (dialog == nullptr)
        return;  // not created yet: the next tick
    KillTimer(nullptr, timer);
    g_pendingRun = nullptr;
    Win32Driver driver(dialog);
    (*run->script)(driver);
    if (!win32::DialogEnded(dialog))
        run->dialog->EndDialog(IDCANCEL);
}

using Seen = std::function<void(const std::string& caption, const std::string& text)>;

std::map<::UINT_PTR, Seen>& PendingCloses() {
    static std::map<::UINT_PTR, Seen> pending;
    return pending;
}

bool IsModalCandidate(::HWND window) {
    return window != nullptr && IsWindowVisible(window) && IsWindowEnabled(window) &&
           GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

BOOL CALLBACK FindEnabledTopLevel(::HWND window, ::LPARAM found) {
    if (!IsModalCandidate(window))
        return TRUE;
    *reinterpret_cast<::HWND*>(found) = window;
    return FALSE;
}

// The modal window on top: the active one, else the first (topmost) window of this thread that
// still takes input, since a modal loop disables what lies below it.
::HWND ActiveModalWindow() {
    ::HWND active = GetActiveWindow();
    if (IsModalCandidate(active))
        return active;
    ::HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindEnabledTopLevel,
                      reinterpret_cast<::LPARAM>(&found));
    return found;
}

std::string TextOf(::HWND window) {
    CWnd wrapper;
    wrapper.m_hWnd = window;
    return window ? wrapper.GetWindowText() : std::string();
}

void CALLBACK CloseModal(::HWND, ::UINT, ::UINT_PTR timer, ::DWORD) {
    auto pending = PendingCloses().find(timer);
    if (pending == PendingCloses().end()) {
        KillTimer(nullptr, timer);
        return;
    }
    ::HWND window = ActiveModalWindow();
    if (window == nullptr)
        return;  // nothing open yet: the next tick
    KillTimer(nullptr, timer);
    Seen seen = std::move(pending->second);
    PendingCloses().erase(pending);

    const std::string caption = TextOf(window);
    // A message box keeps its text in the static control 0xFFFF; our dialogs have no message.
    const std::string text =
        win32::DialogOf(window) ? std::string() : TextOf(GetDlgItem(window, 0xFFFF));
    const ::LRESULT defaultId = SendMessageA(window, DM_GETDEFID, 0, 0);
    const int button = HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<::LPARAM>(GetDlgItem(window, button)));
    if (seen)
        seen(caption, text);
}

}  // namespace

void InitPort(int&, char**) {
    // A crash must end the test program, not wait for someone to close a box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::INITCOMMONCONTROLSEX init = {sizeof(::INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&init);
}

INT_PTR RunDialog(CDialog& dialog, const std::function<void(DialogDriver&)>& script) {
    PendingRun run{&dialog, &script};
    PendingRun* outer = std::exchange(g_pendingRun, &run);
    const ::UINT_PTR timer = SetTimer(nullptr, 0, 0, RunScript);
    const INT_PTR result = dialog.DoModal();
    KillTimer(nullptr, timer);
    g_pendingRun = outer;
    return result;
}

void CloseModalAfter(int milliseconds, Seen seen) {
    const ::UINT_PTR timer = SetTimer(nullptr, 0, static_cast<::UINT>(milliseconds), CloseModal);
    PendingCloses()[timer] = std::move(seen);
}

}  // namespace dlg::testing
