// The focus rules of a form window, enforced before Qt moves the focus:
//
// - A move away from a text box (Tab, Shift+Tab, a click on another control
//   that takes the focus, an access key, a handler's moveFocusHere) first
//   raises that box's Validate. If it cancels, the focus stays and the other
//   control gets neither the focus nor the click.
// - If a handler moves the focus while a Validate runs, that move wins: the
//   control that started the validation gets neither focus nor click.
// - GotFocus is raised when the focus arrives on a text box it was not on;
//   the window regaining activation raises nothing.
// - Enter clicks the default button (or the command button that has the
//   focus), Esc the cancel button; neither moves the focus or validates.
// - Tab order follows tab indices and wraps; disabled and hidden controls,
//   controls without Tab focus (command buttons unless made Tab stops) and
//   unselected options are skipped.
#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QKeyEvent;
class QMouseEvent;

namespace orvanta::forms {

class CommandButton;
class FormWindow;
class TextBox;

class FocusController : public QObject {
    Q_OBJECT
public:
    explicit FocusController(FormWindow& form);

    void addControl(QWidget* control, int tabIndex);
    void setDefaultButton(CommandButton* button) { m_defaultButton = button; }
    void setCancelButton(CommandButton* button) { m_cancelButton = button; }

    // The control that holds the focus within this window, whether or not
    // the window is active just now.
    [[nodiscard]] QWidget* current() const { return m_current; }
    // The text box that last received the focus, or null.
    [[nodiscard]] TextBox* lastTextBox() const;

    // Moves the focus as a user would (validating the text box being left).
    // True when the focus is on `target` afterwards.
    bool moveFocus(QWidget* target);
    // Moves the focus without validating the control being left: the program
    // sends the user to a field it found at fault. GotFocus is raised.
    void placeFocus(QWidget* target);
    // Puts the focus on the first Tab stop if nothing in the window has it.
    void focusFirstTabStop();
    // A control about to be disabled hands its focus on to the next Tab stop,
    // without events: it did not choose to leave.
    void releaseFocusOf(QWidget* control);
    void accessKeyPressed(CommandButton* button);
    // After the program has ended no input reaches any handler.
    void stop() { m_stopped = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TabEntry {
        QPointer<QWidget> control;
        int tabIndex;
    };

    bool handleKeyPress(QKeyEvent& event);
    bool handleMousePress(QMouseEvent& event);
    void onFocusChanged(QWidget* previous, QWidget* now);
    // Validates the text box being left for `target`; true when the move may go on.
    bool mayLeaveFor(const QWidget* target);
    void arrive(QWidget* control);
    void giveFocus(QWidget* target, bool raiseEvents);
    void completeClick(QWidget* target);
    [[nodiscard]] bool isTabStop(const QWidget* control) const;
    [[nodiscard]] QWidget* nextTabStop(const QWidget* from, bool forward) const;
    [[nodiscard]] int tabIndexOf(const QWidget* control) const;
    [[nodiscard]] static QWidget* clickFocusTarget(QWidget* hit);
    [[nodiscard]] bool belongsToForm(const QObject* object) const;

    FormWindow& m_form;
    std::vector<TabEntry> m_controls; // sorted by tab index
    QPointer<CommandButton> m_defaultButton;
    QPointer<CommandButton> m_cancelButton;
    QPointer<QWidget> m_current;
    QPointer<TextBox> m_lastTextBox;
    std::vector<TextBox*> m_validating; // boxes whose Validate is running
    unsigned long m_arrivals = 0;       // counts focus arrivals, to see a handler's move
    bool m_swallowRelease = false;
    bool m_blockedByModal = false; // a modal box opened over the window
    bool m_stopped = false;
};

} // namespace orvanta::forms
