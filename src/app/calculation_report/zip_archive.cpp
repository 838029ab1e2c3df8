// SPDX-License-Identifier: MIT

#include "app/calculation_report/zip_archive.h"

#include <zlib.h>

#include <limits>
#include <stdexcept>

namespace pali::doc {

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034B50;
constexpr std::uint32_t kDirectoryHeader = 0x02014B50;
constexpr std::uint32_t kEndOfDirectory = 0x06054B50;
constexpr std::uint16_t kVersion = 20;  // 2.0: deflate, the least every reader takes
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint16_t kMidnight = 0;
constexpr std::uint16_t kFirstOfJanuary1980 = (0 << 9) | (1 << 5) | 1;  // MS-DOS date: years since 1980, month, day
constexpr int kLevel = 6;
constexpr int kRawDeflate = -15;  // no zlib header: ZIP keeps its own CRC
constexpr int kMemoryLevel = 8;

void Put16(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value)
{
    Put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(value >> 16));
}

std::uint32_t Checked32(std::size_t size)
{
    if (size > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("ZIP entry beyond 4 GiB");
    }
    return static_cast<std::uint32_t>(size);
}

std::string Deflated(std::string_view content)
{
    z_stream stream{};
    if (deflateInit2(&stream, kLevel, Z_DEFLATED, kRawDeflate, kMemoryLevel, Z_DEFAULT_STRATEGY) != Z_OK) {
        throw std::runtime_error("zlib: deflateInit2 failed");
    }
    std::string out(deflateBound(&stream, Checked32(content.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data()));
    stream.avail_in = Checked32(content.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = Checked32(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) {
        throw std::runtime_error("zlib: deflate did not finish");
    }
    return out;
}

std::uint32_t Crc32(std::string_view content)
{
    return static_cast<std::uint32_t>(
        crc32(0L, reinterpret_cast<const Bytef*>(content.data()), Checked32(content.size())));
}

// What the local header and the directory's entry share, from the version needed to the name's length.
void PutEntryFields(std::string& out, std::uint32_t crc, std::size_t packed, std::size_t size, std::string_view name)
{
    Put16(out, kVersion);
    Put16(out, 0);  // no flags: no encryption, no data descriptor
    Put16(out, kDeflated);
    Put16(out, kMidnight);
    Put16(out, kFirstOfJanuary1980);
    Put32(out, crc);
    Put32(out, Checked32(packed));
    Put32(out, Checked32(size));
    Put16(out, static_cast<std::uint16_t>(name.size()));
    Put16(out, 0);  // no extra field
}

}  // namespace

void ZipArchive::add(std::string_view name, std::string_view content)
{
    if (name.size() > std::numeric_limits<std::uint16_t>::max() ||
        count_ == std::numeric_limits<std::uint16_t>::max()) {
        throw std::length_error("ZIP entry's name or count beyond its field");
    }
    const std::string packed = Deflated(content);
    const std::uint32_t crc = Crc32(content);
    const std::uint32_t offset = Checked32(entries_.size());

    Put32(entries_, kLocalHeader);
    PutEntryFields(entries_, crc, packed.size(), content.size(), name);
    entries_ += name;
    entries_ += packed;

    Put32(directory_, kDirectoryHeader);
    Put16(directory_, kVersion);  // made by: MS-DOS attributes, version 2.0
    PutEntryFields(directory_, crc, packed.size(), content.size(), name);
    Put16(directory_, 0);  // no comment
    Put16(directory_, 0);  // disk 0
    Put16(directory_, 0);  // internal attributes
    Put32(directory_, 0);  // external attributes
    Put32(directory_, offset);
    directory_ += name;
    ++count_;
}

std::string ZipArchive::finish() &&
{
    std::string archive = std::move(entries_);
    const std::uint32_t directoryOffset = Checked32(archive.size());
    archive += directory_;
    Put32(archive, kEndOfDirectory);
    Put16(archive, 0);  // this disk
    Put16(archive, 0);  // the directory's disk
    Put16(archive, count_);
    Put16(archive, count_);
    Put32(archive, Checked32(directory_.size()));
    Put32(archive, directoryOffset);
    Put16(archive, 0);  // no comment
    return archive;
}

}  // namespace pali::doc
