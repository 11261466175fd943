#include "PitchHandlers.h"

#include <QPushButton>

namespace orvanta {

namespace {

template <typename Handlers>
void attach(forms::TextBox* field, Handlers& handlers, void (Handlers::*gotFocus)(), void (Handlers::*validate)(bool&))
{
    field->setGotFocusHandler([&handlers, gotFocus] { (handlers.*gotFocus)(); });
    field->setValidateHandler([&handlers, validate](bool& cancel) { (handlers.*validate)(cancel); });
}

} // namespace

PitchHandlers::PitchHandlers(FrmPitch& form)
    : m_context(form)
    , m_external(m_context)
    , m_internal(m_context)
    , m_calculate(m_context)
    , m_clearing(m_context)
    , m_threadFill(m_context, m_clearing)
    , m_sheet(m_context, m_threadFill)
{
    attach(form.txtexternalmax, m_external, &ExternalEntry::txtexternalmax_GotFocus,
           &ExternalEntry::txtexternalmax_Validate);
    attach(form.txtexternalmin, m_external, &ExternalEntry::txtexternalmin_GotFocus,
           &ExternalEntry::txtexternalmin_Validate);
    attach(form.txtextmaxthickness, m_external, &ExternalEntry::txtextmaxthickness_GotFocus,
           &ExternalEntry::txtextmaxthickness_Validate);
    attach(form.txtextminthickness, m_external, &ExternalEntry::txtextminthickness_GotFocus,
           &ExternalEntry::txtextminthickness_Validate);
    attach(form.txtinternalmin, m_internal, &InternalEntry::txtinternalmin_GotFocus,
           &InternalEntry::txtinternalmin_Validate);
    attach(form.txtinternalmax, m_internal, &InternalEntry::txtinternalmax_GotFocus,
           &InternalEntry::txtinternalmax_Validate);
    attach(form.txtintminthickness, m_internal, &InternalEntry::txtintminthickness_GotFocus,
           &InternalEntry::txtintminthickness_Validate);
    attach(form.txtintmaxthickness, m_internal, &InternalEntry::txtintmaxthickness_GotFocus,
           &InternalEntry::txtintmaxthickness_Validate);

    QObject::connect(form.cmdok, &QPushButton::clicked, &form, [this] { m_calculate.cmdok_Click(); });
    QObject::connect(form.cmdcancel, &QPushButton::clicked, &form, [this] { m_clearing.cmdcancel_Click(); });
    QObject::connect(form.cmdthread, &QPushButton::clicked, &form, [this] { m_threadFill.cmdthread_Click(); });
    QObject::connect(form.cmdsheet, &QPushButton::clicked, &form, [this] { m_sheet.cmdsheet_Click(); });
}

} // namespace orvanta
