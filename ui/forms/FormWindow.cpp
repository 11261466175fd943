#include "FormWindow.h"

#include "Accessibility.h"
#include "Controls.h"
#include "FocusController.h"

#include <QCloseEvent>
#include <QScreen>

namespace orvanta::forms {

FormWindow::FormWindow(const QString& name, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , m_focus(new FocusController(*this))
{
    setObjectName(name);
    installCaptionAccessibility();
}

FormWindow::~FormWindow()
{
    // Focus moves while the controls are torn down must reach no handler.
    m_focus->stop();
}

void FormWindow::showForm()
{
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
        // Every window opens centred on the screen.
        if (const QScreen* display = screen()) {
            move(display->availableGeometry().center() - rect().center());
        }
    }
    if (isVisible()) {
        raise(); // shown again: to the front
    } else {
        show();
    }
    activateWindow();
    m_focus->focusFirstTabStop();
}

void FormWindow::hideForm()
{
    hide();
}

void FormWindow::unloadForm()
{
    m_unloading = true;
    m_focus->stop();
    close();
    deleteLater();
}

void FormWindow::endProgram()
{
    stopInput();
    emit programEndRequested();
}

void FormWindow::stopInput()
{
    m_focus->stop();
}

QRect FormWindow::pixels(const TwipsRect& rect) const
{
    return toPixels(rect, logicalDpiX(), logicalDpiY());
}

void FormWindow::setClientSizeTwips(int width, int height)
{
    const QRect client = pixels({0, 0, width, height});
    setFixedSize(client.size());
}

void FormWindow::addToTabOrder(QWidget* control, int tabIndex)
{
    m_focus->addControl(control, tabIndex);
}

void FormWindow::setDefaultButton(CommandButton* button)
{
    m_focus->setDefaultButton(button);
}

void FormWindow::setCancelButton(CommandButton* button)
{
    m_focus->setCancelButton(button);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    if (!m_unloading) {
        emit closedByUser();
    }
    QWidget::closeEvent(event);
}

} // namespace orvanta::forms
