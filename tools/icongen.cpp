// icongen: turns the program icon drawn as text into a 32 x 32, 16-colour .ico file.
//   icongen INPUT.txt OUTPUT.ico        the icon resource
//   icongen --ppm INPUT.txt OUTPUT.ppm  an 8x enlarged preview for people
// Input: lines starting with '#' are comments; then 32 rows of 32 characters, each a hexadecimal
// index into the 16 standard VGA colours (0 black .. F white) or '.' for transparent.
#include <array>
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

std::string IcoBytes(const std::vector<std::vector<int>>& px) {
    const int xorRow = kSize / 2;               // 4 bits a pixel: 16 bytes, already a multiple of 4
    const int andRow = ((kSize + 31) / 32) * 4; // 1 bit a pixel, padded to 4 bytes
    const std::uint32_t imageSize = 40 + 16 * 4 + xorRow * kSize + andRow * kSize;
    std::string out;
    Put16(out, 0); // ICONDIR
    Put16(out, 1);
    Put16(out, 1);
    out.push_back(static_cast<char>(kSize)); // ICONDIRENTRY
    out.push_back(static_cast<char>(kSize));
    out.push_back(16);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, imageSize);
    Put32(out, 6 + 16);
    Put32(out, 40); // BITMAPINFOHEADER, height doubled for the two masks
    Put32(out, kSize);
    Put32(out, kSize * 2);
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);
    Put32(out, xorRow * kSize + andRow * kSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 16);
    Put32(out, 0);
    for (std::uint32_t rgb : kPalette) { // RGBQUAD: blue, green, red, 0
        out.push_back(static_cast<char>(rgb & 0xFF));
        out.push_back(static_cast<char>((rgb >> 8) & 0xFF));
        out.push_back(static_cast<char>((rgb >> 16) & 0xFF));
        out.push_back(0);
    }
    for (int y = kSize - 1; y >= 0; --y) // bottom-up colour bits; transparent pixels are black
        for (int x = 0; x < kSize; x += 2) {
            const int a = px[y][x] < 0 ? 0 : px[y][x], b = px[y][x + 1] < 0 ? 0 : px[y][x + 1];
            out.push_back(static_cast<char>((a << 4) | b));
        }
    for (int y = kSize - 1; y >= 0; --y) { // bottom-up AND mask: 1 is transparent
        std::string row(static_cast<std::size_t>(andRow), '\0');
        for (int x = 0; x < kSize; ++x)
            if (px[y][x] < 0)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        out += row;
    }
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
