#include "Controls.h"

#include "FocusController.h"
#include "FormWindow.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace orvanta::forms {

TextBox::TextBox(FormWindow& form, const QString& name)
    : QLineEdit(&form)
    , m_form(form)
{
    setObjectName(name);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
}

bool TextBox::moveFocusHere()
{
    return m_form.focus().moveFocus(this);
}

void TextBox::enable()
{
    setEnabled(true);
}

void TextBox::disable()
{
    if (!isEnabled()) {
        return;
    }
    m_form.focus().releaseFocusOf(this);
    setEnabled(false);
}

void TextBox::raiseGotFocus()
{
    if (m_gotFocus) {
        m_gotFocus();
    }
}

void TextBox::raiseValidate(bool& cancel)
{
    if (m_validate) {
        m_validate(cancel);
    }
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    // QLineEdit selects its whole text when reached by Tab or a shortcut;
    // here only a handler decides what is selected.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
        QFocusEvent plain(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
        return;
    }
    QLineEdit::focusInEvent(event);
}

CommandButton::CommandButton(FormWindow& form, const QString& name, const QString& caption)
    : QPushButton(caption, &form)
    , m_form(form)
{
    setObjectName(name);
    setFocusPolicy(Qt::ClickFocus);
    setAutoDefault(false);
}

void CommandButton::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    update();
}

void CommandButton::paintEvent(QPaintEvent* event)
{
    if (!m_wordWrap) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2 + 1;
    painter.drawItemText(rect().adjusted(margin, margin, -margin, -margin),
                         Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

bool CommandButton::event(QEvent* event)
{
    // An access key acts like a click with the mouse; the window resolves a
    // letter shared by several buttons.
    if (event->type() == QEvent::Shortcut) {
        m_form.focus().accessKeyPressed(this);
        return true;
    }
    return QPushButton::event(event);
}

OptionButton::OptionButton(QWidget& parent, const QString& name, const QString& caption)
    : QRadioButton(caption, &parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
}

PictureBox::PictureBox(QWidget& parent, const QString& name)
    : QLabel(&parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    event->accept();
}

} // namespace orvanta::forms
