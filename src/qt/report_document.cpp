// SPDX-License-Identifier: MIT

#include "qt/report_document.h"

#include <algorithm>
#include <map>
#include <utility>

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "core/report/page_layout.h"
#include "core/report/report_steps.h"
#include "core/report/report_texts.h"

namespace pali {
namespace {

constexpr int kNormalStretch = 100;
constexpr qreal kPointsPerInch = 72;
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

qreal DevicePerPoint(const QPrinter& printer)
{
    return printer.resolution() / kPointsPerInch;
}

// The face as the printer draws it, measured at the body size.
MonospacedFace MeasuredFace(QPrinter& printer)
{
    const QFontMetricsF metrics(ReportFont(kBodyFontSize, kNormalStretch), &printer);
    const qreal perPoint = kBodyFontSize * DevicePerPoint(printer);
    return {metrics.horizontalAdvance(QLatin1Char('M')) / perPoint, metrics.ascent() / perPoint,
            metrics.descent() / perPoint, metrics.leading() / perPoint};
}

PageArea PrintableArea(const QPrinter& printer)
{
    return {printer.width() / DevicePerPoint(printer), printer.height() / DevicePerPoint(printer)};
}

// The most characters any placed line of each size holds.
std::map<float, qsizetype> WidestLineOfEachSize(const PageLayout& layout)
{
    std::map<float, qsizetype> widest;
    for (const PlacedLine& line : layout.lines) {
        const auto characters = static_cast<qsizetype>(CharacterCount(line.text));
        widest[line.fontSize] = std::max(widest[line.fontSize], characters);
    }
    return widest;
}

bool FitsAcross(const std::map<float, qsizetype>& widest, int stretch, QPrinter& printer)
{
    return std::all_of(widest.begin(), widest.end(), [&](const auto& sizeAndCharacters) {
        const QFontMetricsF metrics(ReportFont(sizeAndCharacters.first, stretch), &printer);
        const QString cells(sizeAndCharacters.second, QLatin1Char('M'));
        return metrics.horizontalAdvance(cells) <= printer.width();
    });
}

// Qt condenses a face in whole percent, and glyph advances are rounded to
// device pixels: the stretch is the widest at which every placed line fits.
int FittingStretch(const PageLayout& layout, QPrinter& printer)
{
    const auto widest = WidestLineOfEachSize(layout);
    int stretch = std::max(1, static_cast<int>(kNormalStretch * layout.condense));
    while (stretch > 1 && !FitsAcross(widest, stretch, printer)) {
        --stretch;
    }
    return stretch;
}

}  // namespace

ReportDocument::ReportDocument(std::vector<PrintedLine> lines) : lines_(std::move(lines))
{}

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
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, kMarginsMm, QPageLayout::Millimeter));
    return Paint(printer);
}

bool ReportDocument::Paint(QPrinter& printer) const
{
    printer.setDocName(QString::fromUtf8(kReportDocumentName.data(), kReportDocumentName.size()));
    const PageLayout layout = LayOutPages(lines_, PrintableArea(printer), MeasuredFace(printer));
    const int stretch = FittingStretch(layout, printer);
    const qreal perPoint = DevicePerPoint(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    std::size_t page = 0;
    for (const PlacedLine& line : layout.lines) {
        if (line.page != page) {
            if (!printer.newPage()) {
                painter.end();
                return false;
            }
            page = line.page;
        }
        painter.setFont(ReportFont(line.fontSize, stretch));
        painter.drawText(QPointF(0, line.baseline * perPoint), QString::fromStdString(line.text));
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

}  // namespace pali
