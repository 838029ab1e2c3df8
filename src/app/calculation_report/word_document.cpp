// SPDX-License-Identifier: MIT

// A Word file is a ZIP of XML parts: the package's content types and
// relationships, the document, its styles, its footer and its properties.
// Everything that never changes is written here as it stands; the document
// and the footer are built from the blocks.
#include "app/calculation_report/word_document.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <string_view>

#include "app/calculation_report/document_text_measure.h"
#include "app/calculation_report/zip_archive.h"

namespace pali::doc {

namespace {

constexpr std::string_view kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

constexpr std::string_view kContentTypes =
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/word/document.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
    "<Override PartName=\"/word/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
    "<Override PartName=\"/word/settings.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
    "<Override PartName=\"/word/footer1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml\"/>"
    "<Override PartName=\"/docProps/core.xml\" "
    "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
    "</Types>";

constexpr std::string_view kPackageRelationships =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"word/document.xml\"/>"
    "<Relationship Id=\"rId2\" "
    "Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties\" "
    "Target=\"docProps/core.xml\"/>"
    "</Relationships>";

constexpr std::string_view kDocumentRelationships =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
    "Target=\"styles.xml\"/>"
    "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/footer\" "
    "Target=\"footer1.xml\"/>"
    "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings\" "
    "Target=\"settings.xml\"/>"
    "</Relationships>";

constexpr std::string_view kFooterRelationship = "rId2";  // the footer's, above

// Arial, which Liberation Sans stands in for where Arial is missing, in
// Italian. Title and the headings are Word's own styles (by their built-in
// names), so that the navigation pane and a table of contents find the
// headings by their outline levels.
constexpr std::string_view kStyles =
    "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:docDefaults><w:rPrDefault><w:rPr>"
    "<w:rFonts w:ascii=\"Arial\" w:hAnsi=\"Arial\" w:eastAsia=\"Arial\" w:cs=\"Arial\"/>"
    "<w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/><w:lang w:val=\"it-IT\" w:eastAsia=\"it-IT\" w:bidi=\"ar-SA\"/>"
    "</w:rPr></w:rPrDefault>"
    "<w:pPrDefault><w:pPr><w:spacing w:after=\"120\" w:line=\"240\" w:lineRule=\"auto\"/></w:pPr></w:pPrDefault>"
    "</w:docDefaults>"
    "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/><w:qFormat/>"
    "</w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Title\"><w:name w:val=\"Title\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:next w:val=\"Cover\"/><w:qFormat/>"
    "<w:pPr><w:spacing w:before=\"2400\" w:after=\"720\"/><w:jc w:val=\"center\"/></w:pPr>"
    "<w:rPr><w:b/><w:bCs/><w:sz w:val=\"40\"/><w:szCs w:val=\"40\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:customStyle=\"1\" w:styleId=\"Cover\"><w:name w:val=\"Copertina\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:qFormat/>"
    "<w:pPr><w:spacing w:after=\"240\"/><w:jc w:val=\"center\"/></w:pPr>"
    "<w:rPr><w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Heading1\"><w:name w:val=\"heading 1\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:next w:val=\"Normal\"/><w:uiPriority w:val=\"9\"/><w:qFormat/>"
    "<w:pPr><w:keepNext/><w:keepLines/><w:spacing w:before=\"360\" w:after=\"120\"/><w:outlineLvl w:val=\"0\"/>"
    "</w:pPr><w:rPr><w:b/><w:bCs/><w:sz w:val=\"28\"/><w:szCs w:val=\"28\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Heading2\"><w:name w:val=\"heading 2\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:next w:val=\"Normal\"/><w:uiPriority w:val=\"9\"/><w:unhideWhenUsed/><w:qFormat/>"
    "<w:pPr><w:keepNext/><w:keepLines/><w:spacing w:before=\"240\" w:after=\"80\"/><w:outlineLvl w:val=\"1\"/>"
    "</w:pPr><w:rPr><w:b/><w:bCs/><w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:customStyle=\"1\" w:styleId=\"Formula\"><w:name w:val=\"Formula\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:qFormat/>"
    "<w:pPr><w:keepLines/><w:spacing w:after=\"60\"/><w:ind w:left=\"567\"/></w:pPr></w:style>"
    "<w:style w:type=\"paragraph\" w:customStyle=\"1\" w:styleId=\"Listing\"><w:name w:val=\"Tabulato\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:keepLines/><w:spacing w:after=\"0\" w:line=\"240\" "
    "w:lineRule=\"auto\"/></w:pPr><w:rPr><w:rFonts w:ascii=\"Courier New\" w:hAnsi=\"Courier New\" "
    "w:cs=\"Courier New\"/><w:sz w:val=\"16\"/><w:szCs w:val=\"16\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:customStyle=\"1\" w:styleId=\"Note\"><w:name w:val=\"Nota\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:qFormat/><w:rPr><w:sz w:val=\"16\"/><w:szCs w:val=\"16\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:customStyle=\"1\" w:styleId=\"Figure\"><w:name w:val=\"Figura\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:next w:val=\"Caption\"/>"
    "<w:pPr><w:keepNext/><w:spacing w:before=\"120\" w:after=\"60\"/><w:jc w:val=\"center\"/></w:pPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Caption\"><w:name w:val=\"caption\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:next w:val=\"Normal\"/><w:qFormat/><w:pPr><w:spacing w:after=\"240\"/><w:jc w:val=\"center\"/></w:pPr>"
    "<w:rPr><w:i/><w:iCs/><w:sz w:val=\"18\"/><w:szCs w:val=\"18\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:customStyle=\"1\" w:styleId=\"TableText\"><w:name w:val=\"Testo tabella\"/>"
    "<w:basedOn w:val=\"Normal\"/><w:pPr><w:spacing w:before=\"20\" w:after=\"20\"/></w:pPr>"
    "<w:rPr><w:sz w:val=\"18\"/><w:szCs w:val=\"18\"/></w:rPr></w:style>"
    "<w:style w:type=\"paragraph\" w:styleId=\"Footer\"><w:name w:val=\"footer\"/><w:basedOn w:val=\"Normal\"/>"
    "<w:pPr><w:pBdr><w:top w:val=\"single\" w:sz=\"4\" w:space=\"4\" w:color=\"000000\"/></w:pBdr>"
    "<w:spacing w:after=\"0\"/></w:pPr><w:rPr><w:sz w:val=\"16\"/><w:szCs w:val=\"16\"/></w:rPr></w:style>"
    "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\"><w:name w:val=\"Normal Table\"/>"
    "<w:tblPr><w:tblInd w:w=\"0\" w:type=\"dxa\"/><w:tblCellMar><w:top w:w=\"0\" w:type=\"dxa\"/>"
    "<w:left w:w=\"108\" w:type=\"dxa\"/><w:bottom w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"108\" w:type=\"dxa\"/>"
    "</w:tblCellMar></w:tblPr></w:style>"
    "<w:style w:type=\"table\" w:customStyle=\"1\" w:styleId=\"ReportTable\"><w:name w:val=\"Tabella relazione\"/>"
    "<w:basedOn w:val=\"TableNormal\"/><w:tblPr><w:tblBorders>"
    "<w:top w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
    "<w:left w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
    "<w:bottom w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
    "<w:right w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
    "<w:insideH w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
    "<w:insideV w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
    "</w:tblBorders><w:tblCellMar><w:left w:w=\"85\" w:type=\"dxa\"/><w:right w:w=\"85\" w:type=\"dxa\"/>"
    "</w:tblCellMar></w:tblPr></w:style>"
    "</w:styles>";

// Word 2013's layout, so that Word opens the file without its compatibility
// mode; the file's language Italian.
constexpr std::string_view kSettings =
    "<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:defaultTabStop w:val=\"709\"/><w:compat><w:compatSetting w:name=\"compatibilityMode\" "
    "w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>"
    "<w:themeFontLang w:val=\"it-IT\"/></w:settings>";

constexpr std::string_view kHeaderCellShading = "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"E7E6E6\"/>";

// The namespaces of the body: WordprocessingML, relationships, and for the
// figures DrawingML with Word 2010's groups and shapes, behind markup
// compatibility.
constexpr std::string_view kDocumentStart =
    "<w:document xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
    "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
    "xmlns:wpg=\"http://schemas.microsoft.com/office/word/2010/wordprocessingGroup\" "
    "xmlns:wps=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\">"
    "<w:body>";

constexpr double kTwipsPerPoint = 20.0;
constexpr double kEmuPerPoint = 12700.0;
// Room around a figure's text beyond its measured size, so that a reader
// whose font differs by a hair still shows it on one line, whole.
constexpr double kTextSlack = 2.0;
constexpr double kTextDepthSlack = 0.15;  // of the size, below the line

long Scaled(double points, double unitsPerPoint)
{
    const double units = points * unitsPerPoint;
    return std::isfinite(units) ? std::lround(units) : 0;
}

long Twips(double points)
{
    return Scaled(points, kTwipsPerPoint);
}

long Emu(double points)
{
    return Scaled(points, kEmuPerPoint);
}

// Characters XML does not allow (the C0 controls but tab and line ends) are dropped.
void AppendEscaped(std::string& xml, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&': xml += "&amp;"; break;
        case '<': xml += "&lt;"; break;
        case '>': xml += "&gt;"; break;
        case '"': xml += "&quot;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') {
                xml += c;
            }
        }
    }
}

std::string Escaped(std::string_view text)
{
    std::string xml;
    AppendEscaped(xml, text);
    return xml;
}

std::string Attribute(std::string_view name, long value)
{
    return std::string(name) + "=\"" + std::to_string(value) + "\"";
}

std::string HexOf(draw::Colour colour)
{
    const draw::Rgb rgb = draw::RgbOf(colour);
    std::array<char, 7> hex{};
    std::snprintf(hex.data(), hex.size(), "%02X%02X%02X", rgb.red, rgb.green, rgb.blue);
    return hex.data();
}

// A run's text: a line break and a tab become Word's own, the rest w:t.
void AppendRunText(std::string& xml, std::string_view text)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of("\n\t", start), text.size());
        if (end > start) {
            xml += "<w:t xml:space=\"preserve\">";
            AppendEscaped(xml, text.substr(start, end - start));
            xml += "</w:t>";
        }
        if (end == text.size()) {
            break;
        }
        xml += text[end] == '\n' ? "<w:br/>" : "<w:tab/>";
        start = end + 1;
    }
}

void AppendRun(std::string& xml, const Run& run, std::string_view properties = {})
{
    xml += "<w:r>";
    if (run.bold || run.italic || !properties.empty()) {
        xml += "<w:rPr>";
        xml += run.bold ? "<w:b/><w:bCs/>" : "";
        xml += run.italic ? "<w:i/><w:iCs/>" : "";
        xml += properties;
        xml += "</w:rPr>";
    }
    AppendRunText(xml, run.text);
    xml += "</w:r>";
}

void AppendParagraph(std::string& xml, std::string_view style, const std::vector<Run>& runs,
                     std::string_view properties = {})
{
    xml += "<w:p>";
    if (!style.empty() || !properties.empty()) {
        xml += "<w:pPr>";
        if (!style.empty()) {
            xml += "<w:pStyle w:val=\"";
            xml += style;
            xml += "\"/>";
        }
        xml += properties;
        xml += "</w:pPr>";
    }
    for (const Run& run : runs) {
        AppendRun(xml, run);
    }
    xml += "</w:p>";
}

std::string_view StyleOf(ParagraphKind kind)
{
    switch (kind) {
    case ParagraphKind::Title: return "Title";
    case ParagraphKind::Cover: return "Cover";
    case ParagraphKind::Body: return "";
    case ParagraphKind::Formula: return "Formula";
    case ParagraphKind::Note: return "Note";
    case ParagraphKind::Listing: return "Listing";
    }
    return "";
}

std::string_view JustificationOf(Align align)
{
    switch (align) {
    case Align::Left: return "left";
    case Align::Centre: return "center";
    case Align::Right: return "right";
    }
    return "left";
}

std::string_view JustificationOf(draw::Across across)
{
    switch (across) {
    case draw::Across::Left: return "left";
    case draw::Across::Centre: return "center";
    case draw::Across::Right: return "right";
    }
    return "left";
}

std::string_view DashOf(draw::Dash dash)
{
    switch (dash) {
    case draw::Dash::Solid: return "solid";
    case draw::Dash::Dashed: return "dash";
    case draw::Dash::Dotted: return "sysDot";
    }
    return "solid";
}

void AppendHeading(std::string& xml, const Heading& heading)
{
    AppendParagraph(xml, heading.level <= 1 ? "Heading1" : "Heading2", {Run{heading.text}});
}

// Each column's width in twips, by its share of the text's width; the last
// takes what rounding leaves, so that the table is exactly the text's width.
std::vector<long> ColumnWidths(const std::vector<Column>& columns)
{
    const long total = Twips(kTextWidth);
    const double shares = std::accumulate(columns.begin(), columns.end(), 0.0,
                                          [](double sum, const Column& column) { return sum + column.share; });
    std::vector<long> widths;
    long given = 0;
    for (std::size_t i = 0; i + 1 < columns.size(); ++i) {
        const double fraction = shares > 0.0 ? columns[i].share / shares : 1.0 / static_cast<double>(columns.size());
        widths.push_back(std::lround(fraction * static_cast<double>(total)));
        given += widths.back();
    }
    widths.push_back(total - given);
    return widths;
}

void AppendCell(std::string& xml, long width, Align align, std::string_view text, bool heading)
{
    xml += "<w:tc><w:tcPr><w:tcW " + Attribute("w:w", width) + " w:type=\"dxa\"/>";
    xml += heading ? kHeaderCellShading : "";
    xml += "</w:tcPr>";
    const std::string justification = "<w:jc w:val=\"" + std::string(JustificationOf(align)) + "\"/>";
    AppendParagraph(xml, "TableText", {Run{std::string(text), heading}}, justification);
    xml += "</w:tc>";
}

// A table whose row of headings repeats at the top of every page it runs
// onto, followed by a paragraph, so that two tables in a row stay two.
void AppendTable(std::string& xml, const Table& table)
{
    if (table.columns.empty()) {
        return;
    }
    const std::vector<long> widths = ColumnWidths(table.columns);
    xml += "<w:tbl><w:tblPr><w:tblStyle w:val=\"ReportTable\"/><w:tblW " + Attribute("w:w", Twips(kTextWidth)) +
           " w:type=\"dxa\"/><w:tblLayout w:type=\"fixed\"/></w:tblPr><w:tblGrid>";
    for (const long width : widths) {
        xml += "<w:gridCol " + Attribute("w:w", width) + "/>";
    }
    xml += "</w:tblGrid><w:tr><w:trPr><w:cantSplit/><w:tblHeader/></w:trPr>";
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        AppendCell(xml, widths[i], table.columns[i].align, table.columns[i].heading, true);
    }
    xml += "</w:tr>";
    for (const auto& row : table.rows) {
        xml += "<w:tr><w:trPr><w:cantSplit/></w:trPr>";
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            AppendCell(xml, widths[i], table.columns[i].align, i < row.size() ? row[i] : "", false);
        }
        xml += "</w:tr>";
    }
    xml += "</w:tbl><w:p/>";
}

// The figure's primitives as the shapes of one DrawingML group, in points
// turned to EMUs, each with an id unique in the document.
class ShapeGroupPainter final : public draw::Painter {
public:
    ShapeGroupPainter(std::string& xml, long& nextId) : xml_(xml), nextId_(nextId) {}

    void fill(const draw::FilledRect& rect) override
    {
        beginShape(false, rect.rect.left, rect.rect.top, rect.rect.right, rect.rect.bottom);
        xml_ += "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom><a:solidFill><a:srgbClr val=\"" + HexOf(rect.fill) +
                "\"/></a:solidFill><a:ln><a:noFill/></a:ln></wps:spPr><wps:bodyPr/></wps:wsp>";
    }

    void stroke(const draw::StrokedRect& rect) override
    {
        beginShape(false, rect.rect.left, rect.rect.top, rect.rect.right, rect.rect.bottom);
        xml_ += "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom><a:noFill/>";
        appendLine(rect.stroke);
        xml_ += "</wps:spPr><wps:bodyPr/></wps:wsp>";
    }

    void polyline(const draw::Polyline& line) override
    {
        if (line.points.size() < 2) {
            return;
        }
        const auto [minX, maxX] = std::minmax_element(line.points.begin(), line.points.end(),
                                                      [](draw::Point a, draw::Point b) { return a.x < b.x; });
        const auto [minY, maxY] = std::minmax_element(line.points.begin(), line.points.end(),
                                                      [](draw::Point a, draw::Point b) { return a.y < b.y; });
        const draw::Point origin{minX->x, minY->y};
        const auto [width, height] = beginShape(false, origin.x, origin.y, maxX->x, maxY->y);
        xml_ +=
            "<a:custGeom><a:avLst/><a:gdLst/><a:ahLst/><a:cxnLst/><a:rect l=\"0\" t=\"0\" r=\"r\" b=\"b\"/>"
            "<a:pathLst><a:path " +
            Attribute("w", width) + " " + Attribute("h", height) + " fill=\"none\">";
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            xml_ += i == 0 ? "<a:moveTo>" : "<a:lnTo>";
            xml_ += "<a:pt " + Attribute("x", Emu(line.points[i].x - origin.x)) + " " +
                    Attribute("y", Emu(line.points[i].y - origin.y)) + "/>";
            xml_ += i == 0 ? "</a:moveTo>" : "</a:lnTo>";
        }
        xml_ += "</a:path></a:pathLst></a:custGeom><a:noFill/>";
        appendLine(line.stroke);
        xml_ += "</wps:spPr><wps:bodyPr/></wps:wsp>";
    }

    // A text box without margins, border or fill, placed where the
    // document's measure puts the text, one line that never wraps.
    void text(const draw::Text& text) override
    {
        const double width = measure_.width(text.text, text.size, text.bold);
        const double lineHeight = measure_.lineHeight(text.size);
        const draw::TextBox box = draw::BoxOf(text, width, lineHeight);
        if (text.clip && OutsideClip(box, width, lineHeight, *text.clip)) {
            return;
        }
        const double slackLeft = text.across == draw::Across::Left     ? 0.0
                                 : text.across == draw::Across::Centre ? kTextSlack
                                                                       : 2.0 * kTextSlack;
        beginShape(true, box.left - slackLeft, box.top, box.left + width + 2.0 * kTextSlack - slackLeft,
                   box.top + lineHeight + kTextDepthSlack * text.size);
        xml_ +=
            "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom><a:noFill/><a:ln><a:noFill/></a:ln></wps:spPr>"
            "<wps:txbx><w:txbxContent><w:p><w:pPr><w:spacing w:before=\"0\" w:after=\"0\" w:line=\"240\" "
            "w:lineRule=\"auto\"/><w:jc w:val=\"";
        xml_ += JustificationOf(text.across);
        xml_ += "\"/></w:pPr>";
        const std::string halfPoints = std::to_string(std::max(1L, Scaled(text.size, 2.0)));
        AppendRun(xml_, Run{text.text, text.bold},
                  "<w:color w:val=\"" + HexOf(text.colour) + "\"/><w:sz w:val=\"" + halfPoints +
                      "\"/><w:szCs w:val=\"" + halfPoints + "\"/>");
        xml_ +=
            "</w:p></w:txbxContent></wps:txbx><wps:bodyPr rot=\"0\" vert=\"horz\" wrap=\"none\" lIns=\"0\" "
            "tIns=\"0\" rIns=\"0\" bIns=\"0\" anchor=\"t\" anchorCtr=\"0\"><a:noAutofit/></wps:bodyPr></wps:wsp>";
    }

private:
    static bool OutsideClip(const draw::TextBox& box, double width, double height, const draw::Rect& clip)
    {
        return box.left >= clip.right || box.left + width <= clip.left || box.top >= clip.bottom ||
               box.top + height <= clip.top;
    }

    // Opens a shape at that place and size, up to its geometry; gives its
    // width and height in EMUs, at least one so that no reader divides by zero.
    std::pair<long, long> beginShape(bool textBox, double left, double top, double right, double bottom)
    {
        const long id = nextId_++;
        const long width = std::max(1L, Emu(std::abs(right - left)));
        const long height = std::max(1L, Emu(std::abs(bottom - top)));
        xml_ += "<wps:wsp><wps:cNvPr " + Attribute("id", id) + " name=\"Forma " + std::to_string(id) + "\"/>";
        xml_ += textBox ? "<wps:cNvSpPr txBox=\"1\"/>" : "<wps:cNvSpPr/>";
        xml_ += "<wps:spPr><a:xfrm><a:off " + Attribute("x", Emu(std::min(left, right))) + " " +
                Attribute("y", Emu(std::min(top, bottom))) + "/><a:ext " + Attribute("cx", width) + " " +
                Attribute("cy", height) + "/></a:xfrm>";
        return {width, height};
    }

    void appendLine(const draw::Stroke& stroke)
    {
        xml_ += "<a:ln " + Attribute("w", Emu(stroke.width)) + "><a:solidFill><a:srgbClr val=\"" +
                HexOf(stroke.colour) + "\"/></a:solidFill><a:prstDash val=\"";
        xml_ += DashOf(stroke.dash);
        xml_ += "\"/></a:ln>";
    }

    std::string& xml_;
    long& nextId_;
    DocumentTextMeasure measure_;
};

// A figure inline in a paragraph of its own, then its caption. The group
// stands in markup compatibility's choice on Word 2010's groups, as Word
// writes it, so that a reader without them leaves the picture out instead
// of refusing the file.
void AppendFigure(std::string& xml, const Figure& figure, long& nextId)
{
    const long id = nextId++;
    const std::string width = std::to_string(std::max(1L, Emu(figure.drawing.width)));
    const std::string height = std::to_string(std::max(1L, Emu(figure.drawing.height)));
    xml +=
        "<w:p><w:pPr><w:pStyle w:val=\"Figure\"/></w:pPr><w:r><mc:AlternateContent><mc:Choice Requires=\"wpg\">"
        "<w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\"><wp:extent cx=\"" +
        width + "\" cy=\"" + height + "\"/><wp:effectExtent l=\"0\" t=\"0\" r=\"0\" b=\"0\"/><wp:docPr " +
        Attribute("id", id) + " name=\"Figura " + std::to_string(id) + "\" descr=\"" + Escaped(figure.caption) +
        "\"/><wp:cNvGraphicFramePr/><a:graphic><a:graphicData "
        "uri=\"http://schemas.microsoft.com/office/word/2010/wordprocessingGroup\"><wpg:wgp><wpg:cNvGrpSpPr/>"
        "<wpg:grpSpPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"" +
        width + "\" cy=\"" + height + "\"/><a:chOff x=\"0\" y=\"0\"/><a:chExt cx=\"" + width + "\" cy=\"" + height +
        "\"/></a:xfrm></wpg:grpSpPr>";
    ShapeGroupPainter painter(xml, nextId);
    draw::Paint(figure.drawing, painter);
    xml +=
        "</wpg:wgp></a:graphicData></a:graphic></wp:inline></w:drawing></mc:Choice></mc:AlternateContent>"
        "</w:r></w:p>";
    AppendParagraph(xml, "Caption", {Run{figure.caption}});
}

void AppendPageBreak(std::string& xml)
{
    xml += "<w:p><w:r><w:br w:type=\"page\"/></w:r></w:p>";
}

// A4 upright, the margins of the document's text, the footer on every page.
std::string SectionProperties()
{
    const long margin = Twips(kMargin);
    return "<w:sectPr><w:footerReference w:type=\"default\" r:id=\"" + std::string(kFooterRelationship) +
           "\"/><w:pgSz " + Attribute("w:w", Twips(kPageWidth)) + " " + Attribute("w:h", Twips(kPageHeight)) +
           "/><w:pgMar " + Attribute("w:top", margin) + " " + Attribute("w:right", margin) + " " +
           Attribute("w:bottom", margin) + " " + Attribute("w:left", margin) + " " + Attribute("w:header", margin / 2) +
           " " + Attribute("w:footer", margin / 2) + " w:gutter=\"0\"/></w:sectPr>";
}

std::string DocumentPart(const Document& document)
{
    std::string xml(kXmlDeclaration);
    xml += kDocumentStart;
    long nextId = 1;
    for (const Block& block : document.blocks) {
        std::visit(
            [&](const auto& item) {
                using Item = std::decay_t<decltype(item)>;
                if constexpr (std::is_same_v<Item, Heading>) {
                    AppendHeading(xml, item);
                } else if constexpr (std::is_same_v<Item, Paragraph>) {
                    AppendParagraph(xml, StyleOf(item.kind), item.runs);
                } else if constexpr (std::is_same_v<Item, Table>) {
                    AppendTable(xml, item);
                } else if constexpr (std::is_same_v<Item, Figure>) {
                    AppendFigure(xml, item, nextId);
                } else {
                    AppendPageBreak(xml);
                }
            },
            block);
    }
    xml += SectionProperties();
    xml += "</w:body></w:document>";
    return xml;
}

// The work's name at the left, the page number at the right margin.
std::string FooterPart(const Document& document)
{
    std::string xml(kXmlDeclaration);
    xml +=
        "<w:ftr xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:p><w:pPr>"
        "<w:pStyle w:val=\"Footer\"/><w:tabs><w:tab w:val=\"right\" " +
        Attribute("w:pos", Twips(kTextWidth)) + "/></w:tabs></w:pPr>";
    AppendRun(xml, Run{document.footer});
    xml +=
        "<w:r><w:tab/></w:r><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>"
        "<w:r><w:instrText xml:space=\"preserve\"> PAGE </w:instrText></w:r>"
        "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r><w:r><w:t>1</w:t></w:r>"
        "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p></w:ftr>";
    return xml;
}

// The title only: no author, and no date, which would make every file differ.
std::string CorePropertiesPart(const Document& document)
{
    return std::string(kXmlDeclaration) +
           "<cp:coreProperties "
           "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>" +
           Escaped(document.footer) + "</dc:title></cp:coreProperties>";
}

std::string Fixed(std::string_view part)
{
    return std::string(kXmlDeclaration) + std::string(part);
}

}  // namespace

std::string WordDocument(const Document& document)
{
    ZipArchive archive;
    archive.add("[Content_Types].xml", Fixed(kContentTypes));
    archive.add("_rels/.rels", Fixed(kPackageRelationships));
    archive.add("docProps/core.xml", CorePropertiesPart(document));
    archive.add("word/document.xml", DocumentPart(document));
    archive.add("word/_rels/document.xml.rels", Fixed(kDocumentRelationships));
    archive.add("word/styles.xml", Fixed(kStyles));
    archive.add("word/settings.xml", Fixed(kSettings));
    archive.add("word/footer1.xml", FooterPart(document));
    return std::move(archive).finish();
}

}  // namespace pali::doc
