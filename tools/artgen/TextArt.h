#pragma once
// Words inside pictures (captions, labels, the bitmap fonts), all in the one bold face.
#include "Style.h"

#include <cairo.h>
#include <string>
#include <string_view>

// Loads the face once, before any drawing thread starts.
void LoadArtFont(const std::string& path);
cairo_font_face_t* ArtFont();
// Puts the face at the given pixel size (em) on cr, with outlines kept unhinted so that every
// machine draws the same pixels.
void UseArtFont(cairo_t* cr, double size);

struct TCaptionStyle {
    TColor Fill = Palette::White;
    TColor Outline = Palette::Ink;
    double OutlineWidth = 3;
    double ShadowY = 2;   // soft drop shadow below, 0 for none
    bool Gradient = true; // a light top fading to the fill
};

// Draws UTF-8 text centred on (cx, cy) (the centre of its capitals), shrinking it to fit
// maxWidth when that is positive. Returns the size used.
double DrawCaption(cairo_t* cr, std::string_view text, double cx, double cy, double size,
                   const TCaptionStyle& style = {}, double maxWidth = 0);
// Width of the text at the given size.
double CaptionWidth(cairo_t* cr, std::string_view text, double size);
