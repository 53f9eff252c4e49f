// The program's entry point, which the class library owns on the platform: start Qt, route the
// engine's messages to the error box, and run the one application object.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/framework/app.h"
#include "platform/message.h"
#include "platform/qt/look.h"

namespace {

bool HasDisplay() {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // Without a display Qt would abort with a page of plugin diagnostics.
    if (!HasDisplay()) {
        std::fputs(
            "kelvane: no display found (DISPLAY is not set); run it on a desktop or under "
            "xvfb-run\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    dlg::qtport::ApplyClassicLook(app);
    platform::InstallMessageSink(
        [](std::string_view text) { dlg::AfxMessageBox(std::string(text).c_str()); });

    dlg::CWinApp* theApp = dlg::AfxGetApp();
    if (theApp == nullptr)
        return 1;
    // The dialog's modal loop was the program's loop; once InitInstance is back there is
    // nothing left to run.
    theApp->InitInstance();
    return 0;
}
