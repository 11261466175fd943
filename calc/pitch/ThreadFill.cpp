#include "ThreadFill.h"

#include "Coatings.h"
#include "forms/FocusController.h"

#include <QPushButton>

namespace orvanta {

ThreadFill::ThreadFill(PitchContext& context, Clearing& clearing)
    : m_context(context)
    , m_clearing(clearing)
{
    FrmPitch& form = context.form;
    for (forms::TextBox* field : {form.txtexternalmax, form.txtexternalmin, form.txtinternalmin, form.txtinternalmax}) {
        QObject::connect(field, &QLineEdit::textChanged, &form, [this] { noteEdit(); });
    }
}

void ThreadFill::cmdthread_Click()
{
    FrmPitch& form = m_context.form;
    forms::TextBox* returnTo = form.focus().lastTextBox();
    QStringList completions;
    for (const std::string& designation : threads::standardDesignations()) {
        completions << QString::fromStdString(designation);
    }
    QStringList coatingNames;
    for (const std::string& name : coatings::catalogueNames()) {
        coatingNames << QString::fromStdString(name);
    }
    FrmThread dialog(&form, completions, coatingNames);
    const ThreadPreview preview(dialog);
    if (dialog.exec() == QDialog::Accepted && preview.choice()) {
        fill(*preview.choice());
        return;
    }
    if (returnTo != nullptr && returnTo->isEnabled()) {
        returnTo->moveFocusHere();
    }
}

void ThreadFill::fill(const ThreadChoice& choice)
{
    FrmPitch& form = m_context.form;
    m_clearing.clearform();
    (choice.limits.unit == UnitSystem::Inch ? form.optinch : form.optmetric)->setChecked(true);

    m_filled.clear();
    const auto write = [this](forms::TextBox* field, double value) {
        const QString text = m_context.formatted(value);
        m_filled.emplace_back(field, text);
        field->setText(text);
    };
    if (const auto& side = choice.limits.external) {
        write(form.txtexternalmax, side->max);
        write(form.txtexternalmin, side->min);
    }
    if (const auto& side = choice.limits.internal) {
        write(form.txtinternalmin, side->min);
        write(form.txtinternalmax, side->max);
    }
    // The coating's growth is what the calculator moves the limits by.
    if (const std::optional<CoatingFill>& coating = choice.coating; coating && coating->growthFilled) {
        const auto thickness = [this](forms::TextBox* field, double value) {
            field->setText(m_context.formatted(value));
        };
        if (choice.limits.external) {
            thickness(form.txtextmaxthickness, coating->maxGrowth);
            thickness(form.txtextminthickness, coating->minGrowth);
        }
        if (choice.limits.internal) {
            thickness(form.txtintmaxthickness, coating->maxGrowth);
            thickness(form.txtintminthickness, coating->minGrowth);
        }
    }
    m_description = ThreadPreview::describe(choice);
    m_choice = choice;
    form.lblthread->setText(m_description);

    forms::TextBox* firstThickness = choice.limits.external ? form.txtextmaxthickness : form.txtintminthickness;
    firstThickness->moveFocusHere();
}

std::optional<ThreadChoice> ThreadFill::filled(bool& edited) const
{
    if (m_context.form.lblthread->text().isEmpty()) {
        return std::nullopt;
    }
    edited = m_filled.empty();
    return m_choice;
}

void ThreadFill::noteEdit()
{
    if (m_filled.empty()) {
        return;
    }
    for (const auto& [field, text] : m_filled) {
        if (field->text() != text) {
            m_context.form.lblthread->setText(m_description + QStringLiteral(", edited"));
            m_filled.clear(); // it stays edited until the next Fill or clearing
            return;
        }
    }
}

} // namespace orvanta
