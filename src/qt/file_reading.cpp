// SPDX-License-Identifier: MIT

#include "qt/file_reading.h"

#include <QFile>
#include <QFileInfo>

#include "qt/qt_text.h"

namespace pali {

FileReading ReadFileWithQt(const std::string& path, std::size_t limit)
{
    const QFileInfo info(Text(path));
    if (!info.exists()) {
        return {FileReading::Outcome::Missing, {}, {}};
    }
    if (info.isDir()) {
        return {FileReading::Outcome::Folder, {}, {}};
    }
    QFile file(Text(path));
    if (static_cast<std::size_t>(info.size()) > limit) {
        return {FileReading::Outcome::TooLarge, {}, {}};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {FileReading::Outcome::Unreadable, {}, file.errorString().toStdString()};
    }
    // Read one byte past the limit, should the file have grown meanwhile.
    const QByteArray bytes = file.read(static_cast<qint64>(limit) + 1);
    if (file.error() != QFileDevice::NoError) {
        return {FileReading::Outcome::Unreadable, {}, file.errorString().toStdString()};
    }
    if (static_cast<std::size_t>(bytes.size()) > limit) {
        return {FileReading::Outcome::TooLarge, {}, {}};
    }
    return {FileReading::Outcome::Read, bytes.toStdString(), {}};
}

}  // namespace pali
