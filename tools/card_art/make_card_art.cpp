// Draws the program's art from its own outlines: the thirteen card faces and the two
// 16-colour icon files that the resource script embeds; the desktop's icons in true
// colour with alpha at each size a desktop asks for, and as SVG; the web page's icons
// and card faces as SVG. The outlines (digits, a spade, a rounded tile) are sampled with
// integer arithmetic only, and PNG is compressed by the tool's own deflate, so every
// machine and compiler draws the same bytes.
//
// usage: make_card_art SOURCE_DIR   (writes each file of ArtFiles() under it)

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "tools/card_art/art_files.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

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
constexpr int IconRim = 1;

// A picture of palette indexes, row 0 at the top.
struct Picture {
    int width;
    int height;
    std::vector<std::uint8_t> pixels;

    Picture(int w, int h, int fill) : width(w), height(h), pixels(static_cast<size_t>(w * h), static_cast<std::uint8_t>(fill)) {}
    void Set(int x, int y, int index) { pixels[static_cast<size_t>(y * width + x)] = static_cast<std::uint8_t>(index); }
    int At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
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

// The icon's ground: a square with rounded corners, and a plain one for a full bleed.
const Glyph Tile{100,
                 {Box(12, 0, 88, 100), Box(0, 12, 100, 88)},
                 {{{12, 12}, {12, 12}, {12, 12}, Whole, Whole}, {{88, 12}, {12, 12}, {12, 12}, Whole, Whole},
                  {{12, 88}, {12, 12}, {12, 12}, Whole, Whole}, {{88, 88}, {12, 12}, {12, 12}, Whole, Whole}}};
const Glyph Square{100, {Box(0, 0, 100, 100)}, {}};
// The corner mark of an icon too small for a spade: an L of three pixels in a 2x2 box.
const Glyph Tick{100, {Box(0, 0, 100, 50), Box(0, 0, 50, 100)}, {}};

using Run = std::vector<const Glyph*>;

int RunWidth(const Run& run)
{
    int width = -LetterSpacing;
    for (const Glyph* glyph : run)
        width += glyph->width + LetterSpacing;
    return width;
}

// A run of glyphs set in a box of whole pixels, its glyph box stretched to fill it;
// `turned`, it is drawn upside down within the box.
struct Placement {
    Run run;
    int left, top, width, height;
    bool turned = false;
};

// Coordinates below are glyph units times the scale, s.x across and s.y down, so that
// every point sampled falls on an integer and each test is exact.
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

// Whether (dx/s.x, dy/s.y) lies in the ellipse of radii rx, ry; the scales' common factor
// is taken out first, which keeps the products of a large icon's samples in range.
bool InEllipse(Wide dx, Wide dy, Wide rx, Wide ry, Scale s)
{
    const Wide common = std::gcd(s.x, s.y), a = s.x / common, b = s.y / common;
    const Wide across = dx * b * ry, down = dy * a * rx, bound = common * a * b * rx * ry;
    return across * across + down * down <= bound * bound;
}

bool InRing(const Ring& ring, Wide x, Wide y, Scale s)
{
    const Wide dx = x - ring.centre.x * s.x, dy = y - ring.centre.y * s.y;
    if (!InEllipse(dx, dy, ring.radius.x, ring.radius.y, s))
        return false;
    const Wide holeX = ring.radius.x - ring.stroke.x, holeY = ring.radius.y - ring.stroke.y;
    if (holeX > 0 && holeY > 0 && InEllipse(dx, dy, holeX, holeY, s))
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

// Whether the placed run covers the point (px / q, py / q) of the picture: the point is
// (p - left) * units / pixels glyph units into the box, the ratio in lowest terms.
bool Covers(const Placement& place, Wide px, Wide py, Wide q)
{
    if (place.turned) {
        px = q * (2 * place.left + place.width) - px;
        py = q * (2 * place.top + place.height) - py;
    }
    if (px < q * place.left || py < q * place.top || px > q * (place.left + place.width) ||
        py > q * (place.top + place.height))
        return false;  // outlines keep within their box
    const Wide units = RunWidth(place.run), acrossCommon = std::gcd(units, Wide{place.width});
    const Wide downCommon = std::gcd(Wide{GlyphHeight}, Wide{place.height});
    const Scale s{q * place.width / acrossCommon, q * place.height / downCommon};
    const Wide x = (px - q * place.left) * (units / acrossCommon), y = (py - q * place.top) * (GlyphHeight / downCommon);
    Wide pen = 0;
    for (const Glyph* glyph : place.run) {
        if (InGlyph(*glyph, x - pen * s.x, y, s))
            return true;
        pen += glyph->width + LetterSpacing;
    }
    return false;
}

// Whether the placed run covers the centre of pixel (x, y).
bool CoversCentre(const Placement& place, int x, int y)
{
    return Covers(place, 2 * x + 1, 2 * y + 1, 2);
}

// The run drawn `height` pixels high (a whole number of pixels across, so a symmetric
// glyph comes out symmetric) at the top left, and the bounds of its ink.
struct Inked {
    Placement place;
    int left = 0, top = 0, width = 0, height = 0;
};

Inked Render(const Run& run, int height)
{
    const int width = (RunWidth(run) * height * 2 + GlyphHeight) / (GlyphHeight * 2);
    Inked inked{{run, 0, 0, width, height}};
    int right = -1, bottom = -1;
    inked.left = width;
    inked.top = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (CoversCentre(inked.place, x, y)) {
                inked.left = std::min(inked.left, x);
                inked.top = std::min(inked.top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    inked.width = right - inked.left + 1;
    inked.height = bottom - inked.top + 1;
    return inked;
}

// The largest rendering of the run whose ink fits within maxWidth x maxHeight.
Inked RenderToFit(const Run& run, int maxWidth, int maxHeight)
{
    for (int height = maxHeight; height > 4; --height) {
        Inked inked = Render(run, height);
        if (inked.width <= maxWidth && inked.height <= maxHeight)
            return inked;
    }
    return Render(run, 4);
}

// The rendering moved so that its ink's top left is at (left, top), or, turned, its
// ink's bottom right at (right, bottom) of the same size.
Placement InkAt(const Inked& inked, int left, int top, bool turned = false)
{
    Placement place = inked.place;
    place.turned = turned;
    if (turned) {
        place.left = left - (place.width - inked.left - inked.width);
        place.top = top - (place.height - inked.top - inked.height);
    } else {
        place.left = left - inked.left;
        place.top = top - inked.top;
    }
    return place;
}

Placement Centred(const Inked& inked, int size)
{
    return InkAt(inked, (size - inked.width) / 2, (size - inked.height) / 2);
}

// Two marks in opposite corners `margin` pixels in: the upright one top left.
std::vector<Placement> Corners(const Inked& inked, int size, int margin)
{
    return {InkAt(inked, margin, margin), InkAt(inked, size - margin - inked.width, size - margin - inked.height, true)};
}

Run Numeral(int value)
{
    Run run;
    for (char c : std::to_string(value))
        run.push_back(&Digits[c - '0']);
    return run;
}

void Paint(Picture& picture, const Placement& place, int index)
{
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (CoversCentre(place, x, y))
                picture.Set(x, y, index);
}

// What a card face and a 16-colour icon are made of: placed runs in a palette's colours,
// and the same in true colour, over a background.
struct Layer {
    Placement place;
    int index;
};

std::vector<Layer> CardFaceLayers(int value)
{
    std::vector<Layer> layers{{Centred(RenderToFit(Numeral(value), 62, 46), FaceSize), FaceNumeralIndex}};
    for (const Placement& corner : Corners(RenderToFit({&Spade}, 11, 12), FaceSize, 4))
        layers.push_back({corner, FaceCornerIndex});
    return layers;
}

std::vector<Layer> IconLayers(int size)
{
    const bool large = size >= 32;
    std::vector<Layer> layers{{Centred(RenderToFit(Numeral(24), large ? 28 : 15, large ? 18 : 10), size), IconGreen}};
    const Inked corner = large ? RenderToFit({&Spade}, 6, 7) : Render({&Tick}, 2);
    for (const Placement& place : Corners(corner, size, large ? 1 : 0))
        layers.push_back({place, IconDark});
    return layers;
}

Picture Paint(int size, int background, const std::vector<Layer>& layers)
{
    Picture picture(size, size, background);
    for (const Layer& layer : layers)
        Paint(picture, layer.place, layer.index);
    return picture;
}

// True-colour drawing: a layer covers with its colour whatever lies under it; a crisp
// one is sampled at pixel centres alone, to keep its strokes whole pixels.
struct ColourLayer {
    Placement place;
    Rgb colour;
    bool crisp;
};

// The desktop icon at `size` pixels: the 24 and the corner marks on a red tile with
// rounded corners. Up to 32 pixels the 24 and the marks keep to whole pixels, as the
// 16-colour icon's do (ticks below 32, spades at 32); from 48 on, everything is smoothed
// and scales with the size; from 64 on, the tile has a dark rim. A maskable icon fills
// the square with red and keeps the rest within the central 80 % circle that a mask
// may leave.
std::vector<ColourLayer> DesktopIconLayers(int size, bool maskable = false)
{
    const Rgb red = IconPalette[IconRed], green = IconPalette[IconGreen], dark = IconPalette[IconDark];
    if (size <= 32) {
        const bool spades = size == 32;
        const Inked numeral = spades ? RenderToFit(Numeral(24), 26, 17) : RenderToFit(Numeral(24), size * 15 / 16, size * 10 / 16);
        std::vector<ColourLayer> layers{{{{&Tile}, 0, 0, size, size}, red, false},
                                        {Centred(numeral, size), green, true}};
        for (const Placement& place : Corners(spades ? RenderToFit({&Spade}, 6, 7) : Render({&Tick}, size / 8), size, spades ? 2 : 1))
            layers.push_back({place, dark, true});
        return layers;
    }
    // The square that the drawing fills: the tile's, a little in from the edges, or
    // for a maskable icon the square within the safe circle.
    const int box = maskable ? size * 68 / 100 : size - 2 * (size / 32), at = (size - box) / 2;
    std::vector<ColourLayer> layers;
    if (maskable) {
        layers.push_back({{{&Square}, 0, 0, size, size}, red, false});
    } else if (size >= 64) {
        const int rim = box / 64;
        layers.push_back({{{&Tile}, at, at, box, box}, IconPalette[IconRim], false});
        layers.push_back({{{&Tile}, at + rim, at + rim, box - 2 * rim, box - 2 * rim}, red, false});
    } else {
        layers.push_back({{{&Tile}, at, at, box, box}, red, false});
    }
    const Run numeral = Numeral(24);
    const int numeralHeight = box * 46 / 100, numeralWidth = (RunWidth(numeral) * numeralHeight + 50) / 100;
    layers.push_back({{numeral, at + (box - numeralWidth) / 2, at + (box - numeralHeight) / 2, numeralWidth, numeralHeight},
                      green, false});
    const int spadeHeight = box * 21 / 100, spadeWidth = (Spade.width * spadeHeight + 50) / 100, inset = box * 6 / 100;
    layers.push_back({{{&Spade}, at + inset, at + inset, spadeWidth, spadeHeight}, dark, false});
    layers.push_back({{{&Spade}, at + box - inset - spadeWidth, at + box - inset - spadeHeight, spadeWidth, spadeHeight, true},
                      dark, false});
    return layers;
}

// RGBA rows: each pixel sampled at Samples x Samples points, each point taking the
// colour of the topmost layer that covers it; the alpha is the share of points covered.
constexpr int Samples = 4;

Bytes DrawRgba(int size, const std::vector<ColourLayer>& layers)
{
    Bytes rgba;
    std::vector<bool> crispHit(layers.size());
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            for (size_t i = 0; i < layers.size(); ++i)
                crispHit[i] = layers[i].crisp && CoversCentre(layers[i].place, x, y);
            int covered = 0, red = 0, green = 0, blue = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx)
                    for (size_t i = layers.size(); i-- > 0;) {
                        const ColourLayer& layer = layers[i];
                        if (layer.crisp ? crispHit[i]
                                        : Covers(layer.place, 2 * Samples * x + 2 * sx + 1, 2 * Samples * y + 2 * sy + 1,
                                                 2 * Samples)) {
                            ++covered;
                            red += layer.colour.red;
                            green += layer.colour.green;
                            blue += layer.colour.blue;
                            break;
                        }
                    }
            const int half = covered / 2, all = Samples * Samples;
            for (int channel : {red, green, blue})
                rgba.push_back(static_cast<std::uint8_t>(covered ? (channel + half) / covered : 0));
            rgba.push_back(static_cast<std::uint8_t>((255 * covered + all / 2) / all));
        }
    return rgba;
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
    Bytes bytes;
};

// 8 bits per pixel, 256-entry table, bottom-up; 80 is a multiple of 4, so no row padding.
Bytes FaceBitmapFile(const Picture& face)
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

// Icon image: header with doubled height, 16 colours, 4-bit XOR rows, then the all-clear AND mask.
Bytes IconImage(const Picture& icon)
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

Bytes IconFile(const std::vector<Picture>& pictures)
{
    std::vector<Bytes> images;
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

// Deflate with the fixed Huffman codes: each run of 3 to 258 bytes that occurred within
// the last 32 KB becomes a reference to it (the longest of the recent ones with the
// same first bytes), every other byte a literal.
class Deflater {
public:
    Bytes Compress(const Bytes& data)
    {
        Bits(1, 1);  // the last block
        Bits(1, 2);  // fixed codes
        std::vector<int> head(1 << 15, -1), previous(data.size(), -1);
        const auto hash = [&](size_t i) { return (data[i] << 10 ^ data[i + 1] << 5 ^ data[i + 2]) & 0x7FFF; };
        const auto remember = [&](size_t i) {
            if (i + 2 < data.size()) {
                previous[i] = head[hash(i)];
                head[hash(i)] = static_cast<int>(i);
            }
        };
        for (size_t i = 0; i < data.size();) {
            int bestLength = 0, bestDistance = 0;
            if (i + 2 < data.size()) {
                int tries = 64;
                for (int j = head[hash(i)]; j >= 0 && i - j <= 32768 && tries-- > 0 && bestLength < 258; j = previous[j]) {
                    int length = 0;
                    while (length < 258 && i + length < data.size() && data[j + length] == data[i + length])
                        ++length;
                    if (length > bestLength) {
                        bestLength = length;
                        bestDistance = static_cast<int>(i - j);
                    }
                }
            }
            if (bestLength >= 3) {
                Match(bestLength, bestDistance);
                for (int k = 0; k < bestLength; ++k)
                    remember(i + k);
                i += bestLength;
            } else {
                Symbol(data[i]);
                remember(i++);
            }
        }
        Symbol(256);
        if (count > 0)
            out.push_back(static_cast<std::uint8_t>(pending));
        return out;
    }

private:
    void Bits(std::uint32_t value, int length)  // least significant bit first
    {
        pending |= value << count;
        count += length;
        for (; count >= 8; count -= 8, pending >>= 8)
            out.push_back(static_cast<std::uint8_t>(pending & 0xFF));
    }
    void Code(std::uint32_t code, int length)  // Huffman codes go most significant bit first
    {
        for (int i = length - 1; i >= 0; --i)
            Bits(code >> i & 1, 1);
    }
    void Symbol(int symbol)
    {
        if (symbol < 144)
            Code(0x30 + symbol, 8);
        else if (symbol < 256)
            Code(0x190 + symbol - 144, 9);
        else if (symbol < 280)
            Code(symbol - 256, 7);
        else
            Code(0xC0 + symbol - 280, 8);
    }
    // Lengths 3 to 258 as the symbols 257 to 285, distances 1 to 32768 as the codes 0 to
    // 29, each with its extra bits: a code stands for 2^extra values from its base on.
    static int LengthExtra(int symbol) { return symbol < 265 ? 0 : (symbol - 261) / 4; }
    static int DistanceExtra(int code) { return code < 4 ? 0 : (code - 2) / 2; }
    void Match(int length, int distance)
    {
        int symbol = 257, base = 3;
        for (; length != 258 && length >= base + (1 << LengthExtra(symbol)); ++symbol)
            base += 1 << LengthExtra(symbol);
        if (length == 258) {
            Symbol(285);
        } else {
            Symbol(symbol);
            Bits(static_cast<std::uint32_t>(length - base), LengthExtra(symbol));
        }
        int code = 0;
        for (base = 1; distance >= base + (1 << DistanceExtra(code)); ++code)
            base += 1 << DistanceExtra(code);
        Code(static_cast<std::uint32_t>(code), 5);
        Bits(static_cast<std::uint32_t>(distance - base), DistanceExtra(code));
    }

    Bytes out;
    std::uint32_t pending = 0;
    int count = 0;
};

class BigEndianWriter {
public:
    void U32(std::uint32_t v)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<std::uint8_t>(v >> shift));
    }
    void Chunk(const char* type, const Bytes& data)
    {
        U32(static_cast<std::uint32_t>(data.size()));
        const size_t start = bytes.size();
        bytes.insert(bytes.end(), type, type + 4);
        bytes.insert(bytes.end(), data.begin(), data.end());
        std::uint32_t crc = 0xFFFFFFFF;
        for (size_t i = start; i < bytes.size(); ++i) {
            crc ^= bytes[i];
            for (int bit = 0; bit < 8; ++bit)
                crc = crc >> 1 ^ (crc & 1 ? 0xEDB88320 : 0);
        }
        U32(~crc);
    }
    Bytes bytes;
};

// A PNG of 8-bit RGBA rows, unfiltered, in one zlib stream.
Bytes PngFile(int size, const Bytes& rgba)
{
    Bytes rows;
    for (int y = 0; y < size; ++y) {
        rows.push_back(0);
        rows.insert(rows.end(), rgba.begin() + y * size * 4, rgba.begin() + (y + 1) * size * 4);
    }
    BigEndianWriter zlib;
    zlib.bytes = {0x78, 0x01};
    const Bytes deflated = Deflater().Compress(rows);
    zlib.bytes.insert(zlib.bytes.end(), deflated.begin(), deflated.end());
    std::uint32_t low = 1, high = 0;
    for (std::uint8_t byte : rows) {
        low = (low + byte) % 65521;
        high = (high + low) % 65521;
    }
    zlib.U32(high << 16 | low);

    BigEndianWriter header, png;
    header.U32(static_cast<std::uint32_t>(size));
    header.U32(static_cast<std::uint32_t>(size));
    header.bytes.insert(header.bytes.end(), {8, 6, 0, 0, 0});  // 8 bits a channel, RGBA, no interlace
    png.bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png.Chunk("IHDR", header.bytes);
    png.Chunk("IDAT", zlib.bytes);
    png.Chunk("IEND", {});
    return png.bytes;
}

// SVG: each placed run a nested <svg> whose viewBox is the run's glyph box, stretched
// over its box of pixels, so that a point of the picture falls on the same glyph units
// as the sampling above takes it to. Quads are polygons, all the same way round, so
// that overlapping ones add up; a ring is its outer ellipse less its inner one, a
// swept one clipped to the wedge of its sweep.
class SvgWriter {
public:
    explicit SvgWriter(int size)
    {
        text = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + std::to_string(size) + " " +
               std::to_string(size) + "\">\n";
    }
    void Background(Rgb colour) { text += "<rect width=\"100%\" height=\"100%\" fill=\"" + Hex(colour) + "\"/>\n"; }
    void Layer(const Placement& place, Rgb colour)
    {
        const int units = RunWidth(place.run);
        text += "<svg x=\"" + std::to_string(place.left) + "\" y=\"" + std::to_string(place.top) + "\" width=\"" +
                std::to_string(place.width) + "\" height=\"" + std::to_string(place.height) + "\" viewBox=\"0 0 " +
                std::to_string(units) + " " + std::to_string(GlyphHeight) +
                "\" preserveAspectRatio=\"none\" overflow=\"visible\" fill=\"" + Hex(colour) + "\">";
        if (place.turned)
            text += "<g transform=\"matrix(-1 0 0 -1 " + std::to_string(units) + " " + std::to_string(GlyphHeight) + ")\">";
        std::string shapes;
        int pen = 0;
        for (const Glyph* glyph : place.run) {
            // A turned glyph's point (x, y) is (width - x, 100 - y) of its box.
            const int sign = glyph->turned ? -1 : 1;
            const auto at = [&](Point p) {
                return Point{pen + (glyph->turned ? glyph->width - p.x : p.x), glyph->turned ? GlyphHeight - p.y : p.y};
            };
            for (const Quad& quad : glyph->quads) {
                Point corner[4];
                for (int i = 0; i < 4; ++i)
                    corner[i] = at(quad.corner[i]);
                Wide area = 0;
                for (int i = 0; i < 4; ++i)
                    area += Cross(corner[i].x, corner[i].y, corner[(i + 1) % 4].x, corner[(i + 1) % 4].y);
                shapes += "M";
                for (int i = 0; i < 4; ++i)
                    shapes += (i ? " " : "") + Pair(corner[area >= 0 ? i : 3 - i]);
                shapes += "Z";
            }
            for (const Ring& ring : glyph->rings) {
                const Point centre = at(ring.centre);
                std::string ellipses = Ellipse(centre, ring.radius, true);
                if (ring.radius.x > ring.stroke.x && ring.radius.y > ring.stroke.y)
                    ellipses += Ellipse(centre, {ring.radius.x - ring.stroke.x, ring.radius.y - ring.stroke.y}, false);
                if (ring.from.x == 0 && ring.from.y == 0) {
                    shapes += ellipses;
                } else {
                    const std::string id = "w" + std::to_string(++wedges);
                    text += "<clipPath id=\"" + id + "\"><path d=\"" +
                            Wedge(centre, {sign * ring.from.x, sign * ring.from.y}, {sign * ring.to.x, sign * ring.to.y},
                                  2 * std::max(ring.radius.x, ring.radius.y)) +
                            "\"/></clipPath><path clip-path=\"url(#" + id + ")\" d=\"" + ellipses + "\"/>";
                }
            }
            pen += glyph->width + LetterSpacing;
        }
        if (!shapes.empty())
            text += "<path d=\"" + shapes + "\"/>";
        text += place.turned ? "</g></svg>\n" : "</svg>\n";
    }
    Bytes File() const
    {
        const std::string whole = text + "</svg>\n";
        return Bytes(whole.begin(), whole.end());
    }

private:
    static std::string Pair(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    static std::string Hex(Rgb c)
    {
        char hex[8];
        std::snprintf(hex, sizeof hex, "#%02x%02x%02x", c.red, c.green, c.blue);
        return hex;
    }
    // Clockwise on screen for the outer ellipse, the other way for a hole.
    static std::string Ellipse(Point centre, Point radius, bool clockwise)
    {
        const std::string arc = "a" + Pair(radius) + " 0 1 " + (clockwise ? "1 " : "0 ");
        return "M" + Pair({centre.x - radius.x, centre.y}) + arc + Pair({2 * radius.x, 0}) + arc +
               Pair({-2 * radius.x, 0}) + "Z";
    }
    // The region swept clockwise from direction `from` to `to` about the centre, out to
    // beyond `reach`: its rays, and between them the diagonals that the sweep passes.
    static std::string Wedge(Point centre, Point from, Point to, int reach)
    {
        const auto half = [&](Point d) {  // 0 within the half turn clockwise from `from`, else 1
            const Wide cross = Cross(from.x, from.y, d.x, d.y), dot = Wide{from.x} * d.x + Wide{from.y} * d.y;
            return cross > 0 || (cross == 0 && dot > 0) ? 0 : 1;
        };
        const auto before = [&](Point a, Point b) {  // a comes first, going clockwise from `from`
            const int ha = half(a), hb = half(b);
            return ha != hb ? ha < hb : Cross(a.x, a.y, b.x, b.y) > 0;
        };
        std::vector<Point> diagonals{{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
        std::sort(diagonals.begin(), diagonals.end(), before);
        std::string path = "M" + Pair(centre) + "L" + Pair({centre.x + from.x * reach, centre.y + from.y * reach});
        for (Point d : diagonals)
            if (before(d, to))
                path += " " + Pair({centre.x + d.x * 2 * reach, centre.y + d.y * 2 * reach});
        return path + " " + Pair({centre.x + to.x * reach, centre.y + to.y * reach}) + "Z";
    }

    std::string text;
    int wedges = 0;
};

Bytes DesktopIconSvg(int size, bool maskable = false)
{
    SvgWriter svg(size);
    for (const ColourLayer& layer : DesktopIconLayers(size, maskable))
        svg.Layer(layer.place, layer.colour);
    return svg.File();
}

Bytes FaceSvg(int value)
{
    SvgWriter svg(FaceSize);
    svg.Background(FaceBackground);
    const Rgb colours[] = {FaceBackground, FaceNumeral, FaceCorner};
    for (const Layer& layer : CardFaceLayers(value))
        svg.Layer(layer.place, colours[layer.index]);
    return svg.File();
}

// Writes the file, making its folder first.
bool WriteFile(const std::string& path, const Bytes& bytes)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SOURCE_DIR\n", argv[0]);
        return 2;
    }
    const std::string root = std::string(argv[1]) + "/";

    bool written = true;
    const auto write = [&](const std::string& file, const Bytes& bytes) { written = WriteFile(root + file, bytes) && written; };
    for (int value = 1; value <= 13; ++value) {
        write(ResourceFile(CardFaceFile(value)), FaceBitmapFile(Paint(FaceSize, FaceBackgroundIndex, CardFaceLayers(value))));
        write(WebFaceFile(value), FaceSvg(value));
    }
    const Picture large = Paint(32, IconRed, IconLayers(32));
    const Picture small = Paint(16, IconRed, IconLayers(16));
    write(ResourceFile(VELTRO_ICON_FILE), IconFile({large, small}));
    write(ResourceFile(ABOUT_ICON_FILE), IconFile({large}));

    std::map<int, Bytes> icons;  // each size drawn once, for the desktop and the web page
    const auto icon = [&](int size) -> const Bytes& {
        Bytes& png = icons[size];
        if (png.empty())
            png = PngFile(size, DrawRgba(size, DesktopIconLayers(size)));
        return png;
    };
    for (int size : DesktopIconSizes)
        write(DesktopIconFile(size), icon(size));
    write(ScalableIconFile, DesktopIconSvg(ScalableIconSize));
    for (int size : WebIconSizes)
        write(WebIconFile(size), icon(size));
    write(WebMaskableIconFile, PngFile(WebMaskableIconSize, DrawRgba(WebMaskableIconSize, DesktopIconLayers(WebMaskableIconSize, true))));
    write(WebScalableIconFile, DesktopIconSvg(ScalableIconSize));
    if (!written) {
        std::fprintf(stderr, "%s: cannot write into %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
