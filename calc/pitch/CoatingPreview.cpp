#include "CoatingPreview.h"

#include "CoatingFit.h"
#include "CoatingRange.h"
#include "NumberText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

namespace orvanta {

namespace {

// A thickness field: empty, a number in the thread's unit, or not one.
bool readField(const QLineEdit& field, std::optional<double>& value)
{
    const QString text = field.text().trimmed();
    if (text.isEmpty()) {
        return true;
    }
    value = parseNumber(text.toStdString(), QLocale().decimalPoint().toStdString());
    return value && *value >= 0;
}

std::string fitOf(const threads::ThreadLimits& limits, const std::optional<threads::SideLimits>& side, double growth,
                  coatings::Basis basis, bool leastOnly = false)
{
    if (!side) {
        return {};
    }
    const coatings::FitCheck fit = leastOnly ? coatings::checkLeastGrowth(limits, *side, growth, std::nullopt, basis)
                                             : coatings::checkFit(limits, *side, growth, std::nullopt, basis);
    return coatings::fitSentence(fit, limits.unit, QLocale().decimalPoint().toStdString());
}

} // namespace

CoatingReading readCoating(const FrmThread& dialog, const threads::ThreadLimits& limits)
{
    CoatingReading reading;
    coatings::TypedThickness typed;
    if (!readField(*dialog.txtcoatingmin, typed.min) || !readField(*dialog.txtcoatingmax, typed.max)) {
        reading.message = QStringLiteral("The coating thickness is a number at or above zero.");
        return reading;
    }
    const QString named = dialog.cbocoating->currentText().trimmed();
    coatings::Coating coating;
    if (named.isEmpty() || named == QLatin1String(kTypedByHand)) {
        if (!typed.min && !typed.max) {
            return reading; // no coating: the thicknesses are left to the calculator
        }
        if (!typed.min || !typed.max) {
            reading.message = QStringLiteral("Give both the minimum and the maximum thickness.");
            return reading;
        }
        // A plating typed as its thickness grows by all of it.
        coating.name = kTypedByHand;
    } else {
        coatings::CoatingLookup lookup = coatings::lookUpCoating(named.toStdString(), limits.unit);
        if (!lookup.coating) {
            reading.message = QString::fromStdString(lookup.error);
            return reading;
        }
        coating = std::move(*lookup.coating);
    }
    const coatings::CoatingRangeResult range = coatings::coatingRange(coating, limits.unit, typed);
    if (!range.range) {
        reading.message = QString::fromStdString(range.error);
        if (range.leastGrowth) {
            reading.externalFit =
                QString::fromStdString(fitOf(limits, limits.external, *range.leastGrowth, coating.basis, true));
            reading.internalFit =
                QString::fromStdString(fitOf(limits, limits.internal, *range.leastGrowth, coating.basis, true));
        }
        return reading;
    }
    CoatingFill fill;
    if (coating.name != kTypedByHand) {
        fill.name = coating.name;
        fill.source = coating.source;
    }
    fill.minThickness = range.range->minThickness;
    fill.maxThickness = range.range->maxThickness;
    fill.minGrowth = range.range->minGrowth;
    fill.maxGrowth = range.range->maxGrowth;
    fill.notes = range.range->notes;
    fill.externalFit = fitOf(limits, limits.external, fill.maxGrowth, coating.basis);
    fill.internalFit = fitOf(limits, limits.internal, fill.maxGrowth, coating.basis);
    reading.fill = std::move(fill);
    return reading;
}

} // namespace orvanta
