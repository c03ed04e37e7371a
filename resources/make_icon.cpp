// Tempotik — a click-speed meter. Licensed under the MIT licence.
//
// make-icon: writes every form of the program's icon from its drawings.
//   make-icon DRAWINGS OUTDIR [--icns]
// reads from DRAWINGS the pixel maps tempotik-16.xpm, tempotik.xpm (32 × 32)
// and tempotik-48.xpm, and writes into OUTDIR:
//   tempotik.ico        Windows' icon: first the 32 × 32 drawing in 8 bits a
//                       pixel with a 256-colour palette (a grey ramp, then
//                       saturated hues) and a 1-bit transparency mask, then
//                       the 16 and 48 drawings alike, and a 256 × 256 PNG of
//                       the 32 with every pixel repeated, for the sizes
//                       Explorer, the taskbar and the Start menu show
//   tempotik-N.png      the icon theme's and the window's sizes: 16, 32 and 48
//                       as drawn, 64, 128 and 256 the 32 × 32 with every pixel
//                       repeated, never blurred
//   tempotik.icns       with --icns, for macOS: the 128 × 128
// Every colour of a drawing must be a palette colour, or "None" for
// transparent. Qt writes the PNG and ICNS files; no library writes a
// palette .ico, so that one is written here.

#include <QBuffer>
#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int icoSize = 32;

// Returns the palette: black, then grey 16 to 240 in steps of 16, then 240
// saturated hues, 1.5 degrees apart, from red through yellow, green, cyan,
// blue and magenta back towards red.
std::array<QRgb, 256> palette() {
    std::array<QRgb, 256> colours{};
    for (int i = 0; i < 16; ++i) {
        colours[i] = qRgb(16 * i, 16 * i, 16 * i);
    }
    for (int k = 0; k < 240; ++k) {
        const int up = (255 * (k % 40) + 20) / 40, down = 255 - up;
        const std::array<QRgb, 6> segment{qRgb(255, up, 0), qRgb(down, 255, 0),
                                          qRgb(0, 255, up), qRgb(0, down, 255),
                                          qRgb(up, 0, 255), qRgb(255, 0, down)};
        colours[16 + k] = segment[k / 40];
    }
    return colours;
}

// Returns the drawing, checked: its size, and every colour in the palette.
QImage readDrawing(const QString& path, int size, const std::array<QRgb, 256>& colours) {
    const QImage drawing = QImage(path, "XPM").convertToFormat(QImage::Format_ARGB32);
    if (drawing.isNull()) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    if (drawing.size() != QSize(size, size)) {
        throw std::runtime_error(path.toStdString() + " is not " + std::to_string(size) + " × " +
                                 std::to_string(size));
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = drawing.pixel(x, y);
            if (qAlpha(pixel) != 0 &&
                std::find(colours.begin(), colours.end(), pixel | 0xff000000u) == colours.end()) {
                throw std::runtime_error(path.toStdString() + ": a colour not in the palette at " +
                                         std::to_string(x) + ", " + std::to_string(y));
            }
        }
    }
    return drawing;
}

// Appends little-endian numbers, as the .ico format has them.
class LittleEndian {
public:
    explicit LittleEndian(std::string& out) : out_(out) {}
    void u8(unsigned value) { out_.push_back(static_cast<char>(value)); }
    void u16(unsigned value) { u8(value & 0xff), u8(value >> 8); }
    void u32(unsigned value) { u16(value & 0xffff), u16(value >> 16); }

private:
    std::string& out_;
};

// Returns the drawing as an icon's bitmap: a header, the palette, a byte a
// pixel, and the transparency mask; rows run bottom-up, each padded to four
// bytes.
std::string bitmap(const QImage& drawing, const std::array<QRgb, 256>& colours) {
    const unsigned size = drawing.width();
    const unsigned maskRow = (size + 31) / 32 * 4;
    const auto index = [&](int x, int y) {
        const QRgb pixel = drawing.pixel(x, y);
        return qAlpha(pixel) == 0
                   ? 0u
                   : unsigned(std::find(colours.begin(), colours.end(), pixel) - colours.begin());
    };
    std::string out;
    LittleEndian le(out);
    le.u32(40), le.u32(size), le.u32(2 * size);  // the height counts image and mask
    le.u16(1), le.u16(8), le.u32(0), le.u32(size * size + maskRow * size);
    le.u32(0), le.u32(0), le.u32(256), le.u32(0);
    for (const QRgb colour : colours) {
        le.u8(qBlue(colour)), le.u8(qGreen(colour)), le.u8(qRed(colour)), le.u8(0);
    }
    for (int y = int(size) - 1; y >= 0; --y) {
        for (unsigned x = 0; x < size; ++x) {
            le.u8(index(x, y));
        }
    }
    for (int y = int(size) - 1; y >= 0; --y) {
        for (unsigned byte = 0; byte < maskRow; ++byte) {
            unsigned bits = 0;
            for (unsigned bit = 0; bit < 8 && byte * 8 + bit < size; ++bit) {
                bits |= (qAlpha(drawing.pixel(byte * 8 + bit, y)) == 0 ? 0x80u : 0u) >> bit;
            }
            le.u8(bits);
        }
    }
    return out;
}

std::string png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        throw std::runtime_error("cannot make the icon's PNG");
    }
    return bytes.toStdString();
}

struct IconImage {
    unsigned size;
    unsigned bitsPerPixel;
    std::string data;
};

// Returns the icon file: a directory of the images, then each image.
std::string ico(const std::vector<IconImage>& images) {
    std::string out;
    LittleEndian le(out);
    le.u16(0), le.u16(1), le.u16(images.size());
    unsigned offset = 6 + 16 * images.size();
    for (const IconImage& image : images) {
        le.u8(image.size & 0xff), le.u8(image.size & 0xff);  // 0 means 256
        le.u8(0), le.u8(0);                                  // 0: 256 colours or more
        le.u16(1), le.u16(image.bitsPerPixel);
        le.u32(image.data.size()), le.u32(offset);
        offset += image.data.size();
    }
    for (const IconImage& image : images) {
        out += image.data;
    }
    return out;
}

// Returns the drawing with every pixel repeated times × times.
QImage repeated(const QImage& drawing, int times) {
    return drawing.scaled(drawing.size() * times, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void writeFile(const QString& path, const std::string& data) {
    std::ofstream file(path.toStdString(), std::ios::binary);
    file << data;
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void save(const QImage& image, const QString& path, const char* format) {
    if (!image.save(path, format)) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool icns = argc == 4 && std::string(argv[3]) == "--icns";
    if (argc != 3 && !icns) {
        std::cerr << "usage: make-icon DRAWINGS OUTDIR [--icns]\n";
        return 2;
    }
    try {
        const QString drawings = QString::fromLocal8Bit(argv[1]) + "/tempotik";
        const QString out = QString::fromLocal8Bit(argv[2]) + "/tempotik";
        const auto colours = palette();
        const QImage icon = readDrawing(drawings + ".xpm", icoSize, colours);
        const QImage small = readDrawing(drawings + "-16.xpm", 16, colours);
        const QImage large = readDrawing(drawings + "-48.xpm", 48, colours);
        writeFile(out + ".ico", ico({{32, 8, bitmap(icon, colours)},
                                     {16, 8, bitmap(small, colours)},
                                     {48, 8, bitmap(large, colours)},
                                     {256, 32, png(repeated(icon, 8))}}));
        save(small, out + "-16.png", "PNG");
        save(icon, out + "-32.png", "PNG");
        save(large, out + "-48.png", "PNG");
        for (const int times : {2, 4, 8}) {
            save(repeated(icon, times), out + QString("-%1.png").arg(icoSize * times), "PNG");
        }
        if (icns) {
            save(repeated(icon, 4), out + ".icns", "ICNS");
        }
    } catch (const std::exception& error) {
        std::cerr << "make-icon: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
