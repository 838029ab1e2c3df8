// SPDX-License-Identifier: MIT

#include "app/calculation_report/unzipped.h"

#include <zlib.h>

#include <cstdint>
#include <stdexcept>

namespace pali::doc::test {

namespace {

std::uint32_t Number(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    }
    return value;
}

std::string Inflated(std::string packed, std::size_t size, std::uint32_t crc)
{
    std::string out(size, '\0');
    z_stream stream{};
    inflateInit2(&stream, -15);  // raw deflate, as ZIP keeps it
    stream.next_in = reinterpret_cast<Bytef*>(packed.data());
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const bool whole = inflate(&stream, Z_FINISH) == Z_STREAM_END && stream.total_out == size;
    inflateEnd(&stream);
    if (!whole || crc32(0L, reinterpret_cast<const Bytef*>(out.data()), static_cast<uInt>(size)) != crc) {
        throw std::runtime_error("inflate: not the stored size or CRC-32");
    }
    return out;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> Unzipped(const std::string& archive)
{
    std::vector<std::pair<std::string, std::string>> entries;
    for (std::size_t at = 0; Number(archive, at, 4) == 0x04034B50;) {
        if (Number(archive, at + 8, 2) != Z_DEFLATED || Number(archive, at + 10, 4) != 0x00210000) {
            throw std::runtime_error("not deflated, or not dated 1980-01-01 00:00");
        }
        const std::size_t packed = Number(archive, at + 18, 4);
        const std::size_t nameLength = Number(archive, at + 26, 2);
        const std::size_t data = at + 30 + nameLength + Number(archive, at + 28, 2);
        entries.emplace_back(
            archive.substr(at + 30, nameLength),
            Inflated(archive.substr(data, packed), Number(archive, at + 22, 4), Number(archive, at + 14, 4)));
        at = data + packed;
    }
    return entries;
}

}  // namespace pali::doc::test
