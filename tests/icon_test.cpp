// Tempotik — a click-speed meter. Licensed under the MIT licence.
// Reads the generated icon file byte by byte.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

class IconFile : public testing::Test {
protected:
    unsigned u16(std::size_t at) const { return bytes[at] | bytes[at + 1] << 8; }
    unsigned u32(std::size_t at) const { return u16(at) | u16(at + 2) << 16; }
    // Returns the palette entry as 0xRRGGBB.
    unsigned colour(int index) const {
        const std::size_t at = 22 + 40 + 4 * index;
        return bytes[at + 2] << 16 | bytes[at + 1] << 8 | bytes[at];
    }
    // Returns whether the mask makes pixel (x, y), y from the top, transparent.
    bool transparent(int x, int y) const {
        const std::size_t mask = 22 + 40 + 1024 + 1024;
        return bytes[mask + (31 - y) * 4 + x / 8] & (0x80 >> (x % 8));
    }
    int pixel(int x, int y) const { return bytes[22 + 40 + 1024 + (31 - y) * 32 + x]; }

    std::vector<std::uint8_t> bytes = [] {
        std::ifstream file(TEMPOTIK_ICO, std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
    }();
};

TEST_F(IconFile, HoldsOne32By32ImageOf256Colours) {
    ASSERT_EQ(bytes.size(), 6u + 16 + 40 + 1024 + 1024 + 128);
    EXPECT_EQ(u16(2), 1u);  // an icon
    EXPECT_EQ(u16(4), 1u);  // one image
    EXPECT_EQ(bytes[6], 32);
    EXPECT_EQ(bytes[7], 32);
    EXPECT_EQ(u16(12), 8u);  // bits a pixel
    EXPECT_EQ(u32(18), 22u);
    EXPECT_EQ(u32(22), 40u);
    EXPECT_EQ(u32(26), 32u);
    EXPECT_EQ(u32(30), 64u);  // image and mask
    EXPECT_EQ(u16(36), 8u);
    EXPECT_EQ(u32(54), 256u);
}

TEST_F(IconFile, PaletteIsAGreyRampThenSaturatedColours) {
    ASSERT_GE(bytes.size(), 22u + 40 + 1024);
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
    ASSERT_EQ(bytes.size(), 2238u);
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

// The icon theme's PNGs and the macOS icons are the same picture: the 32 × 32
// pixel for pixel, the larger ones with every pixel repeated, never blurred.
TEST(IconSizes, EveryFileShowsTheSamePixels) {
    const QImage ico = QImage(QStringLiteral(TEMPOTIK_ICO)).convertToFormat(QImage::Format_ARGB32);
    const QString base = QStringLiteral(TEMPOTIK_ICO).chopped(4);
    const QImage png = QImage(base + ".png").convertToFormat(QImage::Format_ARGB32);
    const QImage doubled = QImage(base + "@2.png").convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(png, ico);
    EXPECT_EQ(doubled, ico.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

TEST(IconSizes, MacIconHoldsThreeSizes) {
    std::ifstream file(QStringLiteral(TEMPOTIK_ICO).chopped(4).toStdString() + ".icns",
                       std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(file), {});
    const auto u32 = [&](std::size_t at) {
        return std::uint32_t(std::uint8_t(bytes[at])) << 24 |
               std::uint32_t(std::uint8_t(bytes[at + 1])) << 16 |
               std::uint32_t(std::uint8_t(bytes[at + 2])) << 8 | std::uint8_t(bytes[at + 3]);
    };
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(0, 4), "icns");
    EXPECT_EQ(u32(4), bytes.size());
    std::vector<std::pair<std::string, int>> entries;
    for (std::size_t at = 8; at + 8 <= bytes.size(); at += u32(at + 4)) {
        const QImage image = QImage::fromData(
            QByteArray::fromStdString(bytes.substr(at + 8, u32(at + 4) - 8)), "PNG");
        entries.emplace_back(bytes.substr(at, 4), image.width());
    }
    const std::vector<std::pair<std::string, int>> expected{
        {"icp5", 32}, {"ic12", 64}, {"ic07", 128}};
    EXPECT_EQ(entries, expected);
}

}  // namespace
