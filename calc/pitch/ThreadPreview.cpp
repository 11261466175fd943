#include "ThreadPreview.h"

#include "PlatingArithmetic.h"

#include <QComboBox>
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
    QObject::connect(dialog.cbocoating, &QComboBox::currentTextChanged, &dialog, [this] { refresh(); });
    for (QLineEdit* field : {dialog.txtcoatingmin, dialog.txtcoatingmax}) {
        QObject::connect(field, &QLineEdit::textChanged, &dialog, [this] { refresh(); });
    }
    refresh();
}

QString ThreadPreview::describe(const ThreadChoice& choice)
{
    QString text =
        QString::fromStdString(choice.limits.designation) + (choice.rule == threads::AfterPlate::ClassLimits
                                                                 ? QStringLiteral(", class limits after plating")
                                                                 : QStringLiteral(", plating may use the allowance"));
    if (choice.coating && !choice.coating->name.empty()) {
        text += QStringLiteral(", ") + QString::fromStdString(choice.coating->name);
    }
    return text;
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
    ThreadChoice choice{*lookup.limits,
                        m_dialog.optallowance->isChecked() ? threads::AfterPlate::UseAllowance
                                                           : threads::AfterPlate::ClassLimits,
                        std::nullopt};
    for (std::optional<threads::SideLimits>* side : {&choice.limits.external, &choice.limits.internal}) {
        if (*side) {
            **side = threads::afterPlateLimits(**side, choice.rule);
        }
    }
    const CoatingReading coating = readCoating(m_dialog, choice.limits);
    if (coating.fill && !coating.fill->growthFilled) {
        // Made to the galvanizing limits: those are what Fill carries.
        for (const std::optional<threads::SideLimits>* made :
             {&coating.fill->madeExternal, &coating.fill->madeInternal}) {
            if (*made) {
                ((*made)->side == ThreadSide::External ? choice.limits.external : choice.limits.internal) = **made;
            }
        }
    }
    show(choice);
    showCoating(coating, choice.limits.unit);
    choice.coating = coating.fill;
    m_choice = std::move(choice);
    // A coating asked for but not readable would fill the wrong thicknesses.
    m_dialog.cmdfill->setEnabled(coating.message.isEmpty());
}

void ThreadPreview::showCoating(const CoatingReading& reading, UnitSystem unit)
{
    if (!reading.fill) {
        m_dialog.lblgrowth->setText(reading.message);
        m_dialog.lblextfit->setText(reading.externalFit);
        m_dialog.lblintfit->setText(reading.internalFit);
        return;
    }
    const CoatingFill& fill = *reading.fill;
    QString text = fill.rangeKnown
                       ? QStringLiteral("thickness ") + number(fill.minThickness) + QStringLiteral(" to ") +
                             withUnit(fill.maxThickness, unit) + QStringLiteral(", growth ") + number(fill.minGrowth) +
                             QStringLiteral(" to ") + withUnit(fill.maxGrowth, unit)
                       : QStringLiteral("thickness at least ") + withUnit(fill.minThickness, unit);
    for (const std::string& note : fill.notes) {
        text += QStringLiteral("; ") + QString::fromStdString(note);
    }
    m_dialog.lblgrowth->setText(text);
    m_dialog.lblextfit->setText(QString::fromStdString(fill.externalFit));
    m_dialog.lblintfit->setText(QString::fromStdString(fill.internalFit));
}

void ThreadPreview::clearValues()
{
    for (QLabel* label :
         {m_dialog.lblresolved,     m_dialog.lblextmax,       m_dialog.lblextmin,       m_dialog.lblintmin,
          m_dialog.lblintmax,       m_dialog.lblextmajormax,  m_dialog.lblextmajormin,  m_dialog.lblintmajormin,
          m_dialog.lblintmajormax,  m_dialog.lblextminormax,  m_dialog.lblextminormin,  m_dialog.lblintminormin,
          m_dialog.lblintminormax,  m_dialog.lblbasic,        m_dialog.lblextallowance, m_dialog.lblintallowance,
          m_dialog.lblexttolerance, m_dialog.lblinttolerance, m_dialog.lblmessage,      m_dialog.lblnotes,
          m_dialog.lblgrowth,       m_dialog.lblextfit,       m_dialog.lblintfit}) {
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
    if (unit == UnitSystem::Inch && limits.external) {
        notes << QString::fromLatin1(threads::kUnrMinorNote);
    }
    m_dialog.lblnotes->setText(notes.join(QLatin1Char('\n')));
}

} // namespace orvanta
