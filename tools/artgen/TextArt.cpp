#include "TextArt.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>
#include <string>

namespace {
FT_Library Library = nullptr;
FT_Face Face = nullptr;
cairo_font_face_t* FontFace = nullptr;
cairo_font_options_t* Options = nullptr;
} // namespace

void LoadArtFont(const std::string& path) {
    if (FT_Init_FreeType(&Library) != 0 || FT_New_Face(Library, path.c_str(), 0, &Face) != 0)
        throw std::runtime_error("cannot load the font " + path);
    FontFace = cairo_ft_font_face_create_for_ft_face(Face, FT_LOAD_NO_HINTING);
    Options = cairo_font_options_create();
    cairo_font_options_set_hint_style(Options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(Options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(Options, CAIRO_ANTIALIAS_GRAY);
}

cairo_font_face_t* ArtFont() {
    return FontFace;
}

void UseArtFont(cairo_t* cr, double size) {
    cairo_set_font_face(cr, FontFace);
    cairo_set_font_options(cr, Options);
    cairo_set_font_size(cr, size);
}

double CaptionWidth(cairo_t* cr, std::string_view text, double size) {
    UseArtFont(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, std::string(text).c_str(), &extents);
    return extents.x_advance;
}

double DrawCaption(cairo_t* cr, std::string_view text, double cx, double cy, double size,
                   const TCaptionStyle& style, double maxWidth) {
    const std::string utf8(text);
    if (maxWidth > 0) {
        const double width = CaptionWidth(cr, utf8, size) + style.OutlineWidth;
        if (width > maxWidth) size *= maxWidth / width;
    }
    cairo_save(cr);
    UseArtFont(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8.c_str(), &extents);
    const double capHeight = size * 0.729; // the face's capital height
    const double x = cx - extents.x_advance / 2;
    const double y = cy + capHeight / 2;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (style.ShadowY > 0) {
        cairo_move_to(cr, x, y + style.ShadowY);
        cairo_text_path(cr, utf8.c_str());
        cairo_set_source_rgba(cr, 0.05, 0.1, 0.2, 0.35 * style.Fill.A);
        cairo_set_line_width(cr, style.OutlineWidth * 2 + 1);
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
    }
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, utf8.c_str());
    if (style.OutlineWidth > 0) {
        SetColor(cr, style.Outline);
        cairo_set_line_width(cr, style.OutlineWidth * 2);
        cairo_stroke_preserve(cr);
    }
    if (style.Gradient) {
        FillLinear(cr, 0, y - capHeight, 0, y, {{0, Lighter(style.Fill, 0.55)}, {1, style.Fill}});
    } else {
        SetColor(cr, style.Fill);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    return size;
}
