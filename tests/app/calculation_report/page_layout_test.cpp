// SPDX-License-Identifier: MIT

#include "app/calculation_report/page_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace pali::doc {
namespace {

// Every character half its size wide, lines 1.2 of it high.
class EvenMeasure : public draw::TextMeasure {
public:
    double width(std::string_view text, double size, bool) const override
    {
        return 0.5 * size * static_cast<double>(text.size());
    }
    double lineHeight(double size) const override { return 1.2 * size; }
};

const EvenMeasure kMeasure;

std::vector<const draw::Text*> TextsOf(const draw::Drawing& page)
{
    std::vector<const draw::Text*> texts;
    for (const draw::Primitive& primitive : page.primitives) {
        if (const auto* text = std::get_if<draw::Text>(&primitive)) {
            texts.push_back(text);
        }
    }
    return texts;
}

Paragraph Body(std::string text)
{
    return {ParagraphKind::Body, {{std::move(text)}}};
}

// Every text of the body stands inside the margins, the footer under them,
// and each page says which it is of how many.
void ExpectInsideTheMargins(const std::vector<draw::Drawing>& pages)
{
    for (std::size_t number = 0; number < pages.size(); ++number) {
        const auto texts = TextsOf(pages[number]);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back()->text, "Pagina " + std::to_string(number + 1) + " di " + std::to_string(pages.size()));
        for (const draw::Text* text : texts) {
            if (text->size == 8.0) {
                continue;  // the footer
            }
            const draw::TextBox box = draw::BoxOf(*text, kMeasure.width(text->text, text->size, text->bold), 0.0);
            EXPECT_GE(box.left, kMargin - 1e-9) << text->text;
            EXPECT_LE(box.left + kMeasure.width(text->text, text->size, text->bold), kMargin + kTextWidth + 1e-9)
                << text->text;
            EXPECT_GE(text->anchor.y, kMargin);
            EXPECT_LE(text->anchor.y + kMeasure.lineHeight(text->size), kPageHeight - kMargin + 1e-9) << text->text;
        }
    }
}

TEST(PageLayout, WrapsWordsAndBreaksPagesInsideTheMargins)
{
    Document document{"Ponte sul Po", {}};
    std::string words;
    for (int word = 0; word < 120; ++word) {
        words += "parola" + std::to_string(word) + " ";
    }
    for (int paragraph = 0; paragraph < 12; ++paragraph) {
        document.blocks.push_back(Heading{1, "Sezione " + std::to_string(paragraph)});
        document.blocks.push_back(Body(words));
    }
    document.blocks.push_back(Body(std::string(300, 'x')));  // a word longer than a line
    const auto pages = PagesOf(document, kMeasure);
    ASSERT_GT(pages.size(), 3U);
    ExpectInsideTheMargins(pages);
    for (const draw::Drawing& page : pages) {
        // A heading is never the last line of its page.
        const auto texts = TextsOf(page);
        const draw::Text* last = texts[texts.size() - 3];
        EXPECT_FALSE(last->text.starts_with("Sezione")) << last->text;
    }
    EXPECT_EQ(TextsOf(pages.front()).end()[-2]->text, "Ponte sul Po");
}

TEST(PageLayout, ATableRepeatsItsHeadingsOnEveryPageItRunsOnto)
{
    Table table{{{"Strato", 1.0, Align::Right}, {"Spessore (m)", 2.0, Align::Right}}, {}};
    for (int row = 1; row <= 120; ++row) {
        table.rows.push_back({std::to_string(row), "1,25"});
    }
    Document document;
    document.blocks.push_back(Body("Gli strati:"));
    document.blocks.push_back(std::move(table));
    document.blocks.push_back(PageBreak{});
    document.blocks.push_back(PageBreak{});
    document.blocks.push_back(Body("Fine"));
    const auto pages = PagesOf(document, kMeasure);
    ASSERT_GE(pages.size(), 3U);
    ExpectInsideTheMargins(pages);
    for (std::size_t number = 1; number + 1 < pages.size(); ++number) {
        EXPECT_EQ(TextsOf(pages[number]).front()->text, "Strato") << number;
    }
    // One break after the table, not two: no empty page.
    EXPECT_EQ(TextsOf(pages.back()).front()->text, "Fine");
}

TEST(PageLayout, AFigureWiderThanTheTextIsMadeToFit)
{
    Figure figure{{1000.0, 500.0, {}}, "Profilo"};
    figure.drawing.primitives.push_back(draw::FilledRect{{0.0, 0.0, 1000.0, 500.0}, draw::Colour::SoilOdd});
    Document document;
    document.blocks.push_back(std::move(figure));
    const auto pages = PagesOf(document, kMeasure);
    ASSERT_EQ(pages.size(), 1U);
    const auto& placed = std::get<draw::FilledRect>(pages[0].primitives.front()).rect;
    EXPECT_NEAR(placed.left, kMargin, 1e-9);
    EXPECT_NEAR(placed.right, kMargin + kTextWidth, 1e-9);
    EXPECT_NEAR(placed.bottom - placed.top, 500.0 * kTextWidth / 1000.0, 1e-9);
    EXPECT_EQ(TextsOf(pages[0]).front()->text, "Profilo");
}

}  // namespace
}  // namespace pali::doc
