// icongen: turns the program icon drawn as text (32 x 32, 16 colours) into an .ico file holding it
// at 16, 20, 24, 32 and 48 pixels, 32-bit with alpha.
//   icongen INPUT.txt OUTPUT.ico        the icon resource
//   icongen --ppm INPUT.txt OUTPUT.ppm  an 8x enlarged preview for people
// Input: lines starting with '#' are comments; then 32 rows of 32 characters, each a hexadecimal
// index into the 16 standard VGA colours (0 black .. F white) or '.' for transparent.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 32;
constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF}; // 0xRRGGBB

int Fail(const std::string& message) {
    std::cerr << "icongen: " << message << "\n";
    return 1;
}

// -1 for transparent, else the palette index; -2 for a character that is neither.
int PixelOf(char c) {
    if (c == '.')
        return -1;
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -2;
}

void Put16(std::string& out, unsigned v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// The sizes the icon resource holds: the small icon at 100, 125 and 150 %, the large icon at 100
// and 150 %. Windows and the shell pick the one drawn for the size they need.
constexpr std::array<int, 5> kIconSizes = {16, 20, 24, 32, 48};

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0; // 0..255
};
using Image = std::vector<std::vector<Rgba>>;

// The art at `size` x `size` through a box filter: each pixel averages the part of the art it
// covers, by area, with the colours weighted by their opacity. 32 is the art itself.
Image Scaled(const std::vector<std::vector<int>>& px, int size) {
    const double step = static_cast<double>(kSize) / size;
    Image out(static_cast<std::size_t>(size), std::vector<Rgba>(static_cast<std::size_t>(size)));
    for (int ty = 0; ty < size; ++ty)
        for (int tx = 0; tx < size; ++tx) {
            const double x0 = tx * step, x1 = x0 + step, y0 = ty * step, y1 = y0 + step;
            Rgba sum;
            for (int sy = static_cast<int>(y0); sy < kSize && sy < y1; ++sy)
                for (int sx = static_cast<int>(x0); sx < kSize && sx < x1; ++sx) {
                    const double w = (std::min<double>(sx + 1, x1) - std::max<double>(sx, x0)) *
                                     (std::min<double>(sy + 1, y1) - std::max<double>(sy, y0));
                    const int p = px[static_cast<std::size_t>(sy)][static_cast<std::size_t>(sx)];
                    if (w <= 0 || p < 0)
                        continue;
                    const std::uint32_t rgb = kPalette[static_cast<std::size_t>(p)];
                    sum.r += w * ((rgb >> 16) & 0xFF);
                    sum.g += w * ((rgb >> 8) & 0xFF);
                    sum.b += w * (rgb & 0xFF);
                    sum.a += w;
                }
            Rgba& o = out[static_cast<std::size_t>(ty)][static_cast<std::size_t>(tx)];
            if (sum.a > 0)
                o = Rgba{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, 255.0 * sum.a / (step * step)};
        }
    return out;
}

char Byte(double v) {
    return static_cast<char>(static_cast<unsigned char>(std::clamp(std::lround(v), 0L, 255L)));
}

// One 32-bit image with alpha, and the AND mask (1: transparent) for whoever ignores the alpha.
std::string ImageBytes(const Image& image) {
    const int size = static_cast<int>(image.size());
    const int andRow = ((size + 31) / 32) * 4; // 1 bit a pixel, padded to 4 bytes
    std::string out;
    Put32(out, 40); // BITMAPINFOHEADER, height doubled for the two masks
    Put32(out, static_cast<std::uint32_t>(size));
    Put32(out, static_cast<std::uint32_t>(size * 2));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(size * size * 4 + andRow * size));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = size - 1; y >= 0; --y) // bottom-up BGRA, not premultiplied
        for (const Rgba& p : image[static_cast<std::size_t>(y)]) {
            out.push_back(Byte(p.b));
            out.push_back(Byte(p.g));
            out.push_back(Byte(p.r));
            out.push_back(Byte(p.a));
        }
    for (int y = size - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(andRow), '\0');
        for (int x = 0; x < size; ++x)
            if (Byte(image[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)].a) == 0)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        out += row;
    }
    return out;
}

std::string IcoBytes(const std::vector<std::vector<int>>& px) {
    std::vector<std::string> images;
    for (int size : kIconSizes)
        images.push_back(ImageBytes(Scaled(px, size)));
    std::string out;
    Put16(out, 0); // ICONDIR
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) { // ICONDIRENTRY
        out.push_back(static_cast<char>(kIconSizes[i]));
        out.push_back(static_cast<char>(kIconSizes[i]));
        out.push_back(0); // no palette
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(images[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const std::string& image : images)
        out += image;
    return out;
}

std::string PpmBytes(const std::vector<std::vector<int>>& px) {
    constexpr int kScale = 8;
    std::string out =
        "P6\n" + std::to_string(kSize * kScale) + " " + std::to_string(kSize * kScale) + "\n255\n";
    for (int y = 0; y < kSize * kScale; ++y)
        for (int x = 0; x < kSize * kScale; ++x) {
            const int p = px[y / kScale][x / kScale];
            const bool checker = ((x / 8) + (y / 8)) % 2 == 0;
            const std::uint32_t rgb = p < 0 ? (checker ? 0xE0E0E0 : 0xB0B0B0) : kPalette[p];
            out.push_back(static_cast<char>((rgb >> 16) & 0xFF));
            out.push_back(static_cast<char>((rgb >> 8) & 0xFF));
            out.push_back(static_cast<char>(rgb & 0xFF));
        }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    const bool ppm = argc > 1 && std::string(argv[1]) == "--ppm";
    if (argc != (ppm ? 4 : 3))
        return Fail("usage: icongen [--ppm] INPUT.txt OUTPUT");
    const std::string input = argv[ppm ? 2 : 1], output = argv[ppm ? 3 : 2];
    std::ifstream in(input);
    if (!in)
        return Fail("cannot read " + input);
    std::vector<std::vector<int>> px;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (static_cast<int>(line.size()) != kSize)
            return Fail(input + ":" + std::to_string(lineNo) + ": a row must have 32 characters");
        std::vector<int> row;
        for (char c : line) {
            const int p = PixelOf(c);
            if (p == -2)
                return Fail(input + ":" + std::to_string(lineNo) + ": unknown character '" + c + "'");
            row.push_back(p);
        }
        px.push_back(row);
    }
    if (static_cast<int>(px.size()) != kSize)
        return Fail(input + ": expected 32 rows, found " + std::to_string(px.size()));
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out << (ppm ? PpmBytes(px) : IcoBytes(px));
    return out ? 0 : Fail("cannot write " + output);
}
