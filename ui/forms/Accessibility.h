// What a screen reader says of the forms' controls: every control carries an
// accessible name and description, a caption that shows a value is spoken as
// "its role: its value", and the guidance line announces each change.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace orvanta::forms {

void setAccessibleText(QWidget& control, const QString& name, const QString& description);

// Sets a caption that guides the user, and tells assistive technology.
void setLiveText(QLabel& label, const QString& text);

// Makes the forms' captions speak their role with their value. Idempotent.
void installCaptionAccessibility();

} // namespace orvanta::forms
