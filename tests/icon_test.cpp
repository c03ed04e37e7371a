// Tempotik — a click-speed meter. Licensed under the MIT licence.
// Reads the generated icon file byte by byte.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QImageReader>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

class IconFile : public testing::Test {
protected:
    unsigned u16(std::size_t at) const { return bytes[at] | bytes[at + 1] << 8; }
    unsigned u32(std::size_t at) const { return u16(at) | u16(at + 2) << 16; }
    // Where the 32 × 32 image starts, as the first entry of the directory says.
    std::size_t image() const { return u32(6 + 12); }
    // Returns the palette entry as 0xRRGGBB.
    unsigned colour(int index) const {
        const std::size_t at = image() + 40 + 4 * index;
        return bytes[at + 2] << 16 | bytes[at + 1] << 8 | bytes[at];
    }
    // Returns whether the mask makes pixel (x, y), y from the top, transparent.
    bool transparent(int x, int y) const {
        const std::size_t mask = image() + 40 + 1024 + 1024;
        return bytes[mask + (31 - y) * 4 + x / 8] & (0x80 >> (x % 8));
    }
    int pixel(int x, int y) const { return bytes[image() + 40 + 1024 + (31 - y) * 32 + x]; }

    std::vector<std::uint8_t> bytes = [] {
        std::ifstream file(TEMPOTIK_ICO, std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
    }();
};

// The 32 × 32 in 256 colours comes first; then the sizes Windows shows
// besides: 16 and 48 in 256 colours, and 256 (written 0) as a PNG.
TEST_F(IconFile, Holds32By32In256ColoursFirstThenTheOtherSizes) {
    ASSERT_GE(bytes.size(), 6u + 4 * 16 + 40 + 1024 + 1024 + 128);
    EXPECT_EQ(u16(2), 1u);  // an icon
    ASSERT_EQ(u16(4), 4u);  // four images
    const unsigned sizes[] = {32, 16, 48, 0}, bits[] = {8, 8, 8, 32};
    for (int i = 0; i < 4; ++i) {
        const std::size_t entry = 6 + 16 * i;
        EXPECT_EQ(bytes[entry], sizes[i]) << i;
        EXPECT_EQ(bytes[entry + 1], sizes[i]) << i;
        EXPECT_EQ(u16(entry + 6), bits[i]) << i;
        EXPECT_LE(u32(entry + 12) + u32(entry + 8), bytes.size()) << i;
    }
    EXPECT_EQ(u32(image()), 40u);
    EXPECT_EQ(u32(image() + 4), 32u);
    EXPECT_EQ(u32(image() + 8), 64u);  // image and mask
    EXPECT_EQ(u16(image() + 14), 8u);
    EXPECT_EQ(u32(image() + 32), 256u);
    EXPECT_EQ(
        std::string(bytes.begin() + u32(6 + 48 + 12) + 1, bytes.begin() + u32(6 + 48 + 12) + 4),
        "PNG");
}

TEST_F(IconFile, PaletteIsAGreyRampThenSaturatedColours) {
    ASSERT_GE(bytes.size(), image() + 40 + 1024);
    EXPECT_EQ(colour(0), 0x000000u);
    EXPECT_EQ(colour(1), 0x101010u);
    EXPECT_EQ(colour(8), 0x808080u);
    EXPECT_EQ(colour(15), 0xF0F0F0u);
    EXPECT_EQ(colour(16), 0xFF0000u);
    for (int i = 16; i < 256; ++i) {
        const unsigned c = colour(i);
        const unsigned r = c >> 16, g = c >> 8 & 0xFF, b = c & 0xFF;
        EXPECT_EQ(std::max({r, g, b}), 255u) << "entry " << i;
        EXPECT_EQ(std::min({r, g, b}), 0u) << "entry " << i;
    }
}

TEST_F(IconFile, MaskShowsTheMouseAndHidesTheBackground) {
    ASSERT_GE(bytes.size(), image() + 40 + 1024 + 1024 + 128);
    EXPECT_TRUE(transparent(31, 31));
    EXPECT_TRUE(transparent(0, 31));
    EXPECT_FALSE(transparent(19, 20));  // on the mouse's body
    EXPECT_FALSE(transparent(1, 0));    // the cord's end, top left
    int opaque = 0, flame = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            opaque += !transparent(x, y);
            flame += colour(pixel(x, y)) == 0xFF0000u || colour(pixel(x, y)) == 0xFF8000u;
        }
    }
    EXPECT_GT(opaque, 200);
    EXPECT_LT(opaque, 500);
    EXPECT_GT(flame, 20);
}

TEST_F(IconFile, QtReadsItAsTheWindowIcon) {
    const QImage image(QStringLiteral(TEMPOTIK_ICO));
    EXPECT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.pixelColor(19, 20).alpha(), 255);
    EXPECT_EQ(image.pixelColor(31, 31).alpha(), 0);
}

// Every size is the drawing made for it, pixel for pixel: 16 and 48 drawn,
// the 32 the .ico's own, the larger ones the 32 with every pixel repeated,
// never blurred. The macOS icon is the 128.
TEST(IconSizes, EveryFileShowsItsDrawing) {
    const auto image = [](const QString& path) {
        return QImage(path).convertToFormat(QImage::Format_ARGB32);
    };
    const QImage ico = image(QStringLiteral(TEMPOTIK_ICO));
    const QString made = QStringLiteral(TEMPOTIK_ICO).chopped(4);
    const QString drawn = QStringLiteral(TEMPOTIK_DRAWINGS "/tempotik");
    ASSERT_EQ(ico.size(), QSize(32, 32));
    EXPECT_EQ(image(made + "-16.png"), image(drawn + "-16.xpm"));
    EXPECT_EQ(image(made + "-32.png"), ico);
    EXPECT_EQ(image(made + "-48.png"), image(drawn + "-48.xpm"));
    for (const int size : {64, 128, 256}) {
        EXPECT_EQ(image(made + QString("-%1.png").arg(size)),
                  ico.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation))
            << size;
    }
    // The .ico's other images are the drawings for Windows' other sizes.
    QImageReader reader(QStringLiteral(TEMPOTIK_ICO));
    ASSERT_EQ(reader.imageCount(), 4);
    const QImage others[] = {image(drawn + "-16.xpm"), image(drawn + "-48.xpm"),
                             ico.scaled(256, 256, Qt::IgnoreAspectRatio, Qt::FastTransformation)};
    for (int i = 1; i < 4; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        EXPECT_EQ(reader.read().convertToFormat(QImage::Format_ARGB32), others[i - 1]) << i;
    }
#ifdef TEMPOTIK_ICNS  // not made for Windows
    EXPECT_EQ(image(QStringLiteral(TEMPOTIK_ICNS)),
              ico.scaled(128, 128, Qt::IgnoreAspectRatio, Qt::FastTransformation));
#endif
}

}  // namespace
