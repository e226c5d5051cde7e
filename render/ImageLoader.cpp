#include "render/ImageLoader.h"

QImage LoadBitmapById(int id) {
    return LoadBitmapFile(QStringLiteral(":/bitmap/%1").arg(id));
}

QImage LoadBitmapFile(const QString& path) {
    const QImage stored(path);
    if (stored.isNull()) {
        return {};
    }
    return stored.convertToFormat(QImage::Format_RGB32);
}
