// SPDX-License-Identifier: MIT

#pragma once

#include "app/calculation_report/report_export.h"

namespace pali {

// The report's files on Linux: the PDF drawn by Qt and the Word file, each
// written beside its target and put in its place only when whole.
class QtReportFiles : public doc::ReportFiles {
public:
    std::optional<std::string> unavailable(doc::ReportFormat) const override { return std::nullopt; }
    std::optional<std::string> write(const doc::Document& document, doc::ReportFormat format,
                                     const std::string& path) override;
};

}  // namespace pali
