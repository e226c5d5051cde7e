// The packaged resources, as the game loads them through Qt: every picture is reachable by
// its identifier alone from any executable that links skirmora_resources, with no
// Q_INIT_RESOURCE, and decodes to exactly the committed file's pixels.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include "resources/ResourcePaths.h"
#include "tests/resources/CommittedArt.h"
#include "tests/resources/DibReader.h"

namespace {

struct Packaged {
    const char* alias;
    int id;
};

// The aliases are written out here rather than built by ResourcePaths, which this suite
// checks against them.
constexpr Packaged kPackaged[] = {
    {":/icon/113", 113},   {":/bitmap/118", 118}, {":/bitmap/119", 119}, {":/bitmap/123", 123},
    {":/bitmap/124", 124}, {":/bitmap/125", 125}, {":/bitmap/126", 126}, {":/bitmap/127", 127},
    {":/bitmap/128", 128}, {":/bitmap/129", 129}, {":/icon/132", 132},   {":/bitmap/133", 133},
    {":/bitmap/134", 134},
};

class PackagedPicture : public testing::TestWithParam<Packaged> {};

TEST_P(PackagedPicture, IsFiledUnderItsIdentifier) {
    const ArtAsset& asset = AssetById(GetParam().id);
    const std::string path =
        asset.kind == ArtKind::Icon ? IconResourcePath(asset.id) : BitmapResourcePath(asset.id);
    EXPECT_EQ(path, GetParam().alias);
}

TEST_P(PackagedPicture, LoadsWithItsSize) {
    const QImage image(QString::fromLatin1(GetParam().alias));
    const ArtAsset& asset = AssetById(GetParam().id);
    ASSERT_FALSE(image.isNull()) << GetParam().alias << " does not load";
    EXPECT_EQ(image.width(), asset.width);
    EXPECT_EQ(image.height(), asset.height);
}

TEST_P(PackagedPicture, ShowsTheCommittedPixels) {
    const ArtAsset& asset = AssetById(GetParam().id);
    const std::vector<std::uint8_t> bytes = ReadFileBytes(ArtRoot() / RelativeArtPath(asset));
    PalettePicture committed;
    std::vector<bool> transparent;
    if (asset.kind == ArtKind::Icon) {
        const DecodedIco ico = DecodeIco(bytes);
        committed = ico.picture;
        transparent = ico.andMask;
    } else {
        committed = DecodeBmp(bytes).picture;
        transparent.assign(committed.indices.size(), false);
    }
    const QImage image =
        QImage(QString::fromLatin1(GetParam().alias)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(committed.width, committed.height));
    for (int y = 0; y < committed.height; ++y) {
        for (int x = 0; x < committed.width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (transparent[y * committed.width + x]) {
                ASSERT_EQ(qAlpha(pixel), 0) << "at " << x << "," << y;
                continue;
            }
            const Colour expected = committed.At(x, y);
            ASSERT_EQ(qAlpha(pixel), 255) << "at " << x << "," << y;
            ASSERT_EQ((Colour{qRed(pixel), qGreen(pixel), qBlue(pixel)}), expected)
                << "at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, PackagedPicture, testing::ValuesIn(kPackaged),
                         [](const testing::TestParamInfo<Packaged>& info) {
                             return std::to_string(info.param.id);
                         });

}  // namespace

int main(int argc, char** argv) {
    // Image format plugins (the icon reader among them) are found through the application.
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
