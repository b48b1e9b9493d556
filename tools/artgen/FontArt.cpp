// The two bitmap fonts, drawn glyph by glyph from the game's own glyph and advance tables
// (engine/BitmapFont), so that the picture always agrees with how the game lays text out.
//
// Every glyph is fitted to its advance: squeezed or widened a little (and, in the comment font,
// made bolder) until its ink is its advance minus one even gap, then centred on its advance.
// Text laid out with the fixed advances then shows the same gap between any two letters.
#include "Catalog.h"
#include "Style.h"
#include "TextArt.h"
#include "engine/BitmapFont.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

struct TFontLook {
    TGameFontKind Kind;
    double Em;      // pixel size of the face at ratio 1
    double Outline; // outline width on each side
    double Gap;     // gap between the outlines of two neighbours at spacing 0
    double MinScaleX, MaxScaleX;
    double MaxBolden;  // extra stroke that widens a narrow glyph, on both sides together
    bool PenAtCentre;  // the game's pen is the tile centre (else the tile's left edge)
    double CapCentreY; // where the middle of the capitals sits, from the tile top
    TColor Top, Bottom, OutlineColor;
    double ShadowX, ShadowY, ShadowAlpha;
};

// The general font: DrawText's pen is the centre of the glyph cell.
const TFontLook GeneralFont{
    fkAirstripNormal, 26,  1.6, 2.4, 0.6, 1.35, 0, true, 24, Hex("FFFFFF"), Hex("E4ECF4"),
    Hex("16263A"),    0.8, 1.6, 0.55};
// The comment font: big display capitals, drawn from the tile's top-left corner.
const TFontLook CommentFont{
    fkAirstripComment, 37,  3.0, 3.0, 0.7, 1.25, 2, false, 33, Hex("FFFFFF"), Hex("FFD84A"),
    Hex("0E3A78"),     1.5, 2.5, 0.5};

// The Latin-1 character drawn in a tile, or 0 for a tile no character uses.
unsigned char CharacterOfTile(TGameFontKind kind, int tile) {
    for (int c = 32; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        if (FilterText(kind, std::string(1, ch)).size() == 1 && GlyphIndex(kind, ch) == tile &&
            FilterText(kind, std::string(1, ch)) == std::string(1, ch))
            return static_cast<unsigned char>(c);
    }
    return 0;
}

std::string Utf8(unsigned char latin1) {
    if (latin1 < 0x80) return std::string(1, static_cast<char>(latin1));
    return {static_cast<char>(0xC0 | (latin1 >> 6)), static_cast<char>(0x80 | (latin1 & 0x3F))};
}

void DrawGlyph(const TTile& t, const TFontLook& look) {
    const unsigned char ch = CharacterOfTile(look.Kind, t.Pattern);
    if (ch == 0 || ch == ' ') return;
    const std::string text = Utf8(ch);
    const double advance = BaseCharWidth(look.Kind, static_cast<char>(ch));
    cairo_t* cr = t.cr;
    UseArtFont(cr, look.Em);
    cairo_text_extents_t ink;
    cairo_text_extents(cr, text.c_str(), &ink);

    // Fit the ink (with its outline) to the advance minus the gap.
    const double wanted = advance - look.Gap - 2 * look.Outline;
    const double scaleX = std::clamp(wanted / ink.width, look.MinScaleX, look.MaxScaleX);
    const double bolden = std::clamp(wanted - ink.width * scaleX, 0.0, look.MaxBolden);
    const double fillWidth = ink.width * scaleX + bolden;
    const double pen = look.PenAtCentre ? t.W / 2 : 0;
    const double inkLeft = pen + (advance - fillWidth) / 2 + bolden / 2;
    const double originX = inkLeft - ink.x_bearing * scaleX;
    const double baseline = look.CapCentreY + look.Em * 0.729 / 2;
    if (inkLeft - look.Outline - bolden / 2 < 0 ||
        inkLeft + fillWidth + look.Outline + look.ShadowX > t.W ||
        baseline + ink.y_bearing - look.Outline < 0 ||
        baseline + ink.y_bearing + ink.height + look.Outline + look.ShadowY > t.H)
        throw std::logic_error(t.Entry.Name + ": glyph " + text + " leaves its tile");

    const auto glyphPath = [&](double dx, double dy) {
        cairo_save(cr);
        cairo_translate(cr, originX + dx, baseline + dy);
        cairo_scale(cr, scaleX, 1);
        cairo_move_to(cr, 0, 0);
        cairo_text_path(cr, text.c_str());
        cairo_restore(cr);
    };
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Soft shadow, then the outline, then the fill.
    glyphPath(look.ShadowX, look.ShadowY);
    cairo_set_source_rgba(cr, 0.02, 0.06, 0.12, look.ShadowAlpha);
    cairo_set_line_width(cr, 2 * look.Outline + bolden);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    glyphPath(0, 0);
    SetColor(cr, look.OutlineColor);
    cairo_set_line_width(cr, 2 * look.Outline + bolden);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    glyphPath(0, 0);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, baseline - look.Em * 0.75, 0, baseline);
    AddStop(fill, 0, look.Top);
    AddStop(fill, 1, look.Bottom);
    cairo_set_source(cr, fill);
    if (bolden > 0) {
        cairo_set_line_width(cr, bolden);
        cairo_stroke_preserve(cr);
    }
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
}

} // namespace

void AddFontArt(TCatalog& catalog) {
    catalog.Add("GlobalFontWhite", [](const TTile& t) { DrawGlyph(t, GeneralFont); });
    catalog.Add("CommentFont", [](const TTile& t) { DrawGlyph(t, CommentFont); });
}
