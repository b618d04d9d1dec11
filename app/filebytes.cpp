#include "app/filebytes.h"

#include <algorithm>

QByteArray readAtMost(QFile& file, qint64 limit) {
    const qint64 ceiling = limit + 1;
    QByteArray bytes(std::clamp<qint64>(file.size() + 1, 1, ceiling), Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < ceiling) {
        if (filled == bytes.size())
            bytes.resize(std::min<qint64>(bytes.size() * 2, ceiling));
        const qint64 got = file.read(bytes.data() + filled, bytes.size() - filled);
        if (got <= 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}
