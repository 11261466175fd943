// The calculator window with its handlers, driven as a user drives it:
// keys and clicks through the window, every message box answered.
#pragma once

#include "FrmPitch.h"
#include "ModalAnswerer.h"
#include "PitchHandlers.h"

#include <QSignalSpy>

#include <memory>

// The eight entry fields in tab order.
inline const QStringList kEntryFields = {"txtexternalmax",     "txtexternalmin",    "txtextmaxthickness",
                                         "txtextminthickness", "txtinternalmin",    "txtinternalmax",
                                         "txtintminthickness", "txtintmaxthickness"};

class CalculatorDriver {
public:
    CalculatorDriver();
    ~CalculatorDriver();

    orvanta::FrmPitch& form() { return *m_form; }
    ModalAnswerer& answerer() { return m_answerer; }

    // Replaces the text of the field that has the focus, as typed.
    void type(const QString& text);
    // Types each value into the focused field and presses Tab after it.
    void typeAndTab(const QStringList& values);
    void tab();
    void shiftTab();
    void enter();
    void esc();
    void click(QWidget* widget);
    void clickName(const QString& name);

    [[nodiscard]] QWidget* focused() const;
    [[nodiscard]] QString focusedName() const;
    [[nodiscard]] QStringList messages() const { return m_answerer.texts(); }
    [[nodiscard]] QString instruction() const;
    [[nodiscard]] QString text(const QString& name) const;
    [[nodiscard]] bool enabled(const QString& name) const;
    // The selected text of the focused field.
    [[nodiscard]] QString selection() const;
    // The four suggestion labels, external maximum first, internal MINIMUM column before MAXIMUM.
    [[nodiscard]] QStringList suggestions() const;
    [[nodiscard]] bool programEnded() const { return m_ended.count() > 0; }

private:
    void ready();
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {});

    ModalAnswerer m_answerer;
    std::unique_ptr<orvanta::FrmPitch> m_form;
    std::unique_ptr<orvanta::PitchHandlers> m_handlers;
    QSignalSpy m_ended;
};
