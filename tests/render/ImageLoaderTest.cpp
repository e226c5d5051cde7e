#include "render/ImageLoader.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

TEST(LoadBitmapById, AnUnknownIdentifierGivesANullImage) {
    EXPECT_TRUE(LoadBitmapById(987654).isNull());
}

TEST(LoadBitmapFile, AMissingFileGivesANullImage) {
    EXPECT_TRUE(LoadBitmapFile(QStringLiteral("/nonexistent/skirmora/127.bmp")).isNull());
}

TEST(LoadBitmapFile, AnIndexedBitmapIsConvertedToTheSurfaceFormatWithItsColours) {
    // An 8-bit bitmap with a colour table, as the art stores most pictures.
    const QList<QRgb> palette = {qRgb(252, 252, 252), qRgb(4, 4, 4), qRgb(192, 192, 192),
                                 qRgb(255, 0, 0)};
    QImage indexed(5, 3, QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            indexed.setPixel(x, y, static_cast<uint>((x + 2 * y) % 4));
        }
    }
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("art.bmp"));
    ASSERT_TRUE(indexed.save(path, "BMP"));
    ASSERT_NE(QImage(path).format(), QImage::Format_RGB32) << "the file itself is not 32-bit";

    const QImage loaded = LoadBitmapFile(path);
    ASSERT_EQ(loaded.format(), QImage::Format_RGB32);
    ASSERT_EQ(loaded.size(), QSize(5, 3));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(loaded.pixel(x, y), palette[(x + 2 * y) % 4]) << x << ", " << y;
        }
    }
}

}  // namespace
