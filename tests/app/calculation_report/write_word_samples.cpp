// SPDX-License-Identifier: MIT

// Writes into a folder the Word files a real reader is given: the sample
// document with a table long enough to run onto a second page, and an empty
// document; and, a line each, the texts the sample's reader must show.
#include <fstream>
#include <iostream>
#include <string>

#include "app/calculation_report/sample_document.h"
#include "app/calculation_report/word_document.h"

namespace {

bool Write(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    return static_cast<bool>(file.flush());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: write_word_samples FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::string shown;
    for (const std::string& text : pali::doc::sample::ShownTexts()) {
        shown += text + "\n";
    }
    const bool written =
        Write(folder + "/sample.docx", pali::doc::WordDocument(pali::doc::sample::SampleDocument(60, 2))) &&
        Write(folder + "/empty.docx", pali::doc::WordDocument({})) && Write(folder + "/sample.shown", shown);
    return written ? 0 : 1;
}
