// The dialog's controls as widgets that behave and look like the platform's: buttons that paint
// the classic (and flat) look, radio buttons that leave their grouping to the dialog, a group box
// that is only a frame, edit boxes with the sunken edge, and static texts and icons.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <functional>

namespace dlg::qtport {

class PushButton : public QPushButton {
public:
    PushButton(const QString& text, bool flat, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_flat;
};

// An automatic radio button: a click marks it and asks the dialog to clear the rest of its
// group; setChecked changes this one button only, so a group can be left with no mark.
class RadioButton : public QAbstractButton {
public:
    using MarkHandler = std::function<void(RadioButton&)>;
    RadioButton(const QString& text, bool flat, QWidget* parent);
    void SetMarkHandler(MarkHandler handler) { m_onMark = std::move(handler); }

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_flat;
    MarkHandler m_onMark;
};

// A group box: its frame and title only. It is not the parent of the controls inside it.
class GroupFrame : public QWidget {
public:
    GroupFrame(const QString& title, QWidget* parent);
    QString Title() const { return m_title; }
    void SetTitle(const QString& title);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
};

class EditBox : public QLineEdit {
public:
    EditBox(bool sunkenBorder, bool readOnly, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_border;
};

// A static text; it keeps the text as set, '&' prefixes included, and shows it with or without
// mnemonic processing as its style says.
class StaticText : public QLabel {
public:
    StaticText(bool noPrefix, QWidget* parent);
    QString RawText() const { return m_raw; }
    void SetRawText(const QString& text);

private:
    bool m_noPrefix;
    QString m_raw;
};

// "&Open" shows as "Open", "&&" as "&".
QString StripMnemonics(const QString& text);

// The window text of a dialog or any of its controls, as the platform's Get/SetWindowText see it.
QString ControlText(const QWidget* widget);
void SetControlText(QWidget* widget, const QString& text);

}  // namespace dlg::qtport
