// The application object and the start-up services. The port owns the entry point: it finds the
// one CWinApp object, calls its InitInstance and ends the process when that returns false.
#pragma once

#include <string>

#include "platform/framework/window.h"

namespace dlg {

class CWinApp : public CCmdTarget {
public:
    CWinApp();  // registers the one application object
    ~CWinApp() override;

    virtual bool InitInstance() { return true; }

    CWnd* m_pMainWnd = nullptr;

    // An icon of the program's resources, or nullptr.
    HICON LoadIcon(UINT id) const;
    // Names where settings would be kept; the program keeps none.
    void SetRegistryKey(const char* key) { m_registryKey = key; }
    const std::string& GetRegistryKey() const { return m_registryKey; }

    void OnHelp() {}

    DECLARE_MESSAGE_MAP()

private:
    std::string m_registryKey;
};

// The one application object, or nullptr before it is constructed.
CWinApp* AfxGetApp();

void AfxEnableControlContainer();

struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};
bool InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);

// A string of the program's resources; false (and `text` empty) when there is none.
bool LoadResourceString(UINT id, std::string& text);

// The error box: modal, an OK button, the exclamation icon, captioned with the program's name
// (its executable's file name without extension). Returns IDOK when dismissed.
int AfxMessageBox(const char* text, UINT type = MB_OK);

// The program's name as the error box's caption shows it.
std::string AppName();

}  // namespace dlg
