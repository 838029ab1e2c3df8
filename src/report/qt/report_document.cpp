#include "report/qt/report_document.h"

#include <algorithm>
#include <utility>

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace pali {
namespace {

constexpr int kNormalStretch = 100;
const QMarginsF kMarginsMm(10, 10, 10, 10);

QFont ReportFont(float points, int stretch)
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    font.setStretch(stretch);
    return font;
}

qreal WidestLine(const std::vector<PrintedLine>& lines, int stretch, QPrinter& printer)
{
    qreal widest = 0;
    for (const PrintedLine& line : lines) {
        const QFontMetricsF metrics(ReportFont(line.fontSize, stretch), &printer);
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(line.text)));
    }
    return widest;
}

}  // namespace

ReportDocument::ReportDocument(std::vector<PrintedLine> lines) : lines_(std::move(lines)) {}

int ReportDocument::FittingStretch(QPrinter& printer) const
{
    const qreal available = printer.width();
    const qreal normalWidth = WidestLine(lines_, kNormalStretch, printer);
    if (normalWidth <= available) {
        return kNormalStretch;
    }
    // Glyph advances are rounded to device pixels, so the proportional guess
    // can come out a hair too wide; step down until the widest line fits.
    int stretch = std::max(1, static_cast<int>(kNormalStretch * available / normalWidth));
    while (stretch > 1 && WidestLine(lines_, stretch, printer) > available) {
        --stretch;
    }
    return stretch;
}

bool ReportDocument::PrintTo(QPrinter& printer) const
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(kMarginsMm, QPageLayout::Millimeter);
    return Paint(printer);
}

bool ReportDocument::SaveAsPdf(const QString& path) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, kMarginsMm,
                                      QPageLayout::Millimeter));
    return Paint(printer);
}

bool ReportDocument::Paint(QPrinter& printer) const
{
    printer.setDocName(QStringLiteral("Portanza dei pali di fondazione"));
    const int stretch = FittingStretch(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const qreal pageHeight = printer.height();
    qreal top = 0;
    for (const PrintedLine& line : lines_) {
        const QFont font = ReportFont(line.fontSize, stretch);
        const QFontMetricsF metrics(font, &printer);
        if (top > 0 && top + metrics.height() > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                return false;
            }
            top = 0;
        }
        painter.setFont(font);
        painter.drawText(QPointF(0, top + metrics.ascent()), QString::fromStdString(line.text));
        top += metrics.lineSpacing();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

}  // namespace pali
