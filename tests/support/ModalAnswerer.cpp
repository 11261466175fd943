#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>

ModalAnswerer::ModalAnswerer()
{
    // A modal dialog is answered as soon as its event loop runs; the timer
    // is only a fallback.
    qApp->installEventFilter(this);
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

ModalAnswerer::~ModalAnswerer() = default;

QStringList ModalAnswerer::texts() const
{
    QStringList result;
    for (const Shown& box : m_shown) {
        result << box.text;
    }
    return result;
}

bool ModalAnswerer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isModal()) {
        QMetaObject::invokeMethod(this, &ModalAnswerer::poll, Qt::QueuedConnection);
    }
    return false;
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        m_shown.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        QMessageBox::StandardButton answer = QMessageBox::Ok;
        if (m_policy) {
            answer = m_policy(*box);
        } else if (!m_answers.empty()) {
            answer = m_answers.front();
            m_answers.pop_front();
        }
        if (QAbstractButton* button = box->button(answer)) {
            button->click();
        } else {
            box->reject();
        }
        return;
    }
    if (m_dialogHandler) {
        m_dialogHandler(modal);
    } else {
        modal->close();
    }
}
