// Driving a window as a user does: clicks and keys go to the window, not
// straight to a widget, so they pass where the forms layer watches input.
#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace driving {

inline void click(QWidget* widget)
{
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, widget->rect().center()));
}

// Under offscreen no window is active after a modal box closes.
[[nodiscard]] inline bool activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

inline void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(static_cast<QWindow*>(nullptr), key, modifiers);
}

inline void type(const QString& text)
{
    for (const QChar c : text) {
        QTest::keyClick(static_cast<QWindow*>(nullptr), c.toLatin1());
    }
}

} // namespace driving
