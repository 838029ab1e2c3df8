// SPDX-License-Identifier: MIT

#include "core/check/design_check.h"

#include <charconv>
#include <cmath>

#include "core/calc/bearing_capacity.h"
#include "core/calc/design_combinations.h"
#include "core/state/conversions.h"

namespace pali {

namespace {

constexpr double kLengthTolerance = 0.01;  // m: one centimetre

std::string Fixed(double value, int decimals, const NumberFormat& format)
{
    char digits[400];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    std::string text(digits, error == std::errc() ? end : digits);
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, format.decimalSeparator);
    }
    return text;
}

CombinationCheck CheckCombination(FormContents form, ProjectState state, std::size_t option,
                                  const std::optional<CorrelationFactors>& factors, const NumberFormat& format)
{
    CombinationCheck check;
    check.name = kDesignCombinations[option].name;
    form.selectedCombination = static_cast<int>(option);
    try {
        ComputeBearingCapacity(form, state, format);
    } catch (const RunTimeError& error) {
        check.error = error;
        return check;
    }
    // The figures as the window shows them; a capacity that rounds to zero
    // shows no digit, and counts as zero.
    check.ed = LeadingNumber(form[Box::CARMAG], format);
    if (!factors) {
        return check;
    }
    check.rd = LeadingNumber(form[Box::M8], format) / factors->xi3;
    if (*check.ed > 0.0) {
        check.ratio = *check.rd / *check.ed;
        check.verdict = *check.rd >= *check.ed ? Verdict::Verified : Verdict::NotVerified;
    }
    return check;
}

// Approach 1 holds when both its combinations hold; one that fails fails it.
std::optional<Verdict> BothVerdicts(const CombinationCheck& first, const CombinationCheck& second)
{
    if (first.verdict == Verdict::NotVerified || second.verdict == Verdict::NotVerified) {
        return Verdict::NotVerified;
    }
    if (!first.verdict || !second.verdict) {
        return std::nullopt;
    }
    return Verdict::Verified;
}

// The number of layers, when it names rows of the table.
std::optional<std::int32_t> LayerCount(const FormContents& form, const NumberFormat& format)
{
    try {
        const std::int32_t layers = LocaleLongOf(form, Box::C, format);
        if (layers >= 1 && layers <= kLastLayerRow) {
            return layers;
        }
    } catch (const RunTimeError&) {
    }
    return std::nullopt;
}

void WarnOfLayers(const FormContents& form, const ProjectState& state, const NumberFormat& format,
                  std::vector<std::string>& warnings)
{
    const auto layers = LayerCount(form, format);
    if (!layers) {
        return;
    }
    double thickness = 0.0;
    for (std::int32_t row = 1; row <= *layers; ++row) {
        if (state.LUNG[row].IsEmpty()) {
            warnings.push_back("Lo strato " + std::to_string(row) +
                               " non è stato memorizzato con OK: conta come uno strato di spessore zero.");
        }
        thickness += CellReal(state.LUNG[row]);
    }
    try {
        const double length = LocaleRealOf(form, Box::B, format);
        if (std::fabs(thickness - length) > kLengthTolerance) {
            warnings.push_back("Gli spessori degli strati sommano " + TwoDecimals(thickness, format) +
                               " m, la lunghezza del palo è " + TwoDecimals(length, format) +
                               " m: la portanza laterale somma tutti gli strati, quella di punta prende la "
                               "lunghezza del palo.");
        }
    } catch (const RunTimeError&) {
    }
}

void WarnOfNq(const FormContents& form, const NqReading& nq, const NumberFormat& format,
              std::vector<std::string>& warnings)
{
    if (!nq.value) {
        if (nq.tipAngle && nq.slenderness) {
            warnings.push_back("Nq non si legge dalla tabella: " + nq.reason + ".");
        }
        return;
    }
    const double typed = LeadingNumber(form[Box::K1], format);
    if (typed > *nq.value) {
        warnings.push_back("Il valore di Nq digitato (" + RealText(typed, format) + ") supera quello della tabella (" +
                           OneDecimal(*nq.value, format) + "): è a sfavore di sicurezza.");
    }
}

}  // namespace

std::string_view VerdictText(Verdict verdict)
{
    return verdict == Verdict::Verified ? "VERIFICATO" : "NON VERIFICATO";
}

std::string TwoDecimals(double value, const NumberFormat& format)
{
    return Fixed(value, 2, format);
}

std::string OneDecimal(double value, const NumberFormat& format)
{
    return Fixed(value, 1, format);
}

DesignCheck CheckDesign(const FormContents& form, const ProjectState& state, std::string_view verticals,
                        const NumberFormat& format)
{
    DesignCheck check;
    check.nq = NqFromTable(form, state, format);
    check.verticals = CorrelationFactorsFor(verticals, format);
    for (std::size_t option = 0; option < check.combinations.size(); ++option) {
        check.combinations[option] = CheckCombination(form, state, option, check.verticals.factors, format);
    }
    check.approach1Ntc2008 = BothVerdicts(check.combinations[0], check.combinations[1]);
    check.approach2Ntc2008Ntc2018 = check.combinations[2].verdict;

    if (!check.verticals.factors) {
        check.warnings.push_back(
            check.verticals.reason.empty()
                ? "Per la resistenza di progetto serve il numero di verticali indagate (par. 6.4.3.1.1, tabella "
                  "6.4.IV)."
                : "Per la resistenza di progetto serve il numero di verticali indagate: " + check.verticals.reason +
                      ".");
    }
    WarnOfLayers(form, state, format, check.warnings);
    WarnOfNq(form, check.nq, format, check.warnings);
    return check;
}

}  // namespace pali
