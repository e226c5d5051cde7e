// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/ImageLoader.h"

#include <utility>

#include "resources/ResourcePaths.h"

namespace {

BitmapLoadObserver& LoadObserver() {
    static BitmapLoadObserver observer;
    return observer;
}

}  // namespace

void SetBitmapLoadObserver(BitmapLoadObserver observer) {
    LoadObserver() = std::move(observer);
}

QImage LoadBitmapById(int id) {
    if (LoadObserver()) {
        LoadObserver()(id);
    }
    return LoadBitmapFile(QString::fromStdString(BitmapResourcePath(id)));
}

QImage LoadBitmapFile(const QString& path) {
    const QImage stored(path);
    if (stored.isNull()) {
        return {};
    }
    return stored.convertToFormat(QImage::Format_RGB32);
}
