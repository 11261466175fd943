#include "FrmSheet.h"

#include "forms/Accessibility.h"
#include "forms/Look.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>

namespace orvanta {

FrmSheet::FrmSheet(QWidget* parent)
    : QDialog(parent)
    , txtpartnumber(new QLineEdit(this))
    , txtnotes(new QPlainTextEdit(this))
    , txtwire(new QLineEdit(this))
    , txtsheet(new QTextBrowser(this))
    , cmdsavepdf(new QPushButton(QStringLiteral("Save &PDF..."), this))
    , cmdprintsheet(new QPushButton(QStringLiteral("&Print..."), this))
    , cmdclosesheet(new QPushButton(QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("frmsheet"));
    setWindowTitle(QStringLiteral("Thread Record"));
    setModal(true);
    setFont(forms::formFont(forms::FontSpec{}));
    const std::pair<QWidget*, const char*> names[] = {
        {txtpartnumber, "txtpartnumber"}, {txtnotes, "txtnotes"},     {txtwire, "txtwire"},
        {txtsheet, "txtsheet"},           {cmdsavepdf, "cmdsavepdf"}, {cmdprintsheet, "cmdprintsheet"},
        {cmdclosesheet, "cmdclosesheet"},
    };
    for (const auto& [widget, name] : names) {
        widget->setObjectName(QString::fromLatin1(name));
    }
    txtsheet->setReadOnly(true);
    txtsheet->setOpenLinks(false);
    txtnotes->setTabChangesFocus(true);
    txtwire->setPlaceholderText(QStringLiteral("best wire"));
    cmdsavepdf->setAutoDefault(false);
    cmdprintsheet->setAutoDefault(false);
    cmdclosesheet->setAutoDefault(false);
    connect(cmdclosesheet, &QPushButton::clicked, this, &QDialog::reject);
    layOut();
    describeControls();
    resize(720, 760);
    txtpartnumber->setFocus();
}

void FrmSheet::layOut()
{
    auto* grid = new QGridLayout(this);
    const std::pair<const char*, QWidget*> captioned[] = {
        {"Part or &drawing number:", txtpartnumber},
        {"&Notes:", txtnotes},
        {"&Wire diameter:", txtwire},
    };
    int row = 0;
    for (const auto& [caption, field] : captioned) {
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0, Qt::AlignTop);
        grid->addWidget(field, row++, 1);
    }
    txtnotes->setFixedHeight(txtnotes->fontMetrics().lineSpacing() * 3 + 12);
    grid->addWidget(txtsheet, row++, 0, 1, 2);
    grid->setRowStretch(row - 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdsavepdf);
    buttons->addWidget(cmdprintsheet);
    buttons->addWidget(cmdclosesheet);
    grid->addLayout(buttons, row, 0, 1, 2);
    setTabOrder(txtpartnumber, txtnotes);
    setTabOrder(txtnotes, txtwire);
    setTabOrder(txtwire, txtsheet);
    setTabOrder(txtsheet, cmdsavepdf);
    setTabOrder(cmdsavepdf, cmdprintsheet);
    setTabOrder(cmdprintsheet, cmdclosesheet);
}

void FrmSheet::describeControls()
{
    const struct {
        QWidget* control;
        const char* name;
        const char* description;
    } descriptions[] = {
        {txtpartnumber, "Part or drawing number", "Printed at the head of the record."},
        {txtnotes, "Notes", "Free text printed on the record."},
        {txtwire, "Wire diameter",
         "The wire for the readings over three wires, in the calculator's unit; empty for the best wire."},
        {txtsheet, "Thread record", "The record as it will be saved and printed."},
        {cmdsavepdf, "Save PDF", "Saves the record as a one-page PDF."},
        {cmdprintsheet, "Print", "Prints the record."},
        {cmdclosesheet, "Close", "Closes the record (Esc)."},
    };
    for (const auto& entry : descriptions) {
        forms::setAccessibleText(*entry.control, QString::fromLatin1(entry.name),
                                 QString::fromLatin1(entry.description));
    }
}

} // namespace orvanta
