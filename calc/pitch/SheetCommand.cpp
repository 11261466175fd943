#include "SheetCommand.h"

#include "Captions.h"
#include "NumberText.h"
#include "RecordDocument.h"
#include "SideCalculation.h"
#include "forms/FocusController.h"
#include "forms/MessageBox.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

namespace orvanta {

SheetCommand::SheetCommand(PitchContext& context, const ThreadFill& threadFill)
    : m_context(context)
    , m_threadFill(threadFill)
{
    context.addSuggestionsListener([this] { updateEnabled(); });
    updateEnabled();
}

std::vector<record::ShownSide> SheetCommand::shownSides() const
{
    std::vector<record::ShownSide> sides;
    for (const ThreadSide side : {ThreadSide::External, ThreadSide::Internal}) {
        const SideControls& controls = m_context.controls(side);
        if (controls.preplateMaxLabel->text().isEmpty() || controls.preplateMinLabel->text().isEmpty()) {
            continue;
        }
        record::ShownSide shown;
        shown.side = side;
        shown.afterPlateMax = controls.afterPlateMax->text().toStdString();
        shown.afterPlateMin = controls.afterPlateMin->text().toStdString();
        shown.maxThickness = controls.maxThickness->text().toStdString();
        shown.minThickness = controls.minThickness->text().toStdString();
        shown.preplateMax = controls.preplateMaxLabel->text().toStdString();
        shown.preplateMin = controls.preplateMinLabel->text().toStdString();
        if (noBandLeft(m_context, controls)) {
            shown.message = captions::kPlateTooGreat;
        }
        sides.push_back(std::move(shown));
    }
    return sides;
}

void SheetCommand::updateEnabled()
{
    m_context.form.cmdsheet->setEnabled(!shownSides().empty());
}

record::ThreadRecord SheetCommand::currentRecord(const FrmSheet& sheet) const
{
    const FrmPitch& form = m_context.form;
    record::RecordInput input;
    input.date = QLocale().toString(QDate::currentDate(), QLocale::LongFormat).toStdString();
    input.program = (QStringLiteral("Orvanta ") + QCoreApplication::applicationVersion()).trimmed().toStdString();
    input.partNumber = sheet.txtpartnumber->text().trimmed().toStdString();
    input.notes = sheet.txtnotes->toPlainText().trimmed().toStdString();
    input.unit = form.optinch->isChecked() ? UnitSystem::Inch : UnitSystem::Metric;
    input.decimalSeparator = QLocale::system().decimalPoint().toStdString();
    const QString wire = sheet.txtwire->text().trimmed();
    if (!wire.isEmpty()) {
        input.wire = parseNumber(wire.toStdString(), input.decimalSeparator);
        if (!input.wire) {
            input.wireError = "the wire diameter is not a number: " + wire.toStdString() + "; the best wire is used";
        }
    }
    bool edited = false;
    if (const std::optional<ThreadChoice> choice = m_threadFill.filled(edited);
        choice && choice->limits.unit == input.unit) {
        input.thread =
            record::FilledThread{choice->limits, form.lblthread->text().toStdString(), edited, choice->coating};
    }
    input.sides = shownSides();
    return record::buildRecord(input);
}

QString SheetCommand::suggestedFileName(const FrmSheet& sheet) const
{
    bool edited = false;
    const std::optional<ThreadChoice> choice = m_threadFill.filled(edited);
    QStringList parts;
    for (const QString& part : {sheet.txtpartnumber->text().trimmed(),
                                choice ? QString::fromStdString(choice->limits.designation) : QString()}) {
        if (!part.isEmpty()) {
            parts << part;
        }
    }
    QString name = parts.isEmpty() ? QStringLiteral("thread record") : parts.join(QLatin1Char(' '));
    // Characters one file system or another refuses.
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    return QDir(QDir::homePath()).filePath(name + QStringLiteral(".pdf"));
}

void SheetCommand::savePdf(FrmSheet& sheet) const
{
    QFileDialog dialog(&sheet, QStringLiteral("Save PDF"), suggestedFileName(sheet),
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setObjectName(QStringLiteral("dlgsavepdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString error = saveRecordPdf(currentRecord(sheet), dialog.selectedFiles().constFirst());
    if (!error.isEmpty()) {
        forms::showMessage(&sheet, error);
    }
}

void SheetCommand::print(FrmSheet& sheet) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(localePaper()));
    printer.setDocName(QStringLiteral("Thread Record"));
    QPrintDialog dialog(&printer, &sheet);
    dialog.setObjectName(QStringLiteral("dlgprintsheet"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!printRecord(currentRecord(sheet), printer)) {
        forms::showMessage(&sheet, QStringLiteral("The record could not be printed."));
    }
}

void SheetCommand::cmdsheet_Click()
{
    FrmPitch& form = m_context.form;
    forms::TextBox* returnTo = form.focus().lastTextBox();
    FrmSheet sheet(&form);
    const auto refresh = [this, &sheet] { sheet.txtsheet->setHtml(recordHtml(currentRecord(sheet))); };
    QObject::connect(sheet.txtpartnumber, &QLineEdit::textChanged, &sheet, refresh);
    QObject::connect(sheet.txtwire, &QLineEdit::textChanged, &sheet, refresh);
    QObject::connect(sheet.txtnotes, &QPlainTextEdit::textChanged, &sheet, refresh);
    QObject::connect(sheet.cmdsavepdf, &QPushButton::clicked, &sheet, [this, &sheet] { savePdf(sheet); });
    QObject::connect(sheet.cmdprintsheet, &QPushButton::clicked, &sheet, [this, &sheet] { print(sheet); });
    refresh();
    sheet.exec();
    if (returnTo != nullptr && returnTo->isEnabled()) {
        returnTo->moveFocusHere();
    }
}

} // namespace orvanta
