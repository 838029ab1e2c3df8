// SPDX-License-Identifier: MIT

#include "qt/file_reading.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

namespace {

// Why a save failed, in Italian first, then in the system's own words.
std::string SaveFailure(const QString& path, const QFileDevice& file)
{
    if (QFileInfo(path).isDir()) {
        return std::string(kSaveOverFolderReason);
    }
    const std::string reason = " (" + file.errorString().toStdString() + ")";
    switch (file.error()) {
    case QFileDevice::OpenError: return "non si può scrivere in quella cartella" + reason;
    case QFileDevice::RenameError: return "non si può sostituire il file" + reason;
    default: return "la scrittura non è riuscita, forse il disco è pieno" + reason;
    }
}

}  // namespace

// QSaveFile writes beside the target, flushes, and renames over the target
// only when everything was written.
std::optional<std::string> WriteFileWithQt(const std::string& path, const std::string& bytes)
{
    QSaveFile file(Text(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return SaveFailure(Text(path), file);
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const std::string failure = SaveFailure(Text(path), file);
        file.cancelWriting();
        return failure;
    }
    if (!file.commit()) {
        return SaveFailure(Text(path), file);
    }
    return std::nullopt;
}

QString InstalledDocument(const QString& name)
{
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/doc/portanza-pali/") + name);
}

}  // namespace pali
