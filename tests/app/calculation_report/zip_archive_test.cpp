// SPDX-License-Identifier: MIT

#include "app/calculation_report/zip_archive.h"

#include <gtest/gtest.h>

#include <string>

#include "app/calculation_report/unzipped.h"

namespace pali::doc {
namespace {

constexpr std::uint16_t kFirstOfJanuary1980 = 0x0021;

// Read back by zlib's own inflate, through the central directory, with every
// local header, size and CRC-32 checked against it.
TEST(ZipArchive, GivesBackEveryEntryInOrderDatedTheFirstOfJanuary1980)
{
    std::string repeated;
    for (int i = 0; i < 5000; ++i) {
        repeated += "<w:p><w:r><w:t>riga " + std::to_string(i % 7) + "</w:t></w:r></w:p>";
    }
    const std::string text = "perché è così: π · D² ≥ 0\n";
    ZipArchive archive;
    archive.add("[Content_Types].xml", text);
    archive.add("word/document.xml", repeated);
    archive.add("empty", "");
    const std::string bytes = std::move(archive).finish();

    const auto entries = test::Unzipped(bytes);
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries[0].name, "[Content_Types].xml");
    EXPECT_EQ(entries[0].content, text);
    EXPECT_EQ(entries[1].name, "word/document.xml");
    EXPECT_EQ(entries[1].content, repeated);
    EXPECT_EQ(entries[2].name, "empty");
    EXPECT_EQ(entries[2].content, "");
    for (const auto& entry : entries) {
        EXPECT_EQ(entry.time, 0) << entry.name;
        EXPECT_EQ(entry.date, kFirstOfJanuary1980) << entry.name;
    }
    EXPECT_LT(bytes.size(), repeated.size() / 10) << "the entries are compressed";
}

TEST(ZipArchive, WithoutEntriesIsTheEndRecordAlone)
{
    const std::string bytes = ZipArchive{}.finish();
    EXPECT_EQ(bytes, std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    EXPECT_TRUE(test::Unzipped(bytes).empty());
}

}  // namespace
}  // namespace pali::doc
