// The committed card faces and icons are what the generator draws, byte for byte,
// and each face shows a player its card: a large centred numeral and two mirrored
// corner glyphs in the three face colours.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tools/card_art/art_files.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(CardArtTool, RedrawsTheCommittedFilesExactly)
{
    const std::string scratch = VELTRO_SCRATCH_DIR;
    ASSERT_EQ(0, std::system(("mkdir -p '" + scratch + "' && '" VELTRO_CARD_ART_TOOL "' '" + scratch + "'").c_str()));
    for (const std::string& name : ArtFiles()) {
        const Bytes committed = ReadFile(VELTRO_RES_DIR "/" + name);
        EXPECT_TRUE(!committed.empty() && committed == ReadFile(scratch + "/" + name))
            << name << " differs from what the tool draws now";
    }
}

// Colour (0xRRGGBB) of pixel (x, y) of a face, 80 x 80 at 8 bits a pixel after the
// headers and the colour table, y counted from the top though rows are stored bottom-up.
std::uint32_t FacePixel(const Bytes& face, int x, int y)
{
    const std::size_t at = 54 + 4u * face.at(54 + 1024 + static_cast<std::size_t>((79 - y) * 80 + x));
    return static_cast<std::uint32_t>(face.at(at + 2) << 16 | face.at(at + 1) << 8 | face.at(at));
}

// Rows stored top-down would move the top-left corner glyph to the bottom left.
TEST(CardFaces, ShowALargeCentredNumeralAndTwoCornerGlyphsTurnedToEachOther)
{
    const std::uint32_t background = 0xADA990, numeralInk = 0x66FF00, cornerInk = 0x330000;
    std::set<Bytes> faces;
    for (int value = 1; value <= 13; ++value) {
        SCOPED_TRACE(CardFaceFile(value));
        const Bytes face = ReadFile(VELTRO_RES_DIR "/" + CardFaceFile(value));
        std::set<std::uint32_t> colours;
        int left = 80, top = 80, right = -1, bottom = -1, strayCornerInk = 0;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x) {
                const std::uint32_t c = *colours.insert(FacePixel(face, x, y)).first;
                if (c == numeralInk)
                    left = std::min(left, x), top = std::min(top, y), right = std::max(right, x),
                    bottom = std::max(bottom, y);
                const bool inCorner = (x < 20 && y < 20) || (x >= 60 && y >= 60);
                strayCornerInk += c == cornerInk && !(inCorner && FacePixel(face, 79 - x, 79 - y) == cornerInk);
            }
        EXPECT_EQ((std::set<std::uint32_t>{background, numeralInk, cornerInk}), colours);
        EXPECT_EQ(0, strayCornerInk) << "corner ink pixels outside two corner glyphs turned to each other";
        EXPECT_NEAR(79, left + right, 2) << "the numeral should be centred across";
        EXPECT_NEAR(79, top + bottom, 2) << "the numeral should be centred down";
        EXPECT_LE(30, bottom - top) << "the numeral should be large";
        EXPECT_TRUE(faces.insert(face).second) << "repeats an earlier face";
    }
}

}  // namespace
