#include "CalculatorDriver.h"

#include "Driving.h"
#include "forms/FocusController.h"

#include <QLineEdit>

CalculatorDriver::CalculatorDriver()
    : m_form(std::make_unique<orvanta::FrmPitch>())
    , m_handlers(std::make_unique<orvanta::PitchHandlers>(*m_form))
    , m_ended(m_form.get(), &orvanta::forms::FormWindow::programEndRequested)
{
    m_form->showForm();
    ready();
}

CalculatorDriver::~CalculatorDriver()
{
    m_handlers.reset();
    m_form.reset();
}

void CalculatorDriver::ready()
{
    // Under offscreen no window is active after a modal box has closed.
    if (!m_form->isActiveWindow()) {
        QVERIFY(driving::activate(m_form.get()));
    }
}

void CalculatorDriver::key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    ready();
    driving::key(key, modifiers);
}

void CalculatorDriver::type(const QString& text)
{
    key(Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        key(Qt::Key_Delete);
        return;
    }
    ready();
    driving::type(text);
}

void CalculatorDriver::typeAndTab(const QStringList& values)
{
    for (const QString& value : values) {
        type(value);
        tab();
    }
}

void CalculatorDriver::tab()
{
    key(Qt::Key_Tab);
}
void CalculatorDriver::shiftTab()
{
    key(Qt::Key_Backtab);
}
void CalculatorDriver::enter()
{
    key(Qt::Key_Return);
}
void CalculatorDriver::esc()
{
    key(Qt::Key_Escape);
}

void CalculatorDriver::click(QWidget* widget)
{
    ready();
    driving::click(widget);
}

void CalculatorDriver::clickName(const QString& name)
{
    click(m_form->findChild<QWidget*>(name));
}

QWidget* CalculatorDriver::focused() const
{
    return m_form->focus().current();
}

QString CalculatorDriver::focusedName() const
{
    return focused() != nullptr ? focused()->objectName() : QString();
}

QString CalculatorDriver::instruction() const
{
    return m_form->lblinst->text();
}

QString CalculatorDriver::text(const QString& name) const
{
    return m_form->findChild<QWidget*>(name)->property("text").toString();
}

bool CalculatorDriver::enabled(const QString& name) const
{
    return m_form->findChild<QWidget*>(name)->isEnabled();
}

QString CalculatorDriver::selection() const
{
    const auto* field = qobject_cast<const QLineEdit*>(focused());
    return field != nullptr ? field->selectedText() : QString();
}

QStringList CalculatorDriver::suggestions() const
{
    return {m_form->lblextmaxsug->text(), m_form->lblextminsug->text(), m_form->lblintmaxsug->text(),
            m_form->lblintminsug->text()};
}
