#include "MessageBox.h"

#include <QMessageBox>

namespace orvanta::forms {

namespace {

QMessageBox::StandardButton exec(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text, buttons, parent);
    box.setObjectName(QStringLiteral("messagebox"));
    box.setTextFormat(Qt::PlainText);
    if (buttons.testFlag(QMessageBox::Cancel)) {
        box.setEscapeButton(QMessageBox::Cancel);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void showMessage(QWidget* parent, const QString& text)
{
    exec(parent, text, QMessageBox::Ok);
}

bool askOkCancel(QWidget* parent, const QString& text)
{
    return exec(parent, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

} // namespace orvanta::forms
