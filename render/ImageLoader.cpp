// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/ImageLoader.h"

#include "resources/ResourcePaths.h"

QImage LoadBitmapById(int id) {
    return LoadBitmapFile(QString::fromStdString(BitmapResourcePath(id)));
}

QImage LoadBitmapFile(const QString& path) {
    const QImage stored(path);
    if (stored.isNull()) {
        return {};
    }
    return stored.convertToFormat(QImage::Format_RGB32);
}
