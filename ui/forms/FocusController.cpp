#include "FocusController.h"

#include "Controls.h"
#include "FormWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QWindow>

#include <algorithm>

namespace orvanta::forms {

FocusController::FocusController(FormWindow& form)
    : QObject(&form)
    , m_form(form)
{
    // Qt gives the focus to a clicked widget before the widget sees the
    // press, so the decision is taken where input reaches the window.
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &FocusController::onFocusChanged);
}

void FocusController::addControl(QWidget* control, int tabIndex)
{
    const auto position = std::upper_bound(m_controls.begin(), m_controls.end(), tabIndex,
                                           [](int index, const TabEntry& entry) { return index < entry.tabIndex; });
    m_controls.insert(position, TabEntry{control, tabIndex});
}

bool FocusController::moveFocus(QWidget* target)
{
    if (m_stopped || target == nullptr || !belongsToForm(target) || !target->isEnabled()) {
        return false;
    }
    if (target != m_current && !mayLeaveFor(target)) {
        return false;
    }
    placeFocus(target);
    return m_current == target;
}

void FocusController::placeFocus(QWidget* target)
{
    if (m_stopped || target == nullptr || !belongsToForm(target) || !target->isEnabled()) {
        return;
    }
    if (target == m_current) {
        if (m_form.isActiveWindow() && QApplication::focusWidget() != target) {
            target->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    giveFocus(target, true);
}

void FocusController::focusFirstTabStop()
{
    if (m_current == nullptr) {
        if (QWidget* first = nextTabStop(nullptr, true)) {
            moveFocus(first);
        }
    }
}

void FocusController::releaseFocusOf(QWidget* control)
{
    if (control != m_current) {
        return;
    }
    QWidget* next = nextTabStop(control, true);
    if (next == nullptr) {
        m_current = nullptr;
        return;
    }
    giveFocus(next, false);
}

void FocusController::accessKeyPressed(CommandButton* button)
{
    if (m_stopped) {
        return;
    }
    // Several buttons may share a letter: the first in tab order takes it.
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    CommandButton* chosen = button;
    for (const TabEntry& entry : m_controls) {
        auto* candidate = qobject_cast<CommandButton*>(entry.control.data());
        if (candidate != nullptr && candidate->isEnabled() && candidate->isVisibleTo(&m_form) &&
            QKeySequence::mnemonic(candidate->text()) == key) {
            chosen = candidate;
            break;
        }
    }
    if (moveFocus(chosen)) {
        chosen->click();
    }
}

TextBox* FocusController::lastTextBox() const
{
    return m_lastTextBox;
}

bool FocusController::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == &m_form && type == QEvent::WindowBlocked) {
        m_blockedByModal = true;
        return false;
    }
    if (watched == m_form.windowHandle() && watched != nullptr) {
        switch (type) {
        case QEvent::KeyPress:
            return m_stopped || handleKeyPress(*static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return m_stopped || handleMousePress(*static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonRelease:
            if (m_swallowRelease) {
                m_swallowRelease = false;
                return true;
            }
            return m_stopped;
        default:
            return false;
        }
    }
    // Keys sent straight to a control, bypassing the window.
    if (type == QEvent::KeyPress && belongsToForm(watched)) {
        return m_stopped || handleKeyPress(*static_cast<QKeyEvent*>(event));
    }
    return false;
}

bool FocusController::handleKeyPress(QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool forward = event.key() == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier);
        if (QWidget* next = nextTabStop(m_current, forward)) {
            moveFocus(next);
        }
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (modifiers != Qt::NoModifier) {
            return false;
        }
        auto* focused = qobject_cast<CommandButton*>(m_current.data());
        CommandButton* button = focused != nullptr ? focused : m_defaultButton.data();
        if (button == nullptr) {
            return false;
        }
        button->click();
        return true;
    }
    case Qt::Key_Escape:
        if (modifiers != Qt::NoModifier || m_cancelButton == nullptr) {
            return false;
        }
        m_cancelButton->click();
        return true;
    default:
        return false;
    }
}

bool FocusController::handleMousePress(QMouseEvent& event)
{
    m_swallowRelease = false;
    const QPoint position = event.position().toPoint();
    QWidget* hit = m_form.childAt(position);
    QWidget* target = hit != nullptr ? clickFocusTarget(hit) : nullptr;
    if (target == nullptr || target == m_current) {
        return false;
    }
    m_blockedByModal = false;
    const bool mayGo = mayLeaveFor(target);
    // The release is ours to drop only if it is still to come.
    const bool releasePending = QGuiApplication::mouseButtons() & event.button();
    if (!mayGo) {
        m_swallowRelease = releasePending;
        return true;
    }
    if (m_blockedByModal) {
        // A message box ran during the validation: the press event is stale
        // by now (Qt reuses its points), so the click is finished here.
        m_swallowRelease = releasePending;
        completeClick(target);
        return true;
    }
    return false;
}

void FocusController::onFocusChanged(QWidget* /*previous*/, QWidget* now)
{
    if (!m_stopped && now != nullptr && belongsToForm(now)) {
        arrive(now);
    }
}

bool FocusController::mayLeaveFor(const QWidget* target)
{
    auto* field = qobject_cast<TextBox*>(m_current.data());
    if (field == nullptr || field == target) {
        return true;
    }
    // No validation re-enters itself: a handler moving the focus away from
    // its own field is obeyed at once.
    if (std::find(m_validating.begin(), m_validating.end(), field) != m_validating.end()) {
        return true;
    }
    m_validating.push_back(field);
    const unsigned long arrivalsBefore = m_arrivals;
    bool cancel = false;
    field->raiseValidate(cancel);
    m_validating.erase(std::find(m_validating.begin(), m_validating.end(), field));
    const bool handlerMovedFocus = m_arrivals != arrivalsBefore;
    return !cancel && !handlerMovedFocus && !m_stopped;
}

void FocusController::arrive(QWidget* control)
{
    if (control == m_current) {
        return;
    }
    m_current = control;
    ++m_arrivals;
    if (auto* box = qobject_cast<TextBox*>(control)) {
        m_lastTextBox = box;
        box->raiseGotFocus();
    }
}

void FocusController::giveFocus(QWidget* target, bool raiseEvents)
{
    if (!raiseEvents) {
        m_current = target;
        ++m_arrivals;
    }
    // In an active window Qt reports the arrival itself (and its GotFocus may
    // already have moved the focus on); in an inactive one it only records
    // the focus, and the arrival is raised here.
    const unsigned long arrivalsBefore = m_arrivals;
    target->setFocus(Qt::OtherFocusReason);
    if (m_arrivals == arrivalsBefore) {
        arrive(target);
    }
}

void FocusController::completeClick(QWidget* target)
{
    giveFocus(target, true);
    if (m_current != target) {
        return;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        if (qobject_cast<QRadioButton*>(button) != nullptr) {
            button->setChecked(true);
        } else {
            button->click();
        }
    }
}

bool FocusController::isTabStop(const QWidget* control) const
{
    if (control == nullptr || !control->isEnabled() || !control->isVisibleTo(&m_form) ||
        !(control->focusPolicy() & Qt::TabFocus)) {
        return false;
    }
    if (const auto* option = qobject_cast<const OptionButton*>(control)) {
        return option->isChecked();
    }
    return true;
}

int FocusController::tabIndexOf(const QWidget* control) const
{
    const auto entry = std::find_if(m_controls.begin(), m_controls.end(),
                                    [control](const TabEntry& e) { return e.control == control; });
    return entry == m_controls.end() ? -1 : entry->tabIndex;
}

QWidget* FocusController::nextTabStop(const QWidget* from, bool forward) const
{
    const auto count = static_cast<long>(m_controls.size());
    if (count == 0) {
        return nullptr;
    }
    // Start after (or before) `from` in tab order; from nowhere, at the ends.
    const int fromIndex = tabIndexOf(from);
    long start = forward ? 0 : count - 1;
    if (fromIndex >= 0) {
        const auto after = std::find_if(m_controls.begin(), m_controls.end(),
                                        [fromIndex](const TabEntry& e) { return e.tabIndex > fromIndex; });
        const auto afterPosition = static_cast<long>(after - m_controls.begin());
        if (forward) {
            start = afterPosition % count;
        } else {
            const auto at = std::find_if(m_controls.begin(), m_controls.end(),
                                         [fromIndex](const TabEntry& e) { return e.tabIndex >= fromIndex; });
            start = (static_cast<long>(at - m_controls.begin()) - 1 + count) % count;
        }
    }
    for (long step = 0; step < count; ++step) {
        const long position = forward ? (start + step) % count : (start - step + count) % count;
        QWidget* candidate = m_controls[static_cast<std::size_t>(position)].control;
        if (candidate != from && isTabStop(candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

QWidget* FocusController::clickFocusTarget(QWidget* hit)
{
    // The same walk Qt makes to find the widget a click gives the focus to.
    for (QWidget* widget = hit; widget != nullptr; widget = widget->parentWidget()) {
        if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
            return widget;
        }
        if (widget->isWindow()) {
            break;
        }
    }
    return nullptr;
}

bool FocusController::belongsToForm(const QObject* object) const
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget != nullptr && widget->window() == &m_form;
}

} // namespace orvanta::forms
