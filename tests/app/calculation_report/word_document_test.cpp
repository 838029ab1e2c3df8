// SPDX-License-Identifier: MIT

#include "app/calculation_report/word_document.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/calculation_report/sample_document.h"
#include "app/calculation_report/unzipped.h"

namespace pali::doc {
namespace {

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) {
        ++count;
    }
    return count;
}

std::string BodyOf(const Document& document)
{
    return test::Part(WordDocument(document), "word/document.xml");
}

TEST(WordDocument, IsTheSamePackageOfPartsEveryTime)
{
    const Document document = sample::SampleDocument(3, 2);
    const std::string bytes = WordDocument(document);
    EXPECT_EQ(WordDocument(document), bytes);

    std::vector<std::string> names;
    for (const auto& entry : test::Unzipped(bytes)) {
        names.push_back(entry.name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"[Content_Types].xml", "_rels/.rels", "docProps/core.xml", "word/document.xml",
                                        "word/_rels/document.xml.rels", "word/styles.xml", "word/footer1.xml"}));
    EXPECT_EQ(Count(test::Part(bytes, "docProps/core.xml"), "dcterms"), 0U) << "no time stamp";
}

// The document's own characters stay as typed: XML's five special ones
// escaped, UTF-8 untouched, tabs and line ends Word's own, the controls XML
// forbids left out.
TEST(WordDocument, KeepsEveryTextAsTyped)
{
    Document document = sample::SampleDocument(1, 0);
    document.blocks.push_back(Paragraph{ParagraphKind::Body,
                                        {{"a\x01"
                                          "b\tc\nd"}}});
    const std::string bytes = WordDocument(document);
    const std::string body = test::Part(bytes, "word/document.xml");

    EXPECT_NE(body.find(">Committente: Comune di Forlì &lt;ufficio tecnico&gt; &amp; C.<"), std::string::npos);
    EXPECT_NE(body.find(">Qp = 3,14 · 0,60² / 4 · 18,0 · 12,00 · 25,3 = 1 544,61 kN<"), std::string::npos);
    EXPECT_NE(body.find(">ab</w:t><w:tab/><w:t xml:space=\"preserve\">c</w:t><w:br/><w:t xml:space=\"preserve\">d<"),
              std::string::npos);
    const std::string footer = "Ponte sul Rio Freddo &lt;lotto 2&gt; &amp; &quot;variante&quot;";
    EXPECT_NE(test::Part(bytes, "word/footer1.xml").find(">" + footer + "<"), std::string::npos);
    EXPECT_NE(test::Part(bytes, "docProps/core.xml").find("<dc:title>" + footer + "</dc:title>"), std::string::npos);
    EXPECT_EQ(Count(body, "<ufficio"), 0U);
}

TEST(WordDocument, WritesEachBlockInItsStyle)
{
    const std::string body = BodyOf(sample::SampleDocument(2, 1));
    EXPECT_EQ(Count(body, "<w:pStyle w:val=\"Heading1\"/>"), 2U);
    EXPECT_EQ(Count(body, "<w:pStyle w:val=\"Heading2\"/>"), 1U);
    EXPECT_EQ(Count(body, "<w:pStyle w:val=\"Title\"/>"), 1U);
    EXPECT_EQ(Count(body, "<w:pStyle w:val=\"Formula\"/>"), 1U);
    EXPECT_EQ(Count(body, "<w:pStyle w:val=\"Note\"/>"), 1U);
    EXPECT_EQ(Count(body, "<w:pStyle w:val=\"Caption\"/>"), 1U);
    EXPECT_EQ(Count(body, "<w:br w:type=\"page\"/>"), 1U);
}

// The columns share the text's width to the twip; the heading row alone
// repeats on every page; a short row still has a cell for every column.
TEST(WordDocument, TableFillsTheTextWidthAndRepeatsItsHeadings)
{
    Document document{
        "", {Table{{{"A", 1.0}, {"B", 2.0, Align::Right}, {"C", 4.0, Align::Centre}}, {{"1"}, {"x", "y", "z"}}}}};
    const std::string body = BodyOf(document);
    const std::regex column("<w:gridCol w:w=\"(\\d+)\"/>");
    std::vector<long> widths;
    for (auto it = std::sregex_iterator(body.begin(), body.end(), column); it != std::sregex_iterator(); ++it) {
        widths.push_back(std::stol((*it)[1]));
    }
    EXPECT_EQ(widths, (std::vector<long>{1377, 2754, 5507}));
    EXPECT_EQ(Count(body, "<w:tblHeader/>"), 1U);
    EXPECT_EQ(Count(body, "<w:tc>"), 9U);
    EXPECT_EQ(Count(body, "<w:jc w:val=\"right\"/>"), 3U);
}

// One shape for each primitive, every drawing id once in the document, and a
// text placed by its anchor with the document's measure: "Rd ≥ Ed" in bold
// 9 pt is 33.444 pt wide, its right edge at 378 pt.
TEST(WordDocument, FigureIsAGroupOfAShapeForEachPrimitive)
{
    const std::string body = BodyOf(sample::SampleDocument(1, 2));
    EXPECT_EQ(Count(body, "<wpg:wgp>"), 2U);
    EXPECT_EQ(Count(body, "<wps:wsp>"), 18U);
    EXPECT_EQ(Count(body, "<a:custGeom>"), 4U);
    EXPECT_EQ(Count(body, "<a:prstDash val=\"dash\"/>"), 2U);

    const std::regex id("(?:docPr|cNvPr) id=\"(\\d+)\"");
    std::set<std::string> ids;
    std::size_t shapes = 0;
    for (auto it = std::sregex_iterator(body.begin(), body.end(), id); it != std::sregex_iterator(); ++it, ++shapes) {
        ids.insert((*it)[1]);
    }
    EXPECT_EQ(shapes, 20U);
    EXPECT_EQ(ids.size(), shapes);

    const std::size_t text = body.find(">Rd ≥ Ed<");
    ASSERT_NE(text, std::string::npos);
    const std::size_t place = body.rfind("<a:off ", text);
    const std::string placed = "<a:off x=\"4325061\" y=\"381000\"/>";
    EXPECT_EQ(body.substr(place, placed.size()), placed);
}

}  // namespace
}  // namespace pali::doc
