// SPDX-License-Identifier: MIT

// Feeds arbitrary bytes to the project file's reader. Each input must open as
// a project or be refused with a reason, nothing else; a project that opens
// must be written and read back to the same project. Every input is read
// under the "C" locale and under the Italian one, whose decimal comma the C
// library then hands to the JSON reader, as on an Italian desktop: the two
// readings must agree. The design check runs on every project that opens,
// with every text made of it and the profile's picture: none may fail.
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

#include "app/check_panel.h"
#include "app/design_check_texts.h"
#include "app/project_file.h"
#include "core/check/design_check.h"

namespace {

constexpr const char* kItalian = "it_IT.UTF-8";

// Every character half its size wide, every line its size high.
class FixedMeasure : public pali::draw::TextMeasure {
public:
    double width(std::string_view text, double size, bool) const override { return text.size() * size / 2.0; }
    double lineHeight(double size) const override { return size; }
};

void CheckAndShow(const pali::Project& project)
{
    const pali::NumberFormat comma = pali::NumberFormat::Comma();
    const pali::DesignCheck check = pali::CheckDesign(project.form, project.state, project.verticals, comma);
    const pali::LengthCurve curve = pali::CurveOfLengths(project.form, project.state, project.verticals, comma);
    pali::PanelTexts(check, curve, comma);
    pali::DesignCheckReportLines(check, curve, comma);
    pali::DesignCheckText("p.pali", check, curve, comma);
    pali::DesignCheckJson("p.pali", check, curve, comma);
    pali::CurveCsv(curve, comma);
    pali::CurveJson(curve);
    pali::CheckPicture(pali::ProfileOf(project.form, project.state, comma), curve, 400, 300, 12, FixedMeasure(), comma);
}

std::optional<pali::Project> Opened(std::string_view bytes, const char* locale)
{
    std::setlocale(LC_ALL, locale);
    try {
        return pali::ReadProjectFile(bytes);
    } catch (const pali::ProjectFileError&) {
        return std::nullopt;
    }
}

}  // namespace

// The Italian locale is compiled into the build (PALI_FUZZ_LOCALES): without
// it the C library would fall back to "C" and the second reading would prove
// nothing, so the target refuses to start.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    setenv("LOCPATH", PALI_FUZZ_LOCALES, 1);
    if (std::setlocale(LC_ALL, kItalian) == nullptr || std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
        std::fprintf(stderr, "no Italian locale with a decimal comma in %s\n", PALI_FUZZ_LOCALES);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<pali::Project> project = Opened(bytes, "C");
    if (Opened(bytes, kItalian) != project) {
        std::abort();
    }
    if (project && Opened(pali::WriteProjectFile(*project), kItalian) != project) {
        std::abort();
    }
    if (project) {
        CheckAndShow(*project);
    }
    return 0;
}
