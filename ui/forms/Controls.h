// The controls of the forms layer. Their events are raised by the window's
// FocusController, never by Qt's own focus handling, so that a field can
// refuse to be left before the focus moves.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace orvanta::forms {

class FormWindow;

// A single-line entry field with got-focus and validate events.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    using GotFocusHandler = std::function<void()>;
    // Set `cancel` to keep the focus in the field.
    using ValidateHandler = std::function<void(bool& cancel)>;

    TextBox(FormWindow& form, const QString& name);

    void setGotFocusHandler(GotFocusHandler handler) { m_gotFocus = std::move(handler); }
    void setValidateHandler(ValidateHandler handler) { m_validate = std::move(handler); }

    // Moves the focus here like a user would: the field being left is
    // validated first and may keep the focus. True when the focus arrived.
    bool moveFocusHere();
    // Disabling keeps the text; a disabled box takes no focus and is skipped
    // by Tab. A box that has the focus hands it on to the next Tab stop.
    void enable();
    void disable();

    // Raised by the FocusController only.
    void raiseGotFocus();
    void raiseValidate(bool& cancel);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    FormWindow& m_form;
    GotFocusHandler m_gotFocus;
    ValidateHandler m_validate;
};

// A push button, not a Tab stop unless made one; a click on it moves the
// focus to it first, so the field being left is validated and may refuse the
// click.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(FormWindow& form, const QString& name, const QString& caption);

    // A long caption wraps over several lines instead of being cut.
    void setWordWrap(bool wrap);
    void setTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    FormWindow& m_form;
    bool m_wordWrap = false;
};

// One of a group of options; only the selected one is a Tab stop.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(QWidget& parent, const QString& name, const QString& caption);
};

// A picture that can be clicked. Clicking it moves no focus.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    PictureBox(QWidget& parent, const QString& name);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace orvanta::forms
