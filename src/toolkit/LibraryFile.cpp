#include "LibraryFile.h"

#include <QFile>
#include <limits>

namespace tarvand {

namespace {

// An unsigned field of `size` bytes at `offset` in the byte order the header names; -1 past the end.
qint64 field(const QByteArray& bytes, qint64 offset, int size, bool bigEndian) {
    if (offset < 0 || offset + size > bytes.size())
        return -1;
    quint64 value = 0;
    for (int i = 0; i < size; ++i) {
        const auto byte = quint64(quint8(bytes.at(offset + (bigEndian ? i : size - 1 - i))));
        value = (value << 8) | byte;
    }
    return value > quint64(std::numeric_limits<qint64>::max()) ? -1 : qint64(value);
}

} // namespace

QString LibraryFile::Problem(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
    const qint64 size = file.size();
    const QByteArray header = file.read(64);
    if (!header.startsWith("\x7f"
                           "ELF"))
        return {};
    const bool wide = header.size() > 4 && header.at(4) == 2;
    const bool bigEndian = header.size() > 5 && header.at(5) == 2;
    const qint64 tableOffset = field(header, wide ? 0x20 : 0x1C, wide ? 8 : 4, bigEndian);
    const qint64 entrySize = field(header, wide ? 0x36 : 0x2A, 2, bigEndian);
    const qint64 entries = field(header, wide ? 0x38 : 0x2C, 2, bigEndian);
    const QString cut = QStringLiteral("%1 is cut short (%2 bytes): not a whole library").arg(path).arg(size);
    if (tableOffset < 0 || entrySize <= 0 || entries < 0 || tableOffset + entrySize * entries > size)
        return cut;
    file.seek(tableOffset);
    const QByteArray table = file.read(entrySize * entries);
    constexpr qint64 loadSegment = 1;
    for (qint64 entry = 0; entry < entries; ++entry) {
        const qint64 at = entry * entrySize;
        if (field(table, at, 4, bigEndian) != loadSegment)
            continue;
        const qint64 offset = field(table, at + (wide ? 8 : 4), wide ? 8 : 4, bigEndian);
        const qint64 length = field(table, at + (wide ? 0x20 : 0x10), wide ? 8 : 4, bigEndian);
        if (offset < 0 || length < 0 || offset > size || length > size - offset)
            return cut;
    }
    return {};
}

} // namespace tarvand
