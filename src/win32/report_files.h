// SPDX-License-Identifier: MIT

#pragma once

#include "app/calculation_report/report_export.h"

namespace pali {

// The report's files on Windows: the Word file written beside its target and
// put in its place only when whole; the PDF printed into its file by Windows'
// own PDF printer, where the computer has it.
class Win32ReportFiles : public doc::ReportFiles {
public:
    std::optional<std::string> unavailable(doc::ReportFormat format) const override;
    std::optional<std::string> write(const doc::Document& document, doc::ReportFormat format,
                                     const std::string& path) override;
};

}  // namespace pali
