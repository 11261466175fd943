#include "PitchContext.h"

#include "Captions.h"
#include "NumberText.h"
#include "forms/Accessibility.h"
#include "forms/FocusController.h"
#include "forms/MessageBox.h"

#include <QLocale>

namespace orvanta {

namespace {

// Numbers are typed and shown with the user's own decimal separator.
std::string decimalSeparator()
{
    return QLocale::system().decimalPoint().toStdString();
}

std::optional<double> parse(const QString& text)
{
    return parseNumber(text.toStdString(), decimalSeparator());
}

} // namespace

PitchContext::PitchContext(FrmPitch& window)
    : form(window)
    , m_external{.side = ThreadSide::External,
                 .afterPlateMax = window.txtexternalmax,
                 .afterPlateMin = window.txtexternalmin,
                 .maxThickness = window.txtextmaxthickness,
                 .minThickness = window.txtextminthickness,
                 .secondPitch = window.txtexternalmin,
                 .firstThickness = window.txtextmaxthickness,
                 .lastThickness = window.txtextminthickness,
                 .preplateMaxLabel = window.lblextmaxsug,
                 .preplateMinLabel = window.lblextminsug,
                 .reentrySignal = captions::kReenterExternal}
    , m_internal{.side = ThreadSide::Internal,
                 .afterPlateMax = window.txtinternalmax,
                 .afterPlateMin = window.txtinternalmin,
                 .maxThickness = window.txtintmaxthickness,
                 .minThickness = window.txtintminthickness,
                 .secondPitch = window.txtinternalmax,
                 .firstThickness = window.txtintminthickness,
                 .lastThickness = window.txtintmaxthickness,
                 .preplateMaxLabel = window.lblintminsug, // the MAXIMUM column
                 .preplateMinLabel = window.lblintmaxsug, // the MINIMUM column
                 .reentrySignal = captions::kReenterInternal}
{
}

EntryCheck PitchContext::checkEntry(forms::TextBox& field, bool& cancel)
{
    if (field.text().isEmpty()) {
        return EntryCheck::Empty;
    }
    if (!parse(field.text())) {
        showMessage(notNumericMessage(field));
        field.selectAll();
        cancel = true;
        return EntryCheck::Refused;
    }
    return EntryCheck::Number;
}

void PitchContext::writeBack(forms::TextBox& field)
{
    // Four decimals in both units and in every field, so that Tab and Enter
    // read the same value from the same entry.
    if (const std::optional<double> value = parse(field.text())) {
        field.setText(formatted(*value));
    }
}

void PitchContext::applyEntryRule(forms::TextBox& field, bool& cancel)
{
    if (checkEntry(field, cancel) == EntryCheck::Number) {
        writeBack(field);
    }
}

FieldValue PitchContext::readField(forms::TextBox& field)
{
    if (field.text().isEmpty()) {
        return {};
    }
    if (const std::optional<double> value = parse(field.text())) {
        return {value, false};
    }
    // A field left by Enter, Esc or a click that moves no focus was never
    // validated: report it as its own validation would.
    reportNotNumeric(field);
    return {std::nullopt, true};
}

std::optional<double> PitchContext::numberInLabel(const QLabel& label) const
{
    return parse(label.text());
}

QString PitchContext::formatted(double value) const
{
    return QString::fromStdString(formatPitchValue(value, decimalSeparator()));
}

void PitchContext::showMessage(const char* text)
{
    forms::showMessage(&form, QString::fromUtf8(text));
}

void PitchContext::setInstruction(const char* caption)
{
    forms::setLiveText(*form.lblinst, QString::fromUtf8(caption));
}

bool PitchContext::instructionIs(const char* caption) const
{
    return form.lblinst->text() == QString::fromUtf8(caption);
}

void PitchContext::freezeext()
{
    form.txtexternalmax->disable();
    form.txtexternalmin->disable();
}

void PitchContext::freezeint()
{
    form.txtinternalmin->disable();
    form.txtinternalmax->disable();
}

void PitchContext::freeze(ThreadSide side)
{
    side == ThreadSide::External ? freezeext() : freezeint();
}

const char* PitchContext::notNumericMessage(const forms::TextBox& field) const
{
    return &field == form.txtexternalmin ? captions::kEnterNumericExternalMin : captions::kEnterNumeric;
}

void PitchContext::reportNotNumeric(forms::TextBox& field)
{
    showMessage(notNumericMessage(field));
    // The move validates nothing: the field being left is not at fault.
    form.focus().placeFocus(&field);
    field.selectAll();
}

void PitchContext::addSuggestionsListener(std::function<void()> listener)
{
    m_suggestionsListeners.push_back(std::move(listener));
}

void PitchContext::suggestionsChanged() const
{
    for (const std::function<void()>& listener : m_suggestionsListeners) {
        listener();
    }
}

} // namespace orvanta
