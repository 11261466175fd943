// The drill for an internal thread's hole, as a check of the plan: the
// chart's pick among the standard drills in the minor diameter band of the
// stage the hole is cut at (Drills.h has the table and the rule).
#include "Drills.h"
#include "Inspection.h"

namespace orvanta::gauging {

namespace {

Phrase bandPhrase(double min, double max, UnitSystem unit)
{
    return Phrase("the minor diameter band ") + length(min, unit) + " to " + length(max, unit);
}

} // namespace

Check holeDrill(const threads::ThreadLimits& thread, const Band& band)
{
    Check check;
    check.item = Item::Drill;
    check.name = "drill";
    if (!band.minor.min || !band.minor.max) {
        check.error = "the standard sets no minor diameter band for this class, so no drill is chosen";
        return check;
    }
    const Phrase searched = bandPhrase(*band.minor.min, *band.minor.max, thread.unit);
    const DrillChoice choice = drillsForHole(thread, *band.minor.min, *band.minor.max);
    if (!choice.picked) {
        check.error = Phrase("no standard drill lies in ") + searched;
        return check;
    }
    check.name = choice.picked->name;
    check.min = choice.picked->diameter;
    check.max = choice.picked->diameter;
    check.picked = true;
    Phrase others;
    for (const Drill& drill : choice.fitting) {
        if (drill.diameter != choice.picked->diameter || !(drill.name == choice.picked->name)) {
            others += Phrase(others.empty() ? "" : ", ") + drill.name;
        }
    }
    if (choice.pickedFromOtherSeries) {
        const bool inch = thread.unit == UnitSystem::Inch;
        check.note = Phrase(inch ? "no inch drill lies in " : "no metric drill lies in ") + searched +
                     (inch ? "; the metric drill in it nearest the chart's size"
                           : "; the inch drill in it nearest the chart's size");
    } else {
        check.note = Phrase("the tap-drill chart's drill for ") + searched;
    }
    if (!others.empty()) {
        check.note += Phrase("; also in it: ") + others;
    }
    return check;
}

} // namespace orvanta::gauging
