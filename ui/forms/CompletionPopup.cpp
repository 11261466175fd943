#include "CompletionPopup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QMouseEvent>
#include <QScreen>

namespace orvanta::forms {

CompletionPopup::CompletionPopup(QCompleter& completer)
    : QObject(&completer)
    , m_popup(completer.popup())
    , m_field(completer.widget())
{
    // Installed after the completer's own filter, so it sees events first.
    m_popup->installEventFilter(this);
}

bool CompletionPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_popup || m_field == nullptr) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        if (!m_placing) {
            placeClear();
        }
        return false;
    case QEvent::MouseButtonPress:
        return passClickThrough(*event);
    default:
        return false;
    }
}

// Above the field when the screen has room there (the field sits at the top
// of its window), else below the whole window; the taller room wins and the
// list shrinks to it.
void CompletionPopup::placeClear()
{
    const QScreen* screen = m_field->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QRect field(m_field->mapToGlobal(QPoint(0, 0)), m_field->size());
    const QRect window = m_field->window()->frameGeometry();
    const int roomAbove = field.top() - available.top();
    const int roomBelow = available.bottom() - window.bottom();
    const int height = std::min(m_popup->height(), std::max(roomAbove, roomBelow));
    const int top =
        roomAbove >= roomBelow || roomAbove >= m_popup->height() ? field.top() - height : window.bottom() + 1;
    const QRect wanted(field.left(), top, m_popup->width(), height);
    if (wanted != m_popup->geometry()) {
        m_placing = true;
        m_popup->setGeometry(wanted);
        m_placing = false;
    }
}

// The press closes the list and clicks the widget under the pointer. The
// whole click is given here: once the list has let the pointer go, X sends
// the release where Qt no longer matches it to the press.
bool CompletionPopup::passClickThrough(const QEvent& event)
{
    const auto& press = static_cast<const QMouseEvent&>(event);
    const QPoint global = press.globalPosition().toPoint();
    if (m_popup->rect().contains(m_popup->mapFromGlobal(global))) {
        return false;
    }
    m_popup->hide();
    QWidget* target = QApplication::widgetAt(global);
    if (target != nullptr && target->window() == m_field->window() && target->isEnabled()) {
        const QPointF local = target->mapFromGlobal(press.globalPosition());
        QMouseEvent replayedPress(QEvent::MouseButtonPress, local, press.globalPosition(), press.button(),
                                  press.buttons(), press.modifiers(), press.pointingDevice());
        QApplication::sendEvent(target, &replayedPress);
        QMouseEvent release(QEvent::MouseButtonRelease, local, press.globalPosition(), press.button(),
                            press.buttons() & ~press.button(), press.modifiers(), press.pointingDevice());
        QApplication::sendEvent(target, &release);
    }
    return true;
}

} // namespace orvanta::forms
