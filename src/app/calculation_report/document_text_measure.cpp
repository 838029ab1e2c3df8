// SPDX-License-Identifier: MIT

#include "app/calculation_report/document_text_measure.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace pali::doc {

namespace {

// One line is the face's ascent, descent and line gap: 1.15 of the em.
constexpr double kLineHeight = 1.15;
constexpr int kDigitWidth = 556;

constexpr char32_t kFirstPrintable = 0x20;
constexpr char32_t kLastPrintable = 0x7E;

// Advance widths per 1000 em of the printable ASCII characters, from space to
// tilde: Helvetica's published metrics (Adobe's AFM files), which Arial and
// Liberation Sans share.
constexpr std::array<std::uint16_t, 95> kRegularAscii = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0 to ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @ to O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P to _
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // ` to o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,       // p to ~
};
constexpr std::array<std::uint16_t, 95> kBoldAscii = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,  // 0 to ?
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,  // @ to O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,  // P to _
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,  // ` to o
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584,       // p to ~
};

struct Advance {
    char32_t character;
    std::uint16_t regular;
    std::uint16_t bold;
};

// The other characters the reports write: Italian accented letters, the
// degree, the Greek of the soil's parameters and of π, the operators and the
// superscripts of the units (the Greek from Liberation Sans' own metrics).
constexpr std::array<Advance, 22> kOthers = {{
    {U'\u00B0', 400, 400},  // °
    {U'\u00B2', 333, 333},  // ²
    {U'\u00B3', 333, 333},  // ³
    {U'\u00B7', 278, 278},  // ·
    {U'\u00C0', 667, 722},  // À
    {U'\u00C8', 667, 667},  // È
    {U'\u00C9', 667, 667},  // É
    {U'\u00CC', 278, 278},  // Ì
    {U'\u00D2', 778, 778},  // Ò
    {U'\u00D9', 722, 722},  // Ù
    {U'\u00E0', 556, 556},  // à
    {U'\u00E8', 556, 556},  // è
    {U'\u00E9', 556, 556},  // é
    {U'\u00EC', 278, 278},  // ì
    {U'\u00F2', 556, 611},  // ò
    {U'\u00F9', 556, 611},  // ù
    {U'\u03B3', 500, 556},  // γ
    {U'\u03BE', 448, 445},  // ξ
    {U'\u03C0', 690, 766},  // π
    {U'\u03C6', 648, 715},  // φ
    {U'\u2264', 549, 549},  // ≤
    {U'\u2265', 549, 549},  // ≥
}};

// The next character of UTF-8 text; a byte that starts no valid sequence
// stands for one replacement character.
char32_t NextCharacter(std::string_view text, std::size_t& at)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    int length = 1;
    char32_t character = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
        character = lead & 0x07;
    } else if (lead >= 0xE0) {
        length = 3;
        character = lead & 0x0F;
    } else if (lead >= 0xC2 && lead < 0xE0) {
        length = 2;
        character = lead & 0x1F;
    } else if (lead >= 0x80) {
        ++at;
        return U'\uFFFD';
    }
    if (at + length > text.size()) {
        ++at;
        return U'\uFFFD';
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return U'\uFFFD';
        }
        character = (character << 6) | (next & 0x3F);
    }
    at += length;
    return character;
}

}  // namespace

int AdvanceWidth(char32_t character, bool bold)
{
    if (character >= kFirstPrintable && character <= kLastPrintable) {
        const auto& widths = bold ? kBoldAscii : kRegularAscii;
        return widths[character - kFirstPrintable];
    }
    const auto* found = std::lower_bound(kOthers.begin(), kOthers.end(), character,
                                         [](const Advance& advance, char32_t c) { return advance.character < c; });
    if (found != kOthers.end() && found->character == character) {
        return bold ? found->bold : found->regular;
    }
    return kDigitWidth;
}

double DocumentTextMeasure::width(std::string_view text, double size, bool bold) const
{
    long thousandths = 0;
    for (std::size_t at = 0; at < text.size();) {
        thousandths += AdvanceWidth(NextCharacter(text, at), bold);
    }
    return static_cast<double>(thousandths) * size / 1000.0;
}

double DocumentTextMeasure::lineHeight(double size) const
{
    return kLineHeight * size;
}

}  // namespace pali::doc
