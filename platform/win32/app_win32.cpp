// The application's services: its resources, the common controls and the error box.
#include "platform/win32/native.h"

#include <string>

#include "platform/framework/app.h"

namespace dlg {

HICON CWinApp::LoadIcon(UINT id) const {
    return LoadIconA(win32::Module(), MAKEINTRESOURCEA(id));
}

bool InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    ::INITCOMMONCONTROLSEX native = {};
    native.dwSize = init->dwSize;
    native.dwICC = init->dwICC;
    return ::InitCommonControlsEx(&native) != 0;
}

bool LoadResourceString(UINT id, std::string& text) {
    char buffer[1024];
    const int length = LoadStringA(win32::Module(), id, buffer, sizeof buffer);
    text.assign(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    return length > 0;
}

int AfxMessageBox(const char* text, UINT type) {
    // An OK box whose caller names no icon gets the exclamation mark.
    const UINT buttons = type & MB_TYPEMASK;
    if ((type & MB_ICONMASK) == 0 && (buttons == MB_OK || buttons == MB_OKCANCEL))
        type |= MB_ICONEXCLAMATION;
    return MessageBoxA(GetActiveWindow(), text, AppName().c_str(), type);
}

std::string AppName() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length);
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

}  // namespace dlg
