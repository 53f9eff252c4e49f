// The program's entry point, which belongs to the port: errors go to the message box, then the one
// application object runs. Whatever InitInstance returns, the process ends with it: the program's
// whole life is the modal dialog that InitInstance runs.
#include "platform/win32/native.h"

#include <string>
#include <string_view>

#include "platform/framework/app.h"
#include "platform/message.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    platform::InstallMessageSink(
        [](std::string_view text) { dlg::AfxMessageBox(std::string(text).c_str(), MB_OK); });
    dlg::CWinApp* app = dlg::AfxGetApp();
    if (app == nullptr)
        return 1;
    app->InitInstance();
    return 0;
}
