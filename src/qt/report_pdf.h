// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include "app/calculation_report/document.h"

namespace pali {

// Writes the calculation report as a PDF at `path`: A4, its text selectable
// and its fonts embedded, its figures drawn as lines. The file is written
// beside the target and put in its place only when whole; on failure
// `reason` says why and nothing is left behind.
bool WriteReportPdf(const doc::Document& document, const QString& path, QString& reason);

}  // namespace pali
