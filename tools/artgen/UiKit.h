#pragma once
// The parts every screen is built from: wooden frames round sand panels, glossy buttons with
// their captions, glass covers, ribbons and round crests.
#include "Style.h"

#include <cairo.h>
#include <string_view>

enum class TButtonLook { Wood, Gold, Sea, Coral };

// A sand panel in a wooden frame filling (x, y, w, h).
void DrawFramedPanel(cairo_t* cr, double x, double y, double w, double h, double frame = 10,
                     double radius = 16);
// A plain wooden board (signs, shelves, cabinets).
void DrawWoodBoard(cairo_t* cr, double x, double y, double w, double h, double radius);
// A glossy button face with its caption, filling (x, y, w, h); a pressed button sits lower.
void DrawButton(cairo_t* cr, double x, double y, double w, double h, std::string_view caption,
                TButtonLook look, bool pressed = false);
// The same greyed out and faded, for a disabled button.
void DrawDisabledButton(cairo_t* cr, double x, double y, double w, double h,
                        std::string_view caption, TButtonLook look);
// A glass cover: faint tint, bright rim and a curved highlight.
void DrawGlass(cairo_t* cr, double x, double y, double w, double h, double radius);
// A ribbon banner across (x, y, w, h) with folded ends.
void DrawRibbon(cairo_t* cr, double x, double y, double w, double h, TColor color);

enum class TCrestIcon { Gear, Anchor, Wheel, Quill, Trophy, Laurel, Scroll, Question, Shell };
// A round golden medallion with an icon, centred on (cx, cy).
void DrawCrest(cairo_t* cr, double cx, double cy, double radius, TCrestIcon icon);
