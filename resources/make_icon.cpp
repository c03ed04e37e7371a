// Tempotik — a click-speed meter. Licensed under the MIT licence.
//
// make-icon: writes the program's icon from its pixel map.
//   make-icon tempotik.xpm OUTDIR
// writes into OUTDIR:
//   tempotik.ico     one 32 × 32 image of 8 bits a pixel with a 256-colour
//                    palette (a grey ramp, then saturated hues) and a 1-bit
//                    transparency mask: the window's and Windows' icon
//   tempotik.png     the same picture as a 32 × 32 PNG, for the icon theme
//   tempotik@2.png   every pixel doubled, for desktops scaled to 2
//   tempotik.icns    for macOS: the picture at 32, 64 and 128 pixels
// Larger sizes repeat pixels rather than blur them. Every colour of the pixel
// map must be a palette colour, or "None" for transparent.

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int size = 32;

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Returns the palette: black, then grey 16 to 240 in steps of 16, then 240
// saturated hues, 1.5 degrees apart, from red through yellow, green, cyan,
// blue and magenta back towards red.
std::array<Rgb, 256> palette() {
    std::array<Rgb, 256> colours{};
    for (int i = 0; i < 16; ++i) {
        const auto grey = static_cast<std::uint8_t>(16 * i);
        colours[i] = {grey, grey, grey};
    }
    for (int k = 0; k < 240; ++k) {
        const auto up = static_cast<std::uint8_t>((255 * (k % 40) + 20) / 40);
        const auto down = static_cast<std::uint8_t>(255 - up);
        constexpr std::uint8_t full = 255, none = 0;
        const std::array<Rgb, 6> segment{{{full, up, none},
                                          {down, full, none},
                                          {none, full, up},
                                          {none, down, full},
                                          {up, none, full},
                                          {full, none, down}}};
        colours[16 + k] = segment[k / 40];
    }
    return colours;
}

// Returns the quoted strings of an XPM file, in order.
std::vector<std::string> xpmStrings(std::istream& in) {
    std::vector<std::string> strings;
    std::string line;
    while (std::getline(in, line)) {
        const auto open = line.find('"');
        const auto close = line.rfind('"');
        if (open != std::string::npos && close > open) {
            strings.push_back(line.substr(open + 1, close - open - 1));
        }
    }
    return strings;
}

int paletteIndex(const std::string& colour, const std::array<Rgb, 256>& colours) {
    if (colour.size() != 7 || colour[0] != '#') {
        throw std::runtime_error("colour is not #RRGGBB: " + colour);
    }
    const auto value = std::stoul(colour.substr(1), nullptr, 16);
    const Rgb rgb{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                  static_cast<std::uint8_t>(value)};
    for (int i = 0; i < 256; ++i) {
        if (colours[i] == rgb) {
            return i;
        }
    }
    throw std::runtime_error("colour is not in the palette: " + colour);
}

struct Image {
    std::array<std::array<std::uint8_t, size>, size> index{};
    std::array<std::array<bool, size>, size> transparent{};
};

Image readPixelMap(std::istream& in, const std::array<Rgb, 256>& colours) {
    const auto strings = xpmStrings(in);
    if (strings.empty()) {
        throw std::runtime_error("no XPM header");
    }
    int width = 0, height = 0, colourCount = 0, charsPerPixel = 0;
    std::istringstream(strings[0]) >> width >> height >> colourCount >> charsPerPixel;
    if (width != size || height != size || charsPerPixel != 1 ||
        strings.size() != static_cast<std::size_t>(1 + colourCount + size)) {
        throw std::runtime_error("expected a 32 × 32 XPM with one character a pixel");
    }
    std::map<char, int> key;  // -1 for transparent
    for (int i = 1; i <= colourCount; ++i) {
        std::istringstream entry(strings[i].substr(1));
        std::string c, colour;
        entry >> c >> colour;
        key[strings[i][0]] = colour == "None" ? -1 : paletteIndex(colour, colours);
    }
    Image image;
    for (int y = 0; y < size; ++y) {
        const std::string& row = strings[1 + colourCount + y];
        if (row.size() != size) {
            throw std::runtime_error("row " + std::to_string(y) + " is not 32 pixels");
        }
        for (int x = 0; x < size; ++x) {
            const auto found = key.find(row[x]);
            if (found == key.end()) {
                throw std::runtime_error(std::string("no colour for '") + row[x] + "'");
            }
            image.transparent[y][x] = found->second < 0;
            image.index[y][x] = static_cast<std::uint8_t>(found->second < 0 ? 0 : found->second);
        }
    }
    return image;
}

// Appends numbers to a byte string in one byte order: little-endian for the
// .ico, big-endian for PNG and .icns.
class Bytes {
public:
    enum class Order { little, big };
    Bytes(std::string& out, Order order) : out_(out), order_(order) {}
    void u8(unsigned value) { out_.push_back(static_cast<char>(value)); }
    void u16(unsigned value) {
        order_ == Order::little ? (u8(value & 0xff), u8(value >> 8))
                                : (u8(value >> 8), u8(value & 0xff));
    }
    void u32(unsigned value) {
        order_ == Order::little ? (u16(value & 0xffff), u16(value >> 16))
                                : (u16(value >> 16), u16(value & 0xffff));
    }
    void bytes(const std::string& data) { out_ += data; }

private:
    std::string& out_;
    Order order_;
};

std::string ico(const Image& image, const std::array<Rgb, 256>& colours) {
    constexpr unsigned headerBytes = 40, paletteBytes = 256 * 4;
    constexpr unsigned pixelBytes = size * size, maskBytes = size * size / 8;
    std::string out;
    Bytes le(out, Bytes::Order::little);
    le.u16(0), le.u16(1), le.u16(1);               // icon directory: an icon file with one image
    le.u8(size), le.u8(size), le.u8(0), le.u8(0);  // 32 × 32, 0 meaning 256 colours
    le.u16(1), le.u16(8);
    le.u32(headerBytes + paletteBytes + pixelBytes + maskBytes);
    le.u32(6 + 16);
    le.u32(headerBytes), le.u32(size), le.u32(2 * size);  // height counts image and mask
    le.u16(1), le.u16(8), le.u32(0), le.u32(pixelBytes + maskBytes);
    le.u32(0), le.u32(0), le.u32(256), le.u32(0);
    for (const Rgb& colour : colours) {
        le.u8(colour.b), le.u8(colour.g), le.u8(colour.r), le.u8(0);
    }
    for (int y = size - 1; y >= 0; --y) {  // rows run bottom-up
        for (int x = 0; x < size; ++x) {
            le.u8(image.index[y][x]);
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        for (int byte = 0; byte < size / 8; ++byte) {
            unsigned bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                bits |= (image.transparent[y][byte * 8 + bit] ? 0x80u : 0u) >> bit;
            }
            le.u8(bits);
        }
    }
    return out;
}

std::uint32_t crc32(const std::string& data) {
    std::uint32_t crc = 0xffffffff;
    for (const char byte : data) {
        crc ^= static_cast<std::uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

// Returns the data as a zlib stream of uncompressed blocks: an icon is small,
// and this keeps the writer free of a compression library.
std::string zlibStored(const std::string& data) {
    std::string out;
    Bytes be(out, Bytes::Order::big);
    be.u8(0x78), be.u8(0x01);
    constexpr std::size_t most = 65535;
    for (std::size_t at = 0; at == 0 || at < data.size(); at += most) {
        const std::size_t length = std::min(most, data.size() - at);
        be.u8(at + length == data.size() ? 1 : 0);  // the last block says so
        be.u8(length & 0xff), be.u8(length >> 8);   // little-endian, then its complement
        be.u8(~length & 0xff), be.u8((~length >> 8) & 0xff);
        be.bytes(data.substr(at, length));
    }
    std::uint32_t a = 1, b = 0;  // Adler-32
    for (const char byte : data) {
        a = (a + static_cast<std::uint8_t>(byte)) % 65521;
        b = (b + a) % 65521;
    }
    be.u32((b << 16) | a);
    return out;
}

// Returns the picture as an RGBA PNG, each pixel repeated scale × scale times.
std::string png(const Image& image, const std::array<Rgb, 256>& colours, int scale) {
    const unsigned side = size * scale;
    std::string rows;
    for (unsigned y = 0; y < side; ++y) {
        rows.push_back(0);  // no filter
        for (unsigned x = 0; x < side; ++x) {
            const bool clear = image.transparent[y / scale][x / scale];
            const Rgb& colour = colours[image.index[y / scale][x / scale]];
            rows.push_back(static_cast<char>(clear ? 0 : colour.r));
            rows.push_back(static_cast<char>(clear ? 0 : colour.g));
            rows.push_back(static_cast<char>(clear ? 0 : colour.b));
            rows.push_back(static_cast<char>(clear ? 0 : 255));
        }
    }
    std::string out = "\x89PNG\r\n\x1a\n";
    Bytes be(out, Bytes::Order::big);
    const auto chunk = [&](const char* type, const std::string& data) {
        be.u32(static_cast<unsigned>(data.size()));
        const std::string typed = type + data;
        be.bytes(typed);
        be.u32(crc32(typed));
    };
    std::string header;
    Bytes hb(header, Bytes::Order::big);
    hb.u32(side), hb.u32(side), hb.u8(8), hb.u8(6), hb.u8(0), hb.u8(0), hb.u8(0);  // 8-bit RGBA
    chunk("IHDR", header);
    chunk("IDAT", zlibStored(rows));
    chunk("IEND", "");
    return out;
}

// Returns a macOS icon file holding the picture at 32, 64 and 128 pixels.
std::string icns(const Image& image, const std::array<Rgb, 256>& colours) {
    std::string entries;
    Bytes be(entries, Bytes::Order::big);
    const std::pair<const char*, int> sizes[] = {{"icp5", 1}, {"ic12", 2}, {"ic07", 4}};
    for (const auto& [type, scale] : sizes) {
        const std::string data = png(image, colours, scale);
        be.bytes(type);
        be.u32(static_cast<unsigned>(8 + data.size()));
        be.bytes(data);
    }
    std::string out = "icns";
    Bytes(out, Bytes::Order::big).u32(static_cast<unsigned>(8 + entries.size()));
    return out + entries;
}

void writeFile(const std::string& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary);
    out << data;
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: make-icon PIXELMAP.xpm OUTDIR\n";
        return 2;
    }
    try {
        std::ifstream in(argv[1]);
        if (!in) {
            throw std::runtime_error("cannot read " + std::string(argv[1]));
        }
        const auto colours = palette();
        const Image image = readPixelMap(in, colours);
        const std::string dir = std::string(argv[2]) + "/tempotik";
        writeFile(dir + ".ico", ico(image, colours));
        writeFile(dir + ".png", png(image, colours, 1));
        writeFile(dir + "@2.png", png(image, colours, 2));
        writeFile(dir + ".icns", icns(image, colours));
    } catch (const std::exception& error) {
        std::cerr << "make-icon: " << argv[1] << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
