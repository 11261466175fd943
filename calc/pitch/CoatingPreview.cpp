#include "CoatingPreview.h"

#include "CoatingFit.h"
#include "CoatingRange.h"
#include "HotDip.h"
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
                  const coatings::Coating& coating, bool leastOnly = false)
{
    if (!side) {
        return {};
    }
    const bool hotDip = coatings::isHotDip(coating);
    const coatings::FitCheck fit =
        leastOnly ? coatings::checkLeastGrowth(limits, *side, growth, std::nullopt, coating.basis, hotDip)
                  : coatings::checkFit(limits, *side, growth, std::nullopt, coating.basis, hotDip);
    return coatings::fitSentence(fit, limits.unit, QLocale().decimalPoint().toStdString());
}

// Hot-dip galvanizing: the thread is made to its galvanizing class or
// tapped oversize after galvanizing, so Fill writes those limits and no
// growth; a maximum zinc thickness is only needed for the fit.
CoatingReading hotDipReading(const coatings::Coating& coating, const coatings::CoatingRangeResult& range,
                             const threads::ThreadLimits& limits)
{
    CoatingReading reading;
    CoatingFill fill;
    fill.name = coating.name;
    fill.source = coating.source;
    fill.growthFilled = false;
    fill.rangeKnown = range.range.has_value();
    if (range.range) {
        fill.minThickness = range.range->minThickness;
        fill.maxThickness = range.range->maxThickness;
        fill.minGrowth = range.range->minGrowth;
        fill.maxGrowth = range.range->maxGrowth;
    } else if (range.leastGrowth) {
        fill.minThickness = *range.leastGrowth;
        fill.minGrowth = *range.leastGrowth;
    }
    for (const std::optional<threads::SideLimits>& side : {limits.external, limits.internal}) {
        if (!side) {
            continue;
        }
        const coatings::MadeTo made = coatings::hotDipLimits(limits, *side);
        if (!made.limits) {
            reading.message = QString::fromStdString(made.error);
            return reading;
        }
        fill.notes.push_back(made.note);
        (side->side == ThreadSide::External ? fill.madeExternal : fill.madeInternal) = made.limits;
    }
    const double growth = range.range ? fill.maxGrowth : fill.minGrowth;
    fill.externalFit = fitOf(limits, limits.external, growth, coating, !range.range);
    fill.internalFit = fitOf(limits, limits.internal, growth, coating, !range.range);
    reading.fill = std::move(fill);
    return reading;
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
        coatings::CoatingLookup lookup =
            coatings::lookUpCoating(named.toStdString(), limits.unit, limits.nominalDiameter);
        if (!lookup.coating) {
            reading.message = QString::fromStdString(lookup.error);
            return reading;
        }
        coating = std::move(*lookup.coating);
    }
    const coatings::CoatingRangeResult range = coatings::coatingRange(coating, limits.unit, typed);
    if (coatings::isHotDip(coating)) {
        return hotDipReading(coating, range, limits);
    }
    if (!range.range) {
        reading.message = QString::fromStdString(range.error);
        if (range.leastGrowth) {
            reading.externalFit =
                QString::fromStdString(fitOf(limits, limits.external, *range.leastGrowth, coating, true));
            reading.internalFit =
                QString::fromStdString(fitOf(limits, limits.internal, *range.leastGrowth, coating, true));
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
    fill.externalFit = fitOf(limits, limits.external, fill.maxGrowth, coating);
    fill.internalFit = fitOf(limits, limits.internal, fill.maxGrowth, coating);
    reading.fill = std::move(fill);
    return reading;
}

} // namespace orvanta
