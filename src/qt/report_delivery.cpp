// SPDX-License-Identifier: MIT

#include "qt/report_delivery.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "core/report/report_texts.h"
#include "qt/report_document.h"

namespace pali {
namespace {

const QString kTitle = QStringLiteral("STAMPA");

QString SuggestedPdfPath()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QDir folder(QDir(documents).exists() ? documents : QDir::homePath());
    return folder.filePath(QStringLiteral("Relazione portanza pali.pdf"));
}

QString AskPdfPath(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Nessuna stampante predefinita: salva la relazione in PDF"), QString(),
                       QStringLiteral("Documenti PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(SuggestedPdfPath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

// The message names a file: its text can be selected and copied, so that the
// engineer can find the file again or paste its path elsewhere.
void TellAboutFile(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, kTitle, text, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

void OfferPdf(const ReportDocument& document, QWidget* parent)
{
    const QString path = AskPdfPath(parent);
    if (path.isEmpty()) {
        return;
    }
    const QString shown = QDir::toNativeSeparators(path);
    if (document.SaveAsPdf(path)) {
        TellAboutFile(parent, QMessageBox::Information,
                      QStringLiteral("La relazione è stata salvata in:\n%1").arg(shown));
    } else {
        TellAboutFile(parent, QMessageBox::Warning,
                      QStringLiteral("Non è stato possibile salvare la relazione in:\n%1").arg(shown));
    }
}

}  // namespace

void DeliverReport(const std::vector<PrintedLine>& lines, QWidget* parent)
{
    const ReportDocument document(lines);
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        OfferPdf(document, parent);
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    if (!document.PrintTo(printer)) {
        QMessageBox::warning(parent, kTitle,
                             QString::fromStdString(PrinterFailedMessage(defaultPrinter.printerName().toStdString())));
    }
}

}  // namespace pali
