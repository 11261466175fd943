#include "Clearing.h"

namespace orvanta {

Clearing::Clearing(PitchContext& context)
    : m_context(context)
{
}

void Clearing::cmdcancel_Click()
{
    FrmPitch& form = m_context.form;
    // Thicknesses alone do not count as an entry.
    const bool nothingEntered = form.txtexternalmax->text().isEmpty() && form.txtexternalmin->text().isEmpty() &&
                                form.txtinternalmax->text().isEmpty() && form.txtinternalmin->text().isEmpty();
    if (nothingEntered) {
        form.endProgram();
        return;
    }
    clearform();
    form.txtexternalmax->moveFocusHere();
}

void Clearing::clearform()
{
    FrmPitch& form = m_context.form;
    const std::initializer_list<forms::TextBox*> fields = {
        form.txtinternalmin, form.txtinternalmax, form.txtintminthickness, form.txtintmaxthickness,
        form.txtexternalmax, form.txtexternalmin, form.txtextmaxthickness, form.txtextminthickness};
    for (forms::TextBox* field : fields) {
        field->enable();
    }
    for (forms::TextBox* field : fields) {
        field->clear();
    }
    for (QLabel* label : {form.lblextmaxsug, form.lblextminsug, form.lblintmaxsug, form.lblintminsug}) {
        label->clear();
    }
    form.lblthread->clear();
    m_context.suggestionsChanged();
    m_context.setInstruction(FrmPitch::kStartupInstruction);
}

} // namespace orvanta
