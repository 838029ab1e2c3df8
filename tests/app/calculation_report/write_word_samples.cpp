// SPDX-License-Identifier: MIT

// Writes into the folder given the Word files a reader is tried on: the
// sample, its table running onto a second page, and an empty document; and
// the texts the sample's reader must show, a line each.
#include <fstream>
#include <string>

#include "app/calculation_report/sample_document.h"
#include "app/calculation_report/word_document.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        return 2;
    }
    const std::string folder = argv[1];
    std::ofstream(folder + "/sample.docx", std::ios::binary)
        << pali::doc::WordDocument(pali::doc::sample::SampleDocument(60, 2));
    std::ofstream(folder + "/empty.docx", std::ios::binary) << pali::doc::WordDocument({});
    std::ofstream shown(folder + "/sample.shown");
    for (const std::string& text : pali::doc::sample::kShownTexts) {
        shown << text << '\n';
    }
    return shown.flush() ? 0 : 1;
}
