// SPDX-License-Identifier: MIT

#include "app/calculation_report/unzipped.h"

#include <zlib.h>

#include <stdexcept>

namespace pali::doc::test {

namespace {

constexpr std::size_t kEndRecordSize = 22;

struct Reader {
    const std::string& bytes;

    std::uint32_t At(std::size_t offset, int size) const
    {
        if (offset + size > bytes.size()) {
            throw std::runtime_error("ZIP cut short");
        }
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) {
            value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
        }
        return value;
    }
    std::uint16_t U16(std::size_t offset) const { return static_cast<std::uint16_t>(At(offset, 2)); }
    std::uint32_t U32(std::size_t offset) const { return At(offset, 4); }
};

std::string Inflated(std::string_view packed, std::size_t size)
{
    std::string out(size, '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -15) != Z_OK) {
        throw std::runtime_error("inflateInit2");
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&stream, Z_FINISH);
    const bool whole = result == Z_STREAM_END && stream.total_out == size && stream.avail_in == 0;
    inflateEnd(&stream);
    if (!whole) {
        throw std::runtime_error("inflate: not the stored size");
    }
    return out;
}

}  // namespace

std::vector<UnzippedEntry> Unzipped(const std::string& archive)
{
    const Reader read{archive};
    if (archive.size() < kEndRecordSize) {
        throw std::runtime_error("no end record");
    }
    const std::size_t end = archive.size() - kEndRecordSize;
    if (read.U32(end) != 0x06054B50 || read.U16(end + 8) != read.U16(end + 10)) {
        throw std::runtime_error("bad end record");
    }
    const std::size_t count = read.U16(end + 10);
    std::size_t at = read.U32(end + 16);
    if (at + read.U32(end + 12) != end) {
        throw std::runtime_error("directory does not end at the end record");
    }
    std::vector<UnzippedEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        if (read.U32(at) != 0x02014B50 || read.U16(at + 10) != 8) {
            throw std::runtime_error("bad directory entry");
        }
        UnzippedEntry entry;
        entry.time = read.U16(at + 12);
        entry.date = read.U16(at + 14);
        const std::uint32_t crc = read.U32(at + 16);
        const std::uint32_t packedSize = read.U32(at + 20);
        const std::uint32_t size = read.U32(at + 24);
        const std::size_t nameLength = read.U16(at + 28);
        const std::size_t skipped = read.U16(at + 30) + read.U16(at + 32);
        const std::size_t local = read.U32(at + 42);
        entry.name = archive.substr(at + 46, nameLength);
        at += 46 + nameLength + skipped;

        if (read.U32(local) != 0x04034B50 || read.U32(local + 14) != crc || read.U32(local + 18) != packedSize ||
            read.U32(local + 22) != size || archive.compare(local + 30, nameLength, entry.name) != 0) {
            throw std::runtime_error("local header disagrees with the directory: " + entry.name);
        }
        const std::size_t data = local + 30 + read.U16(local + 26) + read.U16(local + 28);
        if (data + packedSize > archive.size()) {
            throw std::runtime_error("ZIP cut short");
        }
        entry.content = Inflated(std::string_view(archive).substr(data, packedSize), size);
        if (crc32(0L, reinterpret_cast<const Bytef*>(entry.content.data()), static_cast<uInt>(size)) != crc) {
            throw std::runtime_error("CRC-32 differs: " + entry.name);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string Part(const std::string& archive, const std::string& name)
{
    for (UnzippedEntry& entry : Unzipped(archive)) {
        if (entry.name == name) {
            return std::move(entry.content);
        }
    }
    throw std::runtime_error("no part " + name);
}

}  // namespace pali::doc::test
