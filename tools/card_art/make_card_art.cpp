// Writes the thirteen card faces and the two icon files (the window's: 32x32 and
// 16x16, the About box's: 32x32) that the resource script embeds, named as it names them.
// The digits and the spade are this program's own outlines, sampled at pixel centres
// with integer arithmetic only, so every machine and compiler draws the same bytes.
//
// usage: make_card_art OUTPUT_DIR

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/card_art/art_files.h"

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

// Outlines are drawn in a box GlyphHeight units high, y growing downwards like the rows.
constexpr int GlyphHeight = 100;
constexpr int LetterSpacing = 12;

struct Point {
    int x, y;
};

// A convex quadrilateral, corners in either order around it; a triangle repeats one.
struct Quad {
    Point corner[4];
};

// The part of an elliptical ring swept clockwise on screen from direction `from` to
// `to`; a zero `from` keeps all of it, a stroke as thick as the radius fills it.
struct Ring {
    Point centre, radius, stroke, from, to;
};

struct Glyph {
    int width;
    std::vector<Quad> quads;
    std::vector<Ring> rings;
    bool turned = false;  // drawn upside down: a 9 is a turned 6
};

constexpr Quad Box(int left, int top, int right, int bottom)
{
    return {{{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
}

// Bold strokes: upright ones 18 units wide, level ones 16 high, a bowl's a little less.
constexpr Point Stroke{18, 16};
constexpr Point Whole{0, 0};

const Glyph Six{60, {}, {{{30, 66}, {30, 34}, Stroke, Whole, Whole}, {{32, 50}, {32, 50}, Stroke, {-1, 0}, {3, -4}}}};

const Glyph Digits[10] = {
    {60, {}, {{{30, 50}, {30, 50}, Stroke, Whole, Whole}}},
    {60, {Box(22, 0, 40, 100), Box(8, 84, 54, 100), {{{4, 16}, {24, 0}, {24, 22}, {4, 36}}}}, {}},
    {60,
     {Box(0, 84, 60, 100), {{{39, 38}, {55, 48}, {20, 86}, {0, 86}}}},
     {{{30, 30}, {30, 30}, Stroke, {-5, -1}, {1, 1}}}},
    {60,
     {Box(20, 41, 32, 57)},
     {{{30, 27}, {28, 27}, {17, 15}, {-3, -1}, {0, 1}}, {{30, 71}, {30, 29}, Stroke, {0, -1}, {-2, 1}}}},
    {60, {Box(36, 0, 54, 100), Box(0, 64, 60, 80), {{{30, 0}, {48, 0}, {18, 64}, {0, 64}}}}, {}},
    {60, {Box(8, 0, 56, 16), Box(8, 0, 26, 52)}, {{{30, 66}, {30, 34}, Stroke, {-1, -2}, {-2, 1}}}},
    Six,
    {60, {Box(0, 0, 60, 16), {{{42, 16}, {60, 16}, {30, 100}, {12, 100}}}}, {}},
    {60, {}, {{{30, 26}, {26, 26}, {17, 15}, Whole, Whole}, {{30, 72}, {30, 28}, Stroke, Whole, Whole}}},
    {Six.width, Six.quads, Six.rings, true},
};

// A pointed top over two round lobes, on a thin stem with a foot; its slopes are set so
// that both the 11x12 face corner and the 6x7 icon corner show the point, stem and foot.
const Glyph Spade{90,
                  {{{{45, 0}, {88, 40}, {45, 62}, {2, 40}}},
                   Box(37, 50, 53, 100),
                   {{{22, 90}, {68, 90}, {70, 100}, {20, 100}}}},
                  {{{24, 54}, {23, 23}, {23, 23}, Whole, Whole}, {{66, 54}, {23, 23}, {23, 23}, Whole, Whole}}};

// Coordinates below are glyph units times the scale, s.x across and s.y down, so that
// every pixel centre falls on an integer and each test is exact.
using Wide = std::int64_t;

struct Scale {
    Wide x, y;
};

Wide Cross(Wide ax, Wide ay, Wide bx, Wide by)
{
    return ax * by - ay * bx;
}

bool InQuad(const Quad& quad, Wide x, Wide y, Scale s)
{
    bool left = false, right = false;
    for (int i = 0; i < 4; ++i) {
        const Point a = quad.corner[i], b = quad.corner[(i + 1) % 4];
        const Wide side = Cross((b.x - a.x) * s.x, (b.y - a.y) * s.y, x - a.x * s.x, y - a.y * s.y);
        left = left || side < 0;
        right = right || side > 0;
    }
    return !(left && right);
}

bool InEllipse(Wide dx, Wide dy, Wide rx, Wide ry)
{
    return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
}

bool InRing(const Ring& ring, Wide x, Wide y, Scale s)
{
    const Wide dx = x - ring.centre.x * s.x, dy = y - ring.centre.y * s.y;
    if (!InEllipse(dx, dy, ring.radius.x * s.x, ring.radius.y * s.y))
        return false;
    const Wide holeX = (ring.radius.x - ring.stroke.x) * s.x, holeY = (ring.radius.y - ring.stroke.y) * s.y;
    if (holeX > 0 && holeY > 0 && InEllipse(dx, dy, holeX, holeY))
        return false;
    if (ring.from.x == 0 && ring.from.y == 0)
        return true;
    const bool pastFrom = Cross(ring.from.x * s.x, ring.from.y * s.y, dx, dy) >= 0;
    const bool beforeTo = Cross(dx, dy, ring.to.x * s.x, ring.to.y * s.y) >= 0;
    // A sweep beyond a half turn is the rest of the ellipse outside the opposite sweep.
    return Cross(ring.from.x, ring.from.y, ring.to.x, ring.to.y) >= 0 ? pastFrom && beforeTo : pastFrom || beforeTo;
}

bool InGlyph(const Glyph& glyph, Wide x, Wide y, Scale s)
{
    if (glyph.turned) {
        x = glyph.width * s.x - x;
        y = GlyphHeight * s.y - y;
    }
    return std::any_of(glyph.quads.begin(), glyph.quads.end(), [&](const Quad& q) { return InQuad(q, x, y, s); }) ||
           std::any_of(glyph.rings.begin(), glyph.rings.end(), [&](const Ring& r) { return InRing(r, x, y, s); });
}

// Inks the pixels whose centres the glyphs cover, drawn `height` pixels high. The run
// spans a whole number of pixels across, so a symmetric glyph comes out symmetric.
Mask Render(const std::vector<const Glyph*>& run, int height)
{
    int runWidth = -LetterSpacing;
    for (const Glyph* glyph : run)
        runWidth += glyph->width + LetterSpacing;
    const int width = (runWidth * height * 2 + GlyphHeight) / (GlyphHeight * 2);
    // Pixel centre (x + 1/2, y + 1/2) lies at ((2x + 1) * runWidth, (2y + 1) * GlyphHeight).
    const Scale s{2 * width, 2 * height};
    std::vector<bool> canvas(static_cast<size_t>(width * height), false);
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Wide pen = 0;
            for (const Glyph* glyph : run) {
                if (InGlyph(*glyph, (2 * x + 1) * Wide{runWidth} - pen * s.x, (2 * y + 1) * Wide{GlyphHeight}, s)) {
                    canvas[static_cast<size_t>(y * width + x)] = true;
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
                pen += glyph->width + LetterSpacing;
            }
        }
    Mask mask;
    if (right < 0)
        return mask;
    mask.width = right - left + 1;
    mask.height = bottom - top + 1;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            mask.ink.push_back(canvas[static_cast<size_t>(y * width + x)]);
    return mask;
}

// The largest rendering of the run whose ink fits within maxWidth x maxHeight.
Mask RenderToFit(const std::vector<const Glyph*>& run, int maxWidth, int maxHeight)
{
    for (int height = maxHeight; height > 4; --height) {
        Mask mask = Render(run, height);
        if (mask.width <= maxWidth && mask.height <= maxHeight)
            return mask;
    }
    return Render(run, 4);
}

std::vector<const Glyph*> Numeral(int value)
{
    std::vector<const Glyph*> run;
    for (char c : std::to_string(value))
        run.push_back(&Digits[c - '0']);
    return run;
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

Picture CardFace(int value)
{
    Picture face(FaceSize, FaceSize, FaceBackgroundIndex);
    StampCentred(face, RenderToFit(Numeral(value), 62, 46), FaceNumeralIndex);
    StampCorners(face, RenderToFit({&Spade}, 11, 12), 4, FaceCornerIndex);
    return face;
}

Picture IconPicture(int size)
{
    Picture icon(size, size, IconRed);
    const bool large = size >= 32;
    StampCentred(icon, RenderToFit(Numeral(24), large ? 28 : 15, large ? 18 : 10), IconGreen);
    if (large)
        StampCorners(icon, RenderToFit({&Spade}, 6, 7), 1, IconDark);
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string outputDir = argv[1];

    bool written = true;
    for (int value = 1; value <= 13; ++value)
        written = WriteFile(outputDir + "/" + CardFaceFile(value), FaceBitmapFile(CardFace(value))) && written;
    const Picture large = IconPicture(32);
    const Picture small = IconPicture(16);
    written = WriteFile(outputDir + "/" VELTRO_ICON_FILE, IconFile({large, small})) && written;
    written = WriteFile(outputDir + "/" ABOUT_ICON_FILE, IconFile({large})) && written;
    if (!written) {
        std::fprintf(stderr, "%s: cannot write into %s\n", argv[0], outputDir.c_str());
        return 1;
    }
    return 0;
}
