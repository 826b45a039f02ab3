// Checks the committed card faces and icons byte by byte: the resource compiler
// copies them into the program as they are, and the painter relies on their format.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t U16(const Bytes& b, size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t U32(const Bytes& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }
std::int32_t S32(const Bytes& b, size_t at) { return static_cast<std::int32_t>(U32(b, at)); }

std::string FaceName(int value)
{
    char name[16];
    std::snprintf(name, sizeof name, "card%02d.bmp", value);
    return name;
}

Bytes ReadFace(int value) { return ReadFile(std::string(VELTRO_RES_DIR) + "/" + FaceName(value)); }

constexpr size_t FileHeader = 14;
constexpr size_t TableStart = FileHeader + 40;
constexpr size_t PixelStart = TableStart + 1024;

std::uint32_t Rgb(int red, int green, int blue) { return static_cast<std::uint32_t>(red << 16 | green << 8 | blue); }

std::uint32_t TableColour(const Bytes& face, int index)
{
    const size_t at = TableStart + 4 * static_cast<size_t>(index);
    return Rgb(face[at + 2], face[at + 1], face[at]);
}

// Colour of pixel (x, y), y counted from the top although rows are stored bottom-up.
std::uint32_t FacePixel(const Bytes& face, int x, int y)
{
    return TableColour(face, face[PixelStart + static_cast<size_t>((79 - y) * 80 + x)]);
}

struct Box {
    int left = 80, top = 80, right = -1, bottom = -1;
    void Add(int x, int y)
    {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
};

const std::uint32_t Background = Rgb(173, 169, 144);
const std::uint32_t Numeral = Rgb(102, 255, 0);
const std::uint32_t Corner = Rgb(51, 0, 0);

TEST(CardFaces, HaveTheBitmapResourceFormat)
{
    for (int value = 1; value <= 13; ++value) {
        SCOPED_TRACE(FaceName(value));
        const Bytes face = ReadFace(value);
        ASSERT_EQ(FileHeader + 7464, face.size());
        EXPECT_EQ('B', face[0]);
        EXPECT_EQ('M', face[1]);
        EXPECT_EQ(face.size(), U32(face, 2));
        EXPECT_EQ(PixelStart, U32(face, 10));
        const size_t h = FileHeader;
        EXPECT_EQ(40u, U32(face, h));
        EXPECT_EQ(80, S32(face, h + 4));
        EXPECT_EQ(80, S32(face, h + 8)) << "a positive height stores the rows bottom-up";
        EXPECT_EQ(1u, U16(face, h + 12));
        EXPECT_EQ(8u, U16(face, h + 14));
        EXPECT_EQ(0u, U32(face, h + 16)) << "BI_RGB";
        EXPECT_EQ(6400u, U32(face, h + 20));
        EXPECT_EQ(0u, U32(face, h + 24));
        EXPECT_EQ(0u, U32(face, h + 28));
        EXPECT_EQ(256u, U32(face, h + 32));
        EXPECT_EQ(256u, U32(face, h + 36));
    }
}

TEST(CardFaces, ShareOneColourTable)
{
    const Bytes ace = ReadFace(1);
    ASSERT_EQ(FileHeader + 7464, ace.size());
    const Bytes aceTable(ace.begin() + TableStart, ace.begin() + PixelStart);
    for (int value = 2; value <= 13; ++value) {
        const Bytes face = ReadFace(value);
        ASSERT_EQ(FileHeader + 7464, face.size()) << FaceName(value);
        EXPECT_EQ(aceTable, Bytes(face.begin() + TableStart, face.begin() + PixelStart)) << FaceName(value);
    }
}

TEST(CardFaces, ShowExactlyTheThreeCardColours)
{
    const std::set<std::uint32_t> expected = {Background, Numeral, Corner};
    for (int value = 1; value <= 13; ++value) {
        const Bytes face = ReadFace(value);
        ASSERT_EQ(FileHeader + 7464, face.size()) << FaceName(value);
        std::set<std::uint32_t> used;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x)
                used.insert(FacePixel(face, x, y));
        EXPECT_EQ(expected, used) << FaceName(value);
    }
}

// Also catches rows stored top-down: the corner glyphs would swap places.
TEST(CardFaces, CentreTheNumeralAndKeepTheGlyphsInTheirCorners)
{
    for (int value = 1; value <= 13; ++value) {
        SCOPED_TRACE(FaceName(value));
        const Bytes face = ReadFace(value);
        ASSERT_EQ(FileHeader + 7464, face.size());
        Box numeral, topLeft, bottomRight;
        int strayCornerInk = 0;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x) {
                const std::uint32_t c = FacePixel(face, x, y);
                if (c == Numeral)
                    numeral.Add(x, y);
                else if (c == Corner && x < 20 && y < 20)
                    topLeft.Add(x, y);
                else if (c == Corner && x >= 60 && y >= 60)
                    bottomRight.Add(x, y);
                else if (c == Corner)
                    ++strayCornerInk;
            }
        EXPECT_EQ(0, strayCornerInk);
        EXPECT_NEAR(79, numeral.left + numeral.right, 2);
        EXPECT_NEAR(79, numeral.top + numeral.bottom, 2);
        EXPECT_LE(30, numeral.bottom - numeral.top) << "the numeral should be large";
        EXPECT_LE(0, topLeft.right) << "no glyph top-left";
        EXPECT_LE(0, bottomRight.right) << "no glyph bottom-right";
        EXPECT_EQ(79, topLeft.left + bottomRight.right) << "the corner glyphs should mirror each other";
        EXPECT_EQ(79, topLeft.top + bottomRight.bottom) << "the corner glyphs should mirror each other";
    }
}

TEST(CardFaces, DifferFromEachOther)
{
    std::map<Bytes, int> seen;
    for (int value = 1; value <= 13; ++value) {
        const Bytes face = ReadFace(value);
        const auto [previous, fresh] = seen.emplace(face, value);
        EXPECT_TRUE(fresh) << FaceName(value) << " repeats the face of " << previous->second;
    }
}

struct IconImage {
    int width, height, colours, bitCount;
    std::uint32_t size;
};

std::vector<IconImage> ReadIconDirectory(const Bytes& file)
{
    std::vector<IconImage> images;
    if (file.size() < 6 || U16(file, 0) != 0 || U16(file, 2) != 1)
        return images;
    for (size_t i = 0; i < U16(file, 4); ++i) {
        const size_t at = 6 + 16 * i;
        images.push_back({file[at], file[at + 1], file[at + 2], static_cast<int>(U16(file, at + 6)), U32(file, at + 8)});
    }
    return images;
}

// Colours by frequency in the image at the given directory entry.
std::map<std::uint32_t, int> IconColourCounts(const Bytes& file, size_t entry)
{
    const size_t image = U32(file, 6 + 16 * entry + 12);
    const int width = S32(file, image + 4);
    const size_t pixels = image + 40 + 64;
    const size_t stride = static_cast<size_t>((width / 2 + 3) / 4 * 4);
    std::map<std::uint32_t, int> counts;
    for (size_t y = 0; y < static_cast<size_t>(width); ++y)
        for (size_t x = 0; x < static_cast<size_t>(width); ++x) {
            const std::uint8_t pair = file[pixels + y * stride + x / 2];
            const size_t index = x % 2 == 0 ? pair >> 4 : pair & 0xF;
            const size_t at = image + 40 + 4 * index;
            ++counts[Rgb(file[at + 2], file[at + 1], file[at])];
        }
    return counts;
}

TEST(Icons, HoldTheirSizesIn16Colours)
{
    struct Case {
        const char* file;
        std::vector<int> widths;
        std::vector<std::uint32_t> sizes;
    };
    const Case cases[] = {
        {"veltro.ico", {32, 16}, {744, 296}},
        {"about.ico", {32}, {744}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Bytes file = ReadFile(std::string(VELTRO_RES_DIR) + "/" + c.file);
        const std::vector<IconImage> images = ReadIconDirectory(file);
        ASSERT_EQ(c.widths.size(), images.size());
        size_t expectedFileSize = 6 + 16 * images.size();
        for (size_t i = 0; i < images.size(); ++i) {
            EXPECT_EQ(c.widths[i], images[i].width);
            EXPECT_EQ(c.widths[i], images[i].height);
            EXPECT_EQ(16, images[i].colours);
            EXPECT_EQ(4, images[i].bitCount);
            EXPECT_EQ(c.sizes[i], images[i].size);
            expectedFileSize += images[i].size;
            const size_t header = U32(file, 6 + 16 * i + 12);
            ASSERT_LE(header + 40, file.size());
            EXPECT_EQ(40u, U32(file, header));
            EXPECT_EQ(2 * c.widths[i], S32(file, header + 8)) << "an icon header counts the mask rows too";
            EXPECT_EQ(4u, U16(file, header + 14));
        }
        EXPECT_EQ(expectedFileSize, file.size());
    }
}

TEST(Icons, ShowGreenOnRed)
{
    const Bytes file = ReadFile(std::string(VELTRO_RES_DIR) + "/veltro.ico");
    ASSERT_EQ(2u, ReadIconDirectory(file).size());
    for (size_t entry = 0; entry < 2; ++entry) {
        const std::map<std::uint32_t, int> counts = IconColourCounts(file, entry);
        int red = counts.count(Rgb(255, 0, 0)) ? counts.at(Rgb(255, 0, 0)) : 0;
        int green = counts.count(Rgb(0, 255, 0)) ? counts.at(Rgb(0, 255, 0)) : 0;
        int total = 0;
        for (const auto& [colour, count] : counts)
            total += count;
        EXPECT_LT(total / 2, red) << "image " << entry << ": red should be the background";
        EXPECT_LT(total / 10, green) << "image " << entry << ": the green \"24\" is missing";
    }
}

TEST(CardArtTool, RedrawsTheCommittedFilesExactly)
{
    const std::string scratch = VELTRO_SCRATCH_DIR;
    ASSERT_EQ(0, std::system(("mkdir -p '" + scratch + "'").c_str()));
    ASSERT_EQ(0, std::system(("'" + std::string(VELTRO_CARD_ART_TOOL) + "' '" + scratch + "'").c_str()));
    std::vector<std::string> names = {"veltro.ico", "about.ico"};
    for (int value = 1; value <= 13; ++value)
        names.push_back(FaceName(value));
    for (const std::string& name : names) {
        const Bytes committed = ReadFile(std::string(VELTRO_RES_DIR) + "/" + name);
        EXPECT_FALSE(committed.empty()) << name;
        EXPECT_TRUE(committed == ReadFile(scratch + "/" + name)) << name << " differs from what the tool draws now";
    }
}

}  // namespace
