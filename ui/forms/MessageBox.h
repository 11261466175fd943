// The program's two kinds of message box: real QMessageBoxes, modal, without
// an icon, always titled with the application's title.
#pragma once

#include <QString>

class QWidget;

namespace orvanta::forms {

inline constexpr const char* kApplicationTitle = "Orvanta";

// The message and an OK button; returns when the user has closed it.
void showMessage(QWidget* parent, const QString& text);

// The message with OK and Cancel; true for OK. Closing the box counts as Cancel.
[[nodiscard]] bool askOkCancel(QWidget* parent, const QString& text);

} // namespace orvanta::forms
