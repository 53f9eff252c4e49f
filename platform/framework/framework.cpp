// The port-neutral part of the framework: message map lookup, control wrappers, data exchange,
// the application object's registration and the filter strings.
#include <string_view>

#include "platform/framework/app.h"
#include "platform/framework/dialog.h"
#include "platform/framework/file_dialog.h"
#include "platform/framework/port.h"

namespace dlg {

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{MessageKind::End, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

bool CCmdTarget::Dispatch(MessageKind kind, UINT code, int id, MessageArgs& args) {
    const bool byControl = kind == MessageKind::Command || kind == MessageKind::Notify;
    for (const MessageMap* map = GetMessageMap(); map != nullptr;
         map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->kind != MessageKind::End;
             ++entry) {
            if (entry->kind != kind)
                continue;
            if (byControl && (entry->code != code || entry->id != id))
                continue;
            entry->handler(*this, args);
            return true;
        }
    }
    return false;
}

CWnd::~CWnd() = default;

CWnd* CWnd::GetDlgItem(int id) {
    HWND handle = port::DlgItem(m_hWnd, id);
    if (handle == nullptr)
        return nullptr;
    std::unique_ptr<CWnd>& item = m_items[id];
    if (!item)
        item = std::make_unique<CWnd>();
    item->m_hWnd = handle;
    return item.get();
}

CMenu* CWnd::GetSystemMenu(bool revert) {
    HMENU menu = port::SystemMenu(m_hWnd, revert);
    if (menu == nullptr)
        return nullptr;
    if (!m_systemMenu)
        m_systemMenu = std::make_unique<CMenu>();
    m_systemMenu->m_hMenu = menu;
    return m_systemMenu.get();
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    CWnd* item = pDX->m_pDlgWnd->GetDlgItem(id);
    control.m_hWnd = item ? item->m_hWnd : nullptr;
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return true;
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
END_MESSAGE_MAP()

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() {
    g_app = this;
}
CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CWinApp* AfxGetApp() {
    return g_app;
}

void AfxEnableControlContainer() {}

std::vector<FileFilter> ParseFileFilter(const char* filter) {
    std::vector<FileFilter> filters;
    if (filter == nullptr)
        return filters;
    std::string_view rest = filter;
    while (!rest.empty() && rest.front() != '|') {
        std::size_t bar = rest.find('|');
        if (bar == std::string_view::npos)
            break;
        FileFilter entry;
        entry.label = rest.substr(0, bar);
        rest.remove_prefix(bar + 1);
        bar = rest.find('|');
        entry.patterns = rest.substr(0, bar);
        filters.push_back(entry);
        if (bar == std::string_view::npos)
            break;
        rest.remove_prefix(bar + 1);
    }
    return filters;
}

CFileDialog::CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName,
                         DWORD flags, const char* filter, CWnd* parent)
    : m_open(openFileDialog),
      m_defaultExtension(defaultExtension ? defaultExtension : ""),
      m_fileName(fileName ? fileName : ""),
      m_flags(flags),
      m_filters(ParseFileFilter(filter)),
      m_parent(parent) {}

}  // namespace dlg
