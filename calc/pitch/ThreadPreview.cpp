#include "ThreadPreview.h"

#include "PlatingArithmetic.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace orvanta {

namespace {

QString number(double value)
{
    return QString::fromStdString(formatPitchValue(value, QLocale::system().decimalPoint().toStdString()));
}

QString withUnit(double value, UnitSystem unit)
{
    return number(value) + (unit == UnitSystem::Inch ? QStringLiteral(" in") : QStringLiteral(" mm"));
}

} // namespace

ThreadPreview::ThreadPreview(FrmThread& dialog)
    : m_dialog(dialog)
{
    QObject::connect(dialog.txtdesignation, &QLineEdit::textChanged, &dialog, [this] { refresh(); });
    QObject::connect(dialog.optallowance, &QRadioButton::toggled, &dialog, [this] { refresh(); });
    refresh();
}

QString ThreadPreview::describe(const ThreadChoice& choice)
{
    return QString::fromStdString(choice.limits.designation) +
           (choice.rule == threads::AfterPlate::ClassLimits ? QStringLiteral(", class limits after plating")
                                                            : QStringLiteral(", plating may use the allowance"));
}

void ThreadPreview::refresh()
{
    m_choice.reset();
    clearValues();
    const QString text = m_dialog.txtdesignation->text().trimmed();
    if (text.isEmpty()) {
        m_dialog.cmdfill->setEnabled(false);
        return;
    }
    const threads::ThreadLookup lookup = threads::lookUpThread(text.toStdString());
    if (!lookup.limits) {
        m_dialog.lblmessage->setText(QString::fromStdString(lookup.error));
        m_dialog.cmdfill->setEnabled(false);
        return;
    }
    ThreadChoice choice{*lookup.limits, m_dialog.optallowance->isChecked() ? threads::AfterPlate::UseAllowance
                                                                           : threads::AfterPlate::ClassLimits};
    for (std::optional<threads::SideLimits>* side : {&choice.limits.external, &choice.limits.internal}) {
        if (*side) {
            **side = threads::afterPlateLimits(**side, choice.rule);
        }
    }
    show(choice);
    m_choice = std::move(choice);
    m_dialog.cmdfill->setEnabled(true);
}

void ThreadPreview::clearValues()
{
    for (QLabel* label :
         {m_dialog.lblresolved,     m_dialog.lblextmax,       m_dialog.lblextmin,       m_dialog.lblintmin,
          m_dialog.lblintmax,       m_dialog.lblextmajormax,  m_dialog.lblextmajormin,  m_dialog.lblintmajormin,
          m_dialog.lblintmajormax,  m_dialog.lblextminormax,  m_dialog.lblextminormin,  m_dialog.lblintminormin,
          m_dialog.lblintminormax,  m_dialog.lblbasic,        m_dialog.lblextallowance, m_dialog.lblintallowance,
          m_dialog.lblexttolerance, m_dialog.lblinttolerance, m_dialog.lblmessage,      m_dialog.lblnotes}) {
        label->clear();
    }
}

void ThreadPreview::show(const ThreadChoice& choice)
{
    const threads::ThreadLimits& limits = choice.limits;
    const UnitSystem unit = limits.unit;
    m_dialog.lblresolved->setText(QString::fromStdString(limits.designation));
    const auto allowance = [&](const threads::SideLimits& side) {
        if (choice.rule == threads::AfterPlate::UseAllowance && side.allowance > 0) {
            return withUnit(side.allowance, unit) + QStringLiteral(" (takes plating up to ") +
                   number(threads::platingAbsorbed(side.allowance)) + QStringLiteral(")");
        }
        return withUnit(side.allowance, unit);
    };
    const auto limit = [&](const std::optional<double>& value) {
        return value ? withUnit(*value, unit) : QStringLiteral("not set");
    };
    struct SideLabels {
        const std::optional<threads::SideLimits>& limits;
        QLabel* max;
        QLabel* min;
        QLabel* majorMax;
        QLabel* majorMin;
        QLabel* minorMax;
        QLabel* minorMin;
        QLabel* allowance;
        QLabel* tolerance;
    };
    const SideLabels sides[] = {
        {limits.external, m_dialog.lblextmax, m_dialog.lblextmin, m_dialog.lblextmajormax, m_dialog.lblextmajormin,
         m_dialog.lblextminormax, m_dialog.lblextminormin, m_dialog.lblextallowance, m_dialog.lblexttolerance},
        {limits.internal, m_dialog.lblintmax, m_dialog.lblintmin, m_dialog.lblintmajormax, m_dialog.lblintmajormin,
         m_dialog.lblintminormax, m_dialog.lblintminormin, m_dialog.lblintallowance, m_dialog.lblinttolerance},
    };
    for (const SideLabels& side : sides) {
        if (side.limits) {
            side.max->setText(withUnit(side.limits->max, unit));
            side.min->setText(withUnit(side.limits->min, unit));
            side.majorMax->setText(limit(side.limits->major.max));
            side.majorMin->setText(limit(side.limits->major.min));
            side.minorMax->setText(limit(side.limits->minor.max));
            side.minorMin->setText(limit(side.limits->minor.min));
            side.allowance->setText(allowance(*side.limits));
            side.tolerance->setText(withUnit(side.limits->classTolerance, unit));
            m_dialog.lblbasic->setText(withUnit(side.limits->basic, unit));
        }
    }
    QStringList notes;
    for (const std::string& note : limits.notes) {
        notes << QString::fromStdString(note);
    }
    m_dialog.lblnotes->setText(notes.join(QLatin1Char('\n')));
}

} // namespace orvanta
