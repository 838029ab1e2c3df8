// SPDX-License-Identifier: MIT

#include "app/calculation_report/word_document.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "app/calculation_report/sample_document.h"
#include "app/calculation_report/unzipped.h"

namespace pali::doc {
namespace {

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

std::string Part(const std::string& bytes, const std::string& name)
{
    for (const auto& [entry, content] : test::Unzipped(bytes)) {
        if (entry == name) {
            return content;
        }
    }
    return {};
}

// Every entry read back by zlib's inflate (see Unzipped), in a fixed order;
// the same bytes on every system, their CRC-32 the same on Linux and Windows.
TEST(WordDocument, IsTheSamePackageOfPartsEveryTime)
{
    const std::string bytes = WordDocument(sample::SampleDocument(3, 2));
    EXPECT_EQ(WordDocument(sample::SampleDocument(3, 2)), bytes);
    EXPECT_EQ(crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())), 0x74BE838DU);
    std::vector<std::string> names;
    for (const auto& entry : test::Unzipped(bytes)) {
        names.push_back(entry.first);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"[Content_Types].xml", "_rels/.rels", "docProps/core.xml",
                                               "word/document.xml", "word/_rels/document.xml.rels", "word/styles.xml",
                                               "word/settings.xml", "word/footer1.xml"}));
}

// XML's special characters escaped, UTF-8 untouched, tabs and line ends
// Word's own, the controls XML forbids left out.
TEST(WordDocument, KeepsEveryTextAsTyped)
{
    Document document = sample::SampleDocument(1, 0);
    document.blocks.push_back(Paragraph{ParagraphKind::Body, {{"a\001b\tc\nd"}}});
    const std::string bytes = WordDocument(document);
    const std::string body = Part(bytes, "word/document.xml");
    EXPECT_EQ(Count(body, ">Committente: Comune di Forlì &lt;ufficio tecnico&gt; &amp; C.<"), 1U);
    EXPECT_EQ(Count(body, ">Qp = 3,14 · 0,60² / 4 · 18,0 · 12,00 · 25,3 = 1 544,61 kN<"), 1U);
    EXPECT_EQ(Count(body, ">ab</w:t><w:tab/><w:t xml:space=\"preserve\">c</w:t><w:br/><w:t xml:space=\"preserve\">d<"),
              1U);
    const std::string footer = "Ponte sul Rio Freddo &lt;lotto 2&gt; &amp; &quot;variante&quot;";
    EXPECT_EQ(Count(Part(bytes, "word/footer1.xml"), ">" + footer + "<"), 1U);
    EXPECT_EQ(Count(Part(bytes, "docProps/core.xml"), "<dc:title>" + footer + "</dc:title>"), 1U);
}

// The columns share the text's width to the twip, the heading row alone
// repeats, a short row still has a cell in every column.
TEST(WordDocument, TableFillsTheTextWidthAndRepeatsItsHeadings)
{
    const Document document{"", {Table{{{"A", 1.0}, {"B", 2.0, Align::Right}, {"C", 4.0}}, {{"1"}, {"x", "y", "z"}}}}};
    const std::string body = Part(WordDocument(document), "word/document.xml");
    EXPECT_EQ(Count(body, "<w:gridCol w:w=\"1377\"/><w:gridCol w:w=\"2754\"/><w:gridCol w:w=\"5507\"/>"), 1U);
    EXPECT_EQ(Count(body, "<w:tblHeader/>"), 1U);
    EXPECT_EQ(Count(body, "<w:tc>"), 9U);
    EXPECT_EQ(Count(body, "<w:jc w:val=\"right\"/>"), 3U);
}

// Headings in Word's heading styles; a figure a group of one shape per
// primitive, each with its own id; a text placed by its anchor with the
// document's measure: "Rd ≥ Ed", bold at 9 pt, is 33.444 pt wide, its right
// edge at 378 pt less the box's slack.
TEST(WordDocument, WritesEachBlockInItsStyleAndEachPrimitiveAsAShape)
{
    const std::string body = Part(WordDocument(sample::SampleDocument(1, 2)), "word/document.xml");
    EXPECT_EQ(Count(body, "<w:pStyle w:val=\"Heading1\"/>"), 2U);
    EXPECT_EQ(Count(body, "<w:pStyle w:val=\"Heading2\"/>"), 1U);
    EXPECT_EQ(Count(body, "<w:pStyle w:val=\"Formula\"/>"), 1U);
    EXPECT_EQ(Count(body, "<wpg:wgp>"), 2U);
    EXPECT_EQ(Count(body, "<wps:wsp>"), 12U);
    EXPECT_EQ(Count(body, "<a:custGeom>"), 4U);
    EXPECT_EQ(Count(body, " id=\""), 14U);
    EXPECT_EQ(Count(body, " id=\"14\""), 1U);
    const std::size_t text = body.find(">Rd ≥ Ed<");
    ASSERT_NE(text, std::string::npos);
    EXPECT_EQ(body.rfind("<a:off x=\"4325061\" y=\"381000\"/>", text), body.rfind("<a:off ", text));
}

}  // namespace
}  // namespace pali::doc
