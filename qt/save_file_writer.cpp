#include "save_file_writer.h"

#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

namespace kavrena {
namespace {

// A file whose write bits are all off is read-only for everyone. Root's permission checks
// ignore the mode bits, and QSaveFile would happily replace such a file for it.
bool isReadOnlyFile(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists())
        return false;
    constexpr auto kAnyWriteBit =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (info.permissions() & kAnyWriteBit) == 0;
}

// QSaveFile syncs before its rename but ignores a failed sync; a failed sync here fails the
// write, so success is never reported for bytes that may not be on disk.
bool syncToDisk(QSaveFile& file) {
    if (!file.flush())
        return false;
    return ::fsync(file.handle()) == 0;
}

} // namespace

bool SaveFileWriter::writeWholeFile(const std::string& path, std::span<const std::byte> bytes) {
    const QString fileName = QString::fromStdString(path);
    if (isReadOnlyFile(fileName))
        return false;

    // Until commit() the target is untouched; a QSaveFile destroyed without it removes its
    // temporary file.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size)
        return false;
    if (!syncToDisk(file))
        return false;
    return file.commit();
}

} // namespace kavrena
