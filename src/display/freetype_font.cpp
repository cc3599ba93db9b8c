// Measuring and drawing text with FreeType.
#include "display/freetype_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdlib>

#include "display/coverage_blit.h"
#include "platform/cp949.h"
#include "platform/font_locator.h"

namespace morv {
namespace {

constexpr int kDefaultHeight = 24;
// Slant of synthetic italics: about 12 degrees.
constexpr FT_Fixed kItalicShear = 0x0366A;

int roundPixels(FT_Pos value26_6) { return static_cast<int>((value26_6 + 32) >> 6); }

}  // namespace

struct FreeTypeFont::Library {
    FT_Library handle = nullptr;
    Library() {
        if (FT_Init_FreeType(&handle) != 0) handle = nullptr;
    }
    ~Library() {
        if (handle) FT_Done_FreeType(handle);
    }
};

FreeTypeFont::FreeTypeFont(const FontRecord& record) : library_(std::make_unique<Library>()) {
    int requested = record.height == 0 ? kDefaultHeight : record.height;
    cellHeight_ = std::abs(requested);
    ascent_ = cellHeight_ * 4 / 5;
    monochrome_ = record.quality == FontRecord::kQualityNonAntialiased;
    bold_ = record.weight >= FontRecord::kWeightBold;
    italic_ = record.italic != 0;
    underline_ = record.underline != 0;
    strikeOut_ = record.strikeOut != 0;

    FontFile file = locateFontFile(cp949::toUtf8(record.faceName));
    if (!library_->handle || file.path.empty()) return;
    FT_Face face = nullptr;
    if (FT_New_Face(library_->handle, file.path.c_str(), file.faceIndex, &face) != 0) return;
    face_ = face;

    FT_Size_RequestRec request{};
    request.type = requested > 0 ? FT_SIZE_REQUEST_TYPE_CELL : FT_SIZE_REQUEST_TYPE_NOMINAL;
    request.height = static_cast<FT_Long>(cellHeight_) * 64;
    if (FT_Request_Size(face, &request) != 0 && face->num_fixed_sizes > 0) FT_Select_Size(face, 0);

    const FT_Size_Metrics& metrics = face->size->metrics;
    if (requested < 0) cellHeight_ = std::max(1, roundPixels(metrics.ascender - metrics.descender));
    ascent_ = std::clamp(roundPixels(metrics.ascender), 1, cellHeight_);
    int emPixels = std::max(1, roundPixels(metrics.y_ppem * 64));
    boldStrength_ = 64L * std::max(1, emPixels / 24);

    lineThickness_ = 1;
    int underlineDepth = std::max(1, cellHeight_ / 12);
    int strikeHeight = ascent_ * 3 / 10;
    if (FT_IS_SCALABLE(face)) {
        lineThickness_ = std::max(1, roundPixels(FT_MulFix(face->underline_thickness, metrics.y_scale)));
        underlineDepth = std::max(1, roundPixels(-FT_MulFix(face->underline_position, metrics.y_scale)));
        if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2)); os2 && os2->yStrikeoutPosition > 0)
            strikeHeight = roundPixels(FT_MulFix(os2->yStrikeoutPosition, metrics.y_scale));
    }
    underlineTop_ = std::clamp(ascent_ + underlineDepth - lineThickness_ / 2, 0, cellHeight_ - lineThickness_);
    strikeTop_ = std::clamp(ascent_ - strikeHeight, 0, cellHeight_ - lineThickness_);
}

FreeTypeFont::~FreeTypeFont() {
    if (face_) FT_Done_Face(face_);
}

Glyph FreeTypeFont::render(char32_t codePoint) {
    ++rendered_;
    Glyph glyph;
    glyph.advance = cellHeight_ / 2;
    if (!face_) return glyph;
    FT_UInt index = FT_Get_Char_Index(face_, codePoint);
    FT_Int32 target = monochrome_ ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL;
    if (FT_Load_Glyph(face_, index, FT_LOAD_NO_BITMAP | target) != 0 && FT_Load_Glyph(face_, index, target) != 0)
        return glyph;
    FT_GlyphSlot slot = face_->glyph;
    int extraAdvance = 0;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        if (italic_) {
            FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
        if (bold_) {
            FT_Outline_EmboldenXY(&slot->outline, boldStrength_, 0);
            extraAdvance = static_cast<int>(boldStrength_ >> 6);
        }
    }
    glyph.advance = roundPixels(slot->advance.x) + extraAdvance;
    if (FT_Render_Glyph(slot, monochrome_ ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) return glyph;

    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.coverage.assign(static_cast<size_t>(glyph.width) * glyph.rows, 0);
    for (int row = 0; row < glyph.rows; ++row) {
        const unsigned char* in = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        uint8_t* out = glyph.coverage.data() + static_cast<size_t>(row) * glyph.width;
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
            for (int col = 0; col < glyph.width; ++col) out[col] = (in[col >> 3] & (0x80 >> (col & 7))) ? 255 : 0;
        } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
            int levels = std::max(1, bitmap.num_grays - 1);
            for (int col = 0; col < glyph.width; ++col) out[col] = static_cast<uint8_t>(in[col] * 255 / levels);
        }
    }
    return glyph;
}

const Glyph& FreeTypeFont::glyph(char32_t codePoint) {
    if (const Glyph* cached = cache_.find(codePoint)) return *cached;
    return cache_.insert(codePoint, render(codePoint));
}

int FreeTypeFont::charWidth(std::string_view text, size_t pos, int* length) {
    char32_t codePoint = cp949::decodeChar(text, pos, length);
    return glyph(codePoint).advance;
}

void FreeTypeFont::draw(const PixelRows& target, const Rect& clip, int x, int y, std::string_view text,
                        ConfigColor color) {
    const uint32_t rgb = configToScreenColor(color);
    int pen = x;
    for (size_t pos = 0; pos < text.size();) {
        int length = 1;
        const Glyph& g = glyph(cp949::decodeChar(text, pos, &length));
        CoverageMask mask{g.coverage.data(), g.width, g.width, g.rows};
        blendCoverage(target, clip, pen + g.left, y + ascent_ - g.top, mask, rgb);
        if (underline_)
            fillRect(target, clip, {pen, y + underlineTop_, pen + g.advance, y + underlineTop_ + lineThickness_}, rgb);
        if (strikeOut_)
            fillRect(target, clip, {pen, y + strikeTop_, pen + g.advance, y + strikeTop_ + lineThickness_}, rgb);
        pen += g.advance;
        pos += static_cast<size_t>(std::max(1, length));
    }
}

std::unique_ptr<TextFont> FreeTypeFontFactory::create(const FontRecord& record) {
    return std::make_unique<FreeTypeFont>(record);
}

}  // namespace morv
