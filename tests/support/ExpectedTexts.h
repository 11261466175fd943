// The calculator's own texts as the tests expect them, typed once here
// rather than in every suite (and not taken from the product's own copy).
#pragma once

#include <QString>

inline const QString kStartup = QStringLiteral("Enter Nominal Thread Size and Class and press <TAB>.");
inline const QString kShown = QStringLiteral(
    "The Suggested Pre-Plate Pitch Diameter is Shown Below.  Press <ESC> to Clear form and begin again.");
inline const QString kReenterInternal = QStringLiteral("Re-Enter internal plate thicknesses.");
inline const QString kReenterExternal = QStringLiteral("Re-Enter external plate thicknesses.");
inline const QString kExternalOrderMessage = QStringLiteral("Minimum entry must be less than Maximum entry");
inline const QString kInternalOrderMessage = QStringLiteral("Maximum entry must be greater than Minimum entry");
inline const QString kPlateTooGreat = QStringLiteral("Plate thickness is too great.");
