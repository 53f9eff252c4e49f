// Building a dialog's window and controls from its template.
#include <strings.h>
#include <QLabel>
#include <QRegularExpressionValidator>

#include "platform/qt/controls.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/handles.h"
#include "platform/qt/updown.h"
#include "platform/styles.h"

namespace dlg::qtport {

namespace {

// Style bits the templates may carry that the shared style header leaves out.
constexpr std::uint32_t kDisabled = 0x08000000;  // WS_DISABLED
constexpr std::uint32_t kEditCenter = 0x0001;    // ES_CENTER
constexpr std::uint32_t kEditRight = 0x0002;     // ES_RIGHT
constexpr std::uint32_t kStaticRight = 0x0002;   // SS_RIGHT
constexpr int kIconSize = 32;

bool IsClass(const char* className, const char* name) {
    return className != nullptr && strcasecmp(className, name) == 0;
}

bool IsIconControl(const res::ControlTemplate& control) {
    return IsClass(control.className, "Static") && (control.style & SS_TYPEMASK) == SS_ICON;
}

Qt::WindowFlags WindowFlagsFor(std::uint32_t style, const QWidget* owner) {
    // A dialog of its own (the main one) is a top-level window with a taskbar entry; one opened
    // over another stays with its owner.
    Qt::WindowFlags flags = owner ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    if (style & WS_SYSMENU) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (style & WS_MINIMIZEBOX)
            flags |= Qt::WindowMinimizeButtonHint;
    }
    return flags;
}

}  // namespace

DialogWindow::DialogWindow(CDialog& dialog, const res::DialogTemplate& tmpl, QWidget* owner)
    : QDialog(owner, WindowFlagsFor(tmpl.style, owner)), m_dialog(dialog) {
    Build(tmpl);
}

void DialogWindow::Build(const res::DialogTemplate& tmpl) {
    setWindowTitle(QString::fromUtf8(tmpl.caption));
    const QFont font = DialogFont(tmpl.face, tmpl.points);
    setFont(font);
    const DialogUnits units = DialogUnits::ForFont(font);
    setFixedSize(units.Size(tmpl.cx, tmpl.cy));
    m_hasSystemMenu = (tmpl.style & WS_SYSMENU) != 0;
    m_systemMenu.Reset();

    int group = 0;
    QWidget* previousTabStop = nullptr;
    for (const res::ControlTemplate& control : tmpl.controls) {
        if (control.style & WS_GROUP)
            ++group;
        QWidget* widget = CreateControl(control);
        QRect place = units.Rect(control.x, control.y, control.cx, control.cy);
        if (IsIconControl(control))
            place.setSize({kIconSize, kIconSize});  // an icon control takes the icon's size
        widget->setGeometry(place);
        if (control.style & kDisabled)
            widget->setEnabled(false);
        if (!(control.style & WS_VISIBLE))
            widget->hide();

        const bool tabStop = (control.style & WS_TABSTOP) != 0;
        const bool focusable = dynamic_cast<QAbstractButton*>(widget) ||
                               dynamic_cast<QLineEdit*>(widget) ||
                               dynamic_cast<UpDownControl*>(widget);
        widget->setFocusPolicy(!focusable ? Qt::NoFocus
                               : tabStop  ? Qt::StrongFocus
                                          : Qt::ClickFocus);
        if (tabStop && focusable) {
            if (previousTabStop)
                QWidget::setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        }
        widget->installEventFilter(this);
        m_items.push_back({&control, widget, group});
    }
    // Group boxes stay behind the controls drawn over them.
    for (const Item& item : m_items) {
        if (dynamic_cast<GroupFrame*>(item.widget))
            item.widget->lower();
    }
}

QWidget* DialogWindow::CreateControl(const res::ControlTemplate& control) {
    const QString text = QString::fromUtf8(control.text ? control.text : "");
    const std::uint32_t style = control.style;
    const int id = control.id;

    if (IsClass(control.className, "Button")) {
        const bool flat = (style & BS_FLAT) != 0;
        const std::uint32_t type = style & BS_TYPEMASK;
        if (type == BS_GROUPBOX)
            return new GroupFrame(text, this);
        if (type == BS_AUTORADIOBUTTON) {
            auto* radio = new RadioButton(text, flat, this);
            radio->SetMarkHandler([this](RadioButton& marked) { ClearGroupRadios(&marked); });
            connect(radio, &QAbstractButton::clicked, this, [this, id] { Command(id); });
            return radio;
        }
        auto* button = new PushButton(text, flat, this);
        button->setAutoDefault(true);
        if (type == BS_DEFPUSHBUTTON && m_defaultId == 0) {
            button->setDefault(true);
            m_defaultId = id;
        }
        connect(button, &QAbstractButton::clicked, this, [this, id] { Command(id); });
        return button;
    }

    if (IsClass(control.className, "Edit")) {
        auto* edit = new EditBox((style & WS_BORDER) != 0, (style & ES_READONLY) != 0, this);
        Qt::Alignment align = Qt::AlignLeft;
        if ((control.exStyle & WS_EX_RIGHT) || (style & kEditRight))
            align = Qt::AlignRight;
        else if (style & kEditCenter)
            align = Qt::AlignHCenter;
        edit->setAlignment(align | Qt::AlignVCenter);
        if (style & ES_NUMBER) {
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*")), edit));
        }
        edit->setText(text);
        return edit;
    }

    if (IsClass(control.className, "Static")) {
        const std::uint32_t type = style & SS_TYPEMASK;
        if (IsIconControl(control)) {
            auto* icon = new QLabel(this);
            if (const QIcon* image = ResourceIcon(static_cast<UINT>(control.iconId)))
                icon->setPixmap(image->pixmap(kIconSize, kIconSize));
            icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return icon;
        }
        auto* label = new StaticText((style & SS_NOPREFIX) != 0, this);
        Qt::Alignment align = Qt::AlignLeft;
        if (type == SS_CENTER)
            align = Qt::AlignHCenter;
        if (type == kStaticRight)
            align = Qt::AlignRight;
        label->setAlignment(align | Qt::AlignTop);
        label->setWordWrap(type != SS_LEFTNOWORDWRAP);
        label->SetRawText(text);
        return label;
    }

    if (IsClass(control.className, "msctls_updown32")) {
        auto* spin = new UpDownControl(id, style, this);
        // The buddy is the control just before it in the template.
        if ((style & UDS_AUTOBUDDY) && !m_items.empty())
            spin->SetBuddy(m_items.back().widget);
        spin->SetNotify([this](NMUPDOWN& request) {
            LRESULT result = 0;
            MessageArgs args;
            args.notify = &request.hdr;
            args.result = &result;
            m_dialog.Dispatch(MessageKind::Notify, request.hdr.code,
                              static_cast<int>(request.hdr.idFrom), args);
            return result;
        });
        return spin;
    }

    return new QWidget(this);  // a class this port does not know: an empty place
}

}  // namespace dlg::qtport
