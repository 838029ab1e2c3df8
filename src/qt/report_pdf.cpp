// SPDX-License-Identifier: MIT

#include "qt/report_pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "app/calculation_report/page_layout.h"
#include "qt/qt_painter.h"

namespace pali {

namespace {

constexpr int kDotsPerInch = 720;

// The face of the report: a sans-serif of Arial's measures where the system
// has one, else the system's own sans-serif.
QFont ReportFace()
{
    QFont face(QStringLiteral("Liberation Sans"));
    face.setStyleHint(QFont::SansSerif);
    return face;
}

// A4 from the paper's corner: the report's pages have their margins drawn in.
void SetA4WithoutMargins(QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
}

}  // namespace

bool PaintReport(const doc::Document& document, QPagedPaintDevice& device)
{
    SetA4WithoutMargins(device);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double dotsPerPoint = device.logicalDpiX() / 72.0;
    QtPainter dots(painter, ReportFace());
    const draw::ScaledMeasure measure(dots, dotsPerPoint);
    const std::vector<draw::Drawing> pages = doc::PagesOf(document, measure);
    for (std::size_t number = 0; number < pages.size(); ++number) {
        if (number > 0 && !device.newPage()) {
            return false;
        }
        draw::Paint(draw::Placed(pages[number], dotsPerPoint, {0.0, 0.0}), dots);
    }
    return painter.end();
}

std::string ReportPdf(const doc::Document& document)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter writer(&bytes);
    writer.setResolution(kDotsPerInch);
    writer.setTitle(QString::fromStdString(document.footer));
    writer.setCreator(QStringLiteral("portanza-pali"));
    PaintReport(document, writer);
    return bytes.data().toStdString();
}

}  // namespace pali
