// Checks the committed card faces and icons byte by byte: the resource compiler
// copies them into the program as they are, and the painter relies on their format.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& name, const std::string& dir = VELTRO_RES_DIR)
{
    std::ifstream file(dir + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t U16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t U32(const Bytes& b, std::size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

std::string FaceName(int value)
{
    return std::string("card") + (value < 10 ? "0" : "") + std::to_string(value) + ".bmp";
}

constexpr std::size_t TableStart = 14 + 40;
constexpr std::size_t PixelStart = TableStart + 1024;

std::uint32_t Rgb(int red, int green, int blue) { return static_cast<std::uint32_t>(red << 16 | green << 8 | blue); }

// Colour of pixel (x, y), y counted from the top although rows are stored bottom-up.
std::uint32_t FacePixel(const Bytes& face, int x, int y)
{
    const std::size_t at = TableStart + 4u * face.at(PixelStart + static_cast<std::size_t>((79 - y) * 80 + x));
    return Rgb(face[at + 2], face[at + 1], face[at]);
}

const std::uint32_t Background = Rgb(173, 169, 144);
const std::uint32_t Numeral = Rgb(102, 255, 0);
const std::uint32_t Corner = Rgb(51, 0, 0);

// The colour table is the ace's in every face.
TEST(CardFaces, HaveTheBitmapResourceFormatAndOneColourTable)
{
    // File size, pixel offset; then the header: size, width, height (positive:
    // bottom-up), planes, bits, BI_RGB, image size, resolutions, colours used and important.
    const std::vector<std::uint32_t> expected = {14 + 7464, PixelStart, 40, 80, 80, 1, 8, 0, 6400, 0, 0, 256, 256};
    const Bytes ace = ReadFile(FaceName(1));
    for (int value = 1; value <= 13; ++value) {
        const Bytes face = ReadFile(FaceName(value));
        ASSERT_EQ(14u + 7464, face.size()) << FaceName(value);
        const std::vector<std::uint32_t> fields = {
            U32(face, 2),  U32(face, 10), U32(face, 14), U32(face, 18), U32(face, 22), U16(face, 26), U16(face, 28),
            U32(face, 30), U32(face, 34), U32(face, 38), U32(face, 42), U32(face, 46), U32(face, 50)};
        EXPECT_EQ("BM", std::string(face.begin(), face.begin() + 2)) << FaceName(value);
        EXPECT_EQ(expected, fields) << FaceName(value);
        EXPECT_TRUE(std::equal(ace.begin() + TableStart, ace.begin() + PixelStart, face.begin() + TableStart))
            << FaceName(value);
    }
}

// Rows stored top-down would swap the corner glyphs, so the mirror test catches them.
TEST(CardFaces, ShowALargeCentredNumeralAndTwoCornerGlyphsInTheThreeColours)
{
    for (int value = 1; value <= 13; ++value) {
        SCOPED_TRACE(FaceName(value));
        const Bytes face = ReadFile(FaceName(value));
        ASSERT_EQ(14u + 7464, face.size());
        std::set<std::uint32_t> colours;
        std::map<std::string, std::vector<int>> box;  // left, top, right, bottom of each kind of ink
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x) {
                const std::uint32_t c = FacePixel(face, x, y);
                colours.insert(c);
                const std::string ink = c == Numeral ? "numeral"
                                        : c != Corner ? ""
                                        : x < 20 && y < 20 ? "top left"
                                        : x >= 60 && y >= 60 ? "bottom right" : "stray corner ink";
                std::vector<int>& b = box.emplace(ink, std::vector<int>{x, y, x, y}).first->second;
                b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y)};
            }
        EXPECT_EQ((std::set<std::uint32_t>{Background, Numeral, Corner}), colours);
        EXPECT_EQ(0u, box.count("stray corner ink"));
        ASSERT_EQ(1u, box.count("numeral"));
        ASSERT_EQ(1u, box.count("top left"));
        ASSERT_EQ(1u, box.count("bottom right"));
        EXPECT_NEAR(79, box["numeral"][0] + box["numeral"][2], 2) << "centred across";
        EXPECT_NEAR(79, box["numeral"][1] + box["numeral"][3], 2) << "centred down";
        EXPECT_LE(30, box["numeral"][3] - box["numeral"][1]) << "the numeral should be large";
        EXPECT_EQ(79, box["top left"][0] + box["bottom right"][2]) << "the corner glyphs should mirror each other";
        EXPECT_EQ(79, box["top left"][1] + box["bottom right"][3]) << "the corner glyphs should mirror each other";
    }
}

TEST(CardFaces, DifferFromEachOther)
{
    std::map<Bytes, int> seen;
    for (int value = 1; value <= 13; ++value) {
        const auto [previous, fresh] = seen.emplace(ReadFile(FaceName(value)), value);
        EXPECT_TRUE(fresh) << FaceName(value) << " repeats the face of " << previous->second;
    }
}

// Per image: width, height, colours, bits per pixel, bytes; then the image's own
// header: size, width, height (with the mask rows), bits per pixel.
TEST(Icons, HoldTheirSizesIn16Colours)
{
    const std::map<std::string, std::vector<std::vector<std::uint32_t>>> expected = {
        {"veltro.ico", {{32, 32, 16, 4, 744, 40, 32, 64, 4}, {16, 16, 16, 4, 296, 40, 16, 32, 4}}},
        {"about.ico", {{32, 32, 16, 4, 744, 40, 32, 64, 4}}},
    };
    for (const auto& [name, images] : expected) {
        const Bytes file = ReadFile(name);
        ASSERT_LE(6u, file.size()) << name;
        EXPECT_EQ(0x10000u, U32(file, 0)) << name << " is no icon file";
        std::vector<std::vector<std::uint32_t>> found;
        std::size_t fileSize = 6;
        for (std::size_t i = 0; i < U16(file, 4); ++i) {
            const std::size_t at = 6 + 16 * i, header = U32(file, at + 12);
            found.push_back({file.at(at), file.at(at + 1), file.at(at + 2), U16(file, at + 6), U32(file, at + 8),
                             U32(file, header), U32(file, header + 4), U32(file, header + 8), U16(file, header + 14)});
            fileSize += 16 + U32(file, at + 8);
        }
        EXPECT_EQ(images, found) << name;
        EXPECT_EQ(fileSize, file.size()) << name;
    }
}

// Red the background, green the "24": counted over the colour indexes of each image.
TEST(Icons, ShowGreenOnRed)
{
    const Bytes file = ReadFile("veltro.ico");
    ASSERT_EQ(2u, U16(file, 4));
    for (std::size_t entry = 0; entry < 2; ++entry) {
        const std::size_t image = U32(file, 6 + 16 * entry + 12), width = U32(file, image + 4);
        const std::size_t stride = (width / 2 + 3) / 4 * 4;
        std::map<std::uint32_t, std::size_t> counts;
        for (std::size_t y = 0; y < width; ++y)
            for (std::size_t x = 0; x < width; ++x) {
                const std::uint8_t pair = file.at(image + 40 + 64 + y * stride + x / 2);
                const std::size_t at = image + 40 + 4u * (x % 2 == 0 ? pair >> 4 : pair & 0xF);
                ++counts[Rgb(file[at + 2], file[at + 1], file[at])];
            }
        EXPECT_LT(width * width / 2, counts[Rgb(255, 0, 0)]) << "image " << entry << ": red should be the background";
        EXPECT_LT(width * width / 10, counts[Rgb(0, 255, 0)]) << "image " << entry << ": the green \"24\" is missing";
    }
}

TEST(CardArtTool, RedrawsTheCommittedFilesExactly)
{
    const std::string scratch = VELTRO_SCRATCH_DIR;
    ASSERT_EQ(0, std::system(("mkdir -p '" + scratch + "'").c_str()));
    ASSERT_EQ(0, std::system(("'" VELTRO_CARD_ART_TOOL "' '" + scratch + "'").c_str()));
    std::vector<std::string> names = {"veltro.ico", "about.ico"};
    for (int value = 1; value <= 13; ++value)
        names.push_back(FaceName(value));
    for (const std::string& name : names) {
        const Bytes committed = ReadFile(name);
        EXPECT_FALSE(committed.empty()) << name;
        EXPECT_TRUE(committed == ReadFile(name, scratch)) << name << " differs from what the tool draws now";
    }
}

}  // namespace
