// Writes the thirteen card faces (card01.bmp .. card13.bmp) and the two icon files
// (veltro.ico: 32x32 and 16x16, about.ico: 32x32) that the resource script embeds.
// Glyphs come from a real font, rasterised by FreeType in monochrome so that the
// pictures hold nothing but their few palette colours.
//
// usage: make_card_art OUTPUT_DIR [NUMERAL_FONT [CORNER_FONT]]

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t red, green, blue;
};

constexpr Rgb FaceBackground{173, 169, 144};
constexpr Rgb FaceNumeral{102, 255, 0};
constexpr Rgb FaceCorner{51, 0, 0};

constexpr int FaceSize = 80;
constexpr int FaceBackgroundIndex = 0;
constexpr int FaceNumeralIndex = 1;
constexpr int FaceCornerIndex = 2;

// The classic 16-colour palette; icons name their colours by index into it.
constexpr Rgb IconPalette[16] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};
constexpr int IconRed = 9;
constexpr int IconGreen = 10;
constexpr int IconDark = 0;

const char* const DefaultNumeralFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const char* const DefaultCornerFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr char32_t CornerGlyph = U'\u2660';  // black spade suit

// A picture of palette indexes, row 0 at the top.
struct Picture {
    int width;
    int height;
    std::vector<std::uint8_t> pixels;

    Picture(int w, int h, int fill) : width(w), height(h), pixels(static_cast<size_t>(w * h), static_cast<std::uint8_t>(fill)) {}
    void Set(int x, int y, int index)
    {
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels[static_cast<size_t>(y * width + x)] = static_cast<std::uint8_t>(index);
    }
    int At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// Ink of a run of glyphs: true where a glyph covers the pixel, cropped to its bounds.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<bool> ink;
    bool At(int x, int y) const { return ink[static_cast<size_t>(y * width + x)]; }
};

class Fonts {
public:
    Fonts() { FT_Init_FreeType(&library_); }
    ~Fonts()
    {
        for (FT_Face face : faces_)
            FT_Done_Face(face);
        FT_Done_FreeType(library_);
    }
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    FT_Face Open(const char* path)
    {
        FT_Face face = nullptr;
        if (FT_New_Face(library_, path, 0, &face) != 0)
            return nullptr;
        faces_.push_back(face);
        return face;
    }

private:
    FT_Library library_ = nullptr;
    std::vector<FT_Face> faces_;
};

// Renders text at the given pixel height with a monochrome, hinted rasteriser.
Mask RenderText(FT_Face face, const std::u32string& text, int pixelHeight)
{
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelHeight));
    const int canvasWidth = pixelHeight * static_cast<int>(text.size()) * 2 + 8;
    const int canvasHeight = pixelHeight * 2 + 8;
    const int baseline = pixelHeight + pixelHeight / 2;
    std::vector<bool> canvas(static_cast<size_t>(canvasWidth * canvasHeight), false);

    int penX = 4;
    for (char32_t c : text) {
        if (FT_Load_Char(face, c, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const std::uint8_t byte = bitmap.buffer[static_cast<int>(row) * bitmap.pitch + static_cast<int>(column / 8)];
                if (((byte >> (7 - column % 8)) & 1) == 0)
                    continue;
                const int x = penX + slot->bitmap_left + static_cast<int>(column);
                const int y = baseline - slot->bitmap_top + static_cast<int>(row);
                if (x >= 0 && y >= 0 && x < canvasWidth && y < canvasHeight)
                    canvas[static_cast<size_t>(y * canvasWidth + x)] = true;
            }
        }
        penX += static_cast<int>(slot->advance.x >> 6);
    }

    int left = canvasWidth, top = canvasHeight, right = -1, bottom = -1;
    for (int y = 0; y < canvasHeight; ++y)
        for (int x = 0; x < canvasWidth; ++x)
            if (canvas[static_cast<size_t>(y * canvasWidth + x)]) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    Mask mask;
    if (right < 0)
        return mask;
    mask.width = right - left + 1;
    mask.height = bottom - top + 1;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            mask.ink.push_back(canvas[static_cast<size_t>(y * canvasWidth + x)]);
    return mask;
}

// The largest rendering of text whose ink fits within maxWidth x maxHeight.
Mask RenderToFit(FT_Face face, const std::u32string& text, int maxWidth, int maxHeight)
{
    for (int size = maxHeight * 2; size > 4; --size) {
        Mask mask = RenderText(face, text, size);
        if (mask.width <= maxWidth && mask.height <= maxHeight)
            return mask;
    }
    return RenderText(face, text, 4);
}

void Stamp(Picture& picture, const Mask& mask, int left, int top, int index, bool upsideDown)
{
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            const bool ink = upsideDown ? mask.At(mask.width - 1 - x, mask.height - 1 - y) : mask.At(x, y);
            if (ink)
                picture.Set(left + x, top + y, index);
        }
}

void StampCentred(Picture& picture, const Mask& mask, int index)
{
    Stamp(picture, mask, (picture.width - mask.width) / 2, (picture.height - mask.height) / 2, index, false);
}

void StampCorners(Picture& picture, const Mask& corner, int margin, int index)
{
    Stamp(picture, corner, margin, margin, index, false);
    Stamp(picture, corner, picture.width - margin - corner.width, picture.height - margin - corner.height, index, true);
}

class LittleEndianWriter {
public:
    void U8(int v) { bytes.push_back(static_cast<std::uint8_t>(v)); }
    void U16(int v) { U8(v & 0xFF); U8((v >> 8) & 0xFF); }
    void U32(std::int64_t v)
    {
        for (int shift = 0; shift < 32; shift += 8)
            U8(static_cast<int>((v >> shift) & 0xFF));
    }
    void Colour(Rgb c) { U8(c.blue); U8(c.green); U8(c.red); U8(0); }
    void InfoHeader(int width, int height, int bitCount, int imageSize, int coloursUsed)
    {
        U32(40);
        U32(width);
        U32(height);
        U16(1);
        U16(bitCount);
        U32(0);  // BI_RGB
        U32(imageSize);
        U32(0);
        U32(0);
        U32(coloursUsed);
        U32(coloursUsed);
    }
    std::vector<std::uint8_t> bytes;
};

// 8 bits per pixel, 256-entry table, bottom-up; 80 is a multiple of 4, so no row padding.
std::vector<std::uint8_t> FaceBitmapFile(const Picture& face)
{
    const int imageSize = FaceSize * FaceSize;
    const int headerAndTable = 40 + 256 * 4;
    LittleEndianWriter out;
    out.U8('B');
    out.U8('M');
    out.U32(14 + headerAndTable + imageSize);
    out.U32(0);
    out.U32(14 + headerAndTable);
    out.InfoHeader(FaceSize, FaceSize, 8, imageSize, 256);
    const Rgb used[3] = {FaceBackground, FaceNumeral, FaceCorner};
    for (int i = 0; i < 256; ++i)
        out.Colour(i < 3 ? used[i] : Rgb{0, 0, 0});
    for (int y = FaceSize - 1; y >= 0; --y)
        for (int x = 0; x < FaceSize; ++x)
            out.U8(face.At(x, y));
    return out.bytes;
}

Picture CardFace(FT_Face numeralFont, FT_Face cornerFont, int value)
{
    Picture face(FaceSize, FaceSize, FaceBackgroundIndex);
    std::u32string numeral;
    for (char c : std::to_string(value))
        numeral.push_back(static_cast<char32_t>(c));
    StampCentred(face, RenderToFit(numeralFont, numeral, 62, 46), FaceNumeralIndex);
    StampCorners(face, RenderToFit(cornerFont, std::u32string(1, CornerGlyph), 11, 12), 4, FaceCornerIndex);
    return face;
}

Picture IconPicture(FT_Face numeralFont, FT_Face cornerFont, int size)
{
    Picture icon(size, size, IconRed);
    const bool large = size >= 32;
    StampCentred(icon, RenderToFit(numeralFont, U"24", large ? 28 : 15, large ? 18 : 10), IconGreen);
    if (large)
        StampCorners(icon, RenderToFit(cornerFont, std::u32string(1, CornerGlyph), 6, 7), 1, IconDark);
    else
        for (int d = 0; d < 2; ++d) {
            icon.Set(d, 0, IconDark);
            icon.Set(0, d, IconDark);
            icon.Set(size - 1 - d, size - 1, IconDark);
            icon.Set(size - 1, size - 1 - d, IconDark);
        }
    return icon;
}

// Icon image: header with doubled height, 16 colours, 4-bit XOR rows, then the all-clear AND mask.
std::vector<std::uint8_t> IconImage(const Picture& icon)
{
    const int xorStride = (icon.width / 2 + 3) / 4 * 4;
    const int andStride = (icon.width / 8 + 3) / 4 * 4;
    LittleEndianWriter out;
    out.InfoHeader(icon.width, icon.height * 2, 4, (xorStride + andStride) * icon.height, 0);
    for (const Rgb& c : IconPalette)
        out.Colour(c);
    for (int y = icon.height - 1; y >= 0; --y) {
        for (int x = 0; x < icon.width; x += 2)
            out.U8(icon.At(x, y) << 4 | icon.At(x + 1, y));
        for (int pad = icon.width / 2; pad < xorStride; ++pad)
            out.U8(0);
    }
    for (int i = 0; i < andStride * icon.height; ++i)
        out.U8(0);
    return out.bytes;
}

std::vector<std::uint8_t> IconFile(const std::vector<Picture>& pictures)
{
    std::vector<std::vector<std::uint8_t>> images;
    for (const Picture& p : pictures)
        images.push_back(IconImage(p));
    LittleEndianWriter out;
    out.U16(0);
    out.U16(1);
    out.U16(static_cast<int>(images.size()));
    std::int64_t offset = 6 + 16 * static_cast<std::int64_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.U8(pictures[i].width);
        out.U8(pictures[i].height);
        out.U8(16);
        out.U8(0);
        out.U16(1);
        out.U16(4);
        out.U32(static_cast<std::int64_t>(images[i].size()));
        out.U32(offset);
        offset += static_cast<std::int64_t>(images[i].size());
    }
    for (const auto& image : images)
        out.bytes.insert(out.bytes.end(), image.begin(), image.end());
    return out.bytes;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [NUMERAL_FONT [CORNER_FONT]]\n", argv[0]);
        return 2;
    }
    const std::string outputDir = argv[1];
    Fonts fonts;
    FT_Face numeralFont = fonts.Open(argc > 2 ? argv[2] : DefaultNumeralFont);
    FT_Face cornerFont = fonts.Open(argc > 3 ? argv[3] : DefaultCornerFont);
    if (numeralFont == nullptr || cornerFont == nullptr) {
        std::fprintf(stderr, "%s: cannot open the fonts\n", argv[0]);
        return 1;
    }

    bool written = true;
    for (int value = 1; value <= 13; ++value) {
        char name[16];
        std::snprintf(name, sizeof name, "card%02d.bmp", value);
        written = WriteFile(outputDir + "/" + name, FaceBitmapFile(CardFace(numeralFont, cornerFont, value))) && written;
    }
    const Picture large = IconPicture(numeralFont, cornerFont, 32);
    const Picture small = IconPicture(numeralFont, cornerFont, 16);
    written = WriteFile(outputDir + "/veltro.ico", IconFile({large, small})) && written;
    written = WriteFile(outputDir + "/about.ico", IconFile({large})) && written;
    if (!written) {
        std::fprintf(stderr, "%s: cannot write into %s\n", argv[0], outputDir.c_str());
        return 1;
    }
    return 0;
}
