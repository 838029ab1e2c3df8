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
constexpr double kDotsPerPoint = kDotsPerInch / 72.0;

// The face of the report: a sans-serif of Arial's measures where the system
// has one, else the system's own sans-serif.
QFont ReportFace()
{
    QFont face(QStringLiteral("Liberation Sans"));
    face.setStyleHint(QFont::SansSerif);
    return face;
}

}  // namespace

std::string ReportPdf(const doc::Document& document)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QPdfWriter writer(&bytes);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(kDotsPerInch);
    writer.setTitle(QString::fromStdString(document.footer));
    writer.setCreator(QStringLiteral("portanza-pali"));
    QPainter painter(&writer);
    QtPainter dots(painter, ReportFace());
    const draw::ScaledMeasure measure(dots, kDotsPerPoint);
    const std::vector<draw::Drawing> pages = doc::PagesOf(document, measure);
    for (std::size_t number = 0; number < pages.size(); ++number) {
        if (number > 0) {
            writer.newPage();
        }
        draw::Paint(draw::Placed(pages[number], kDotsPerPoint, {0.0, 0.0}), dots);
    }
    painter.end();
    return bytes.data().toStdString();
}

}  // namespace pali
