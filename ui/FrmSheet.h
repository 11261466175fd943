// The thread record window: a part number, notes and a wire in, the record
// shown as it will print, and Save PDF, Print and Close. It owns its
// controls; the calculator's handlers drive them.
#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextBrowser;

namespace orvanta {

class FrmSheet : public QDialog {
    Q_OBJECT
public:
    explicit FrmSheet(QWidget* parent);

    QLineEdit* const txtpartnumber;
    QPlainTextEdit* const txtnotes;
    QLineEdit* const txtwire;
    QTextBrowser* const txtsheet;
    QPushButton* const cmdsavepdf;
    QPushButton* const cmdprintsheet;
    QPushButton* const cmdclosesheet;

private:
    void layOut();
    void describeControls();
};

} // namespace orvanta
