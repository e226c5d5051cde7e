// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// skirmora-icons ICON OUTDIR SIZE...: writes the icon as OUTDIR/SIZExSIZE.png for each size,
// enlarged or reduced pixel for pixel, without smoothing, so the pixel art stays crisp in the
// desktop's menus. The icon's transparency is kept.

#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: skirmora-icons ICON OUTDIR SIZE...\n");
        return 2;
    }
    const QImage icon =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    if (icon.isNull()) {
        std::fprintf(stderr, "skirmora-icons: cannot read '%s'\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size <= 0 || size > 1024) {
            std::fprintf(stderr, "skirmora-icons: bad size '%s'\n", argv[i]);
            return 2;
        }
        const QString path =
            QStringLiteral("%1/%2x%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        const QImage scaled =
            icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!scaled.save(path, "PNG")) {
            std::fprintf(stderr, "skirmora-icons: cannot write '%s'\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
