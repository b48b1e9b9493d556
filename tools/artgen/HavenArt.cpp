// The picture book of Floodkeep: the cove as the flood left it, each work as a sticker at its
// place in the picture, and the eight stage backgrounds that have the finished islands' works
// painted in.
#include "Catalog.h"
#include "Elements.h"
#include "World.h"

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

struct TSticker {
    const char* Name;
    double X, Y;  // where the game draws the sticker's top-left corner
    double Scale; // the game's drawing scale
    TBox Object;  // where the work stands in the picture
    int Work;     // 1..20, 0 for the airship
};

// In the order the game draws them, so that later stickers stand in front.
const TSticker Stickers[] = {
    {"Upg1_3", 0, 0, 2, {620, 560, 746, 90}, 3},
    {"Upg1_4", -3, 118, 1, {120, 520, 170, 200}, 4},
    {"Upg1_2", 356, 477, 1, {420, 478, 86, 72}, 2},
    {"Upg1_1", 287, 477, 1, {290, 478, 128, 72}, 1},
    {"Upg2_2A", -2, 544, 1, {20, 600, 170, 100}, 6},
    {"Upg2_2B", 431, 510, 1, {455, 560, 140, 88}, 6},
    {"Upg2_1", 37, 264, 1, {40, 390, 150, 72}, 5},
    {"Upg2_4", 260, 370, 1, {880, 410, 128, 58}, 8},
    {"Upg2_3", 994, 142, 1, {1075, 184, 90, 290}, 7},
    {"Upg3_1", 295, 268, 1, {640, 516, 128, 92}, 9},
    {"Upg3_3", 349, 203, 1, {480, 394, 110, 44}, 11},
    {"Upg3_2", 274, 227, 1, {280, 336, 90, 80}, 10},
    {"Upg3_4A", 356, 204, 1, {700, 330, 148, 88}, 12},
    {"Upg3_4B", 549, 254, 1, {560, 262, 100, 48}, 12},
    {"Upg4_1", 349, 174, 1, {354, 180, 80, 148}, 13},
    {"Upg4_3", 576, 223, 1, {600, 232, 148, 78}, 15},
    {"Upg4_2", 224, 463, 1, {236, 468, 58, 140}, 14},
    {"Upg4_4A", -2, 568, 1, {0, 580, 258, 186}, 16},
    {"Upg4_4B", 387, 560, 1, {390, 562, 60, 90}, 16},
    {"Upg4_4C", 1028, 733, 1, {1030, 734, 334, 33}, 18},
    {"Upg5_1", 350, 139, 1, {445, 150, 118, 74}, 17},
    {"Upg5_3", 578, 139, 1, {600, 140, 60, 150}, 19},
    {"Upg5_2A", -2, 488, 1, {0, 489, 290, 28}, 18},
    {"Upg5_2B", 339, 376, 1, {340, 377, 180, 28}, 18},
    {"Upg5_2C", 406, 543, 1, {408, 544, 150, 22}, 18},
    {"Upg5_2D", 301, 634, 1, {304, 635, 200, 24}, 18},
    {"Upg5_2E", 593, 738, 1, {594, 739, 238, 28}, 18},
    {"Upg5_2F", 724, 586, 1, {728, 588, 150, 26}, 18},
    {"Upg5_2G", 1045, 449, 1, {1050, 451, 200, 28}, 18},
    {"Upg5_4", 44, 36, 1, {60, 60, 70, 290}, 20},
    {"Zeppelin", 1177, 513, 1, {1182, 517, 180, 90}, 0},
};

const TSticker& StickerNamed(const std::string& name) {
    for (const TSticker& sticker : Stickers)
        if (name == sticker.Name) return sticker;
    throw std::out_of_range("no sticker " + name);
}

void DrawFlowerStrip(cairo_t* cr, TBox box) {
    PaintGlossy(cr,
                [&](cairo_t* c) {
                    RoundedRect(c, box.X, box.Y + box.H * 0.45, box.W, box.H * 0.6, box.H * 0.3);
                },
                Hex("8BC34A"), {});
    for (int i = 0; i < static_cast<int>(box.W / 22); ++i)
        DrawElement(cr, i % 2 ? 14 : 16, box.X + 11 + i * 22, box.Y + box.H * 0.45, box.H * 0.75);
}

// The harbour wall as it stands in the bay: a long curve of stones out from the cliff.
void DrawBreakwater(cairo_t* cr, TBox box) {
    const auto wall = [&](cairo_t* c) {
        cairo_move_to(c, box.X, box.Y + box.H);
        cairo_curve_to(c, box.X + box.W * 0.3, box.Y + box.H * 0.2, box.X + box.W * 0.7, box.Y,
                       box.X + box.W, box.Y + box.H * 0.1);
        cairo_line_to(c, box.X + box.W, box.Y + box.H * 0.55);
        cairo_curve_to(c, box.X + box.W * 0.7, box.Y + box.H * 0.45, box.X + box.W * 0.35,
                       box.Y + box.H * 0.6, box.X + box.W * 0.06, box.Y + box.H);
        cairo_close_path(c);
    };
    TGloss gloss;
    gloss.Shadow = 3;
    gloss.Highlight = 0.3;
    PaintGlossy(cr, wall, Hex("B8B0A0"), gloss);
    cairo_save(cr);
    wall(cr);
    cairo_clip(cr);
    for (double x = box.X; x < box.X + box.W; x += 26) {
        cairo_move_to(cr, x, box.Y);
        cairo_line_to(cr, x + 8, box.Y + box.H);
    }
    cairo_set_source_rgba(cr, 0.35, 0.32, 0.28, 0.5);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Most stickers show their work whole; the flags, kites and flowers of the later works are
// scattered over the picture instead.
void DrawStickerObject(cairo_t* cr, const TSticker& sticker) {
    const TBox& o = sticker.Object;
    const std::string name = sticker.Name;
    if (sticker.Work == 0)
        DrawZeppelin(cr, o);
    else if (name == "Upg1_3")
        DrawBreakwater(cr, o);
    else if (name.rfind("Upg5_2", 0) == 0)
        DrawBunting(cr, o.X + 2, o.Y + 2, o.X + o.W - 2, o.Y + 2, o.H * 0.4, o.H * 0.42);
    else if (name == "Upg4_4B")
        DrawKite(cr, o.X + o.W / 2, o.Y + o.H * 0.25, o.H * 0.22, Hex("FFB300"));
    else if (name == "Upg4_4C")
        DrawFlowerStrip(cr, o);
    else
        DrawWork(cr, sticker.Work, o);
}

// Which stickers each of the eight stages has painted into its background.
bool InStage(const std::string& name, int stage) {
    const auto island = [&](char n) { return name.size() > 4 && name[3] == n; };
    switch (stage) {
    case 0:
        return false;
    case 1:
        return name == "Upg1_3";
    case 2:
        return name == "Upg1_3" || name == "Upg1_4";
    case 3:
        return island('1');
    case 4:
        return island('1') || island('2');
    case 5:
        return island('1') || island('2') || (name.rfind("Upg3_", 0) == 0 && name[5] != '4');
    case 6:
        return InStage(name, 5) || name == "Upg4_1" || name == "Upg4_3";
    default:
        return InStage(name, 6) || name.rfind("Upg4_", 0) == 0 || name == "Upg5_1" ||
               name == "Upg5_3";
    }
}

void DrawSticker(const TTile& t) {
    const TSticker& sticker = StickerNamed(t.Entry.Name);
    const TBox& o = sticker.Object;
    if (o.X < sticker.X || o.Y < sticker.Y || o.X + o.W > sticker.X + t.W * sticker.Scale ||
        o.Y + o.H > sticker.Y + t.H * sticker.Scale)
        throw std::logic_error(t.Entry.Name + ": the work does not fit the sticker");
    cairo_scale(t.cr, 1 / sticker.Scale, 1 / sticker.Scale);
    cairo_translate(t.cr, -sticker.X, -sticker.Y);
    DrawHavenSticker(t.cr, sticker.Name);
}

void DrawStageBackground(const TTile& t) {
    const int stage = t.Entry.Name.back() - '1';
    DrawHavenGround(t.cr);
    for (const TSticker& sticker : Stickers)
        if (InStage(sticker.Name, stage)) DrawStickerObject(t.cr, sticker);
}

} // namespace

void DrawHavenSticker(cairo_t* cr, const char* name) {
    const TSticker& sticker = StickerNamed(name);
    if (std::strcmp(name, "Upg1_3") == 0) {
        // The harbour wall: a breakwater out from the cliff, with gulls above the basin.
        DrawGull(cr, 700, 250, 34);
        DrawGull(cr, 770, 226, 26);
        DrawGull(cr, 880, 270, 30);
    }
    DrawStickerObject(cr, sticker);
}

void DrawHavenGround(cairo_t* cr) {
    DrawSkyGradient(cr, {0, 0, 1366, 360}, Hex("6EC3F0"), Hex("DDF3FB"));
    DrawSun(cr, 1190, 100, 50);
    DrawCloud(cr, 200, 90, 180);
    DrawCloud(cr, 760, 60, 220);
    DrawCloud(cr, 1000, 150, 140, 0.8);
    DrawSeaBand(cr, {0, 330, 1366, 240}, Hex("1E6FB8"), Hex("3FA9E8"), 3);
    // The town hill, the left headland and the lighthouse cliff.
    PaintGlossy(cr,
                [](cairo_t* c) {
                    cairo_move_to(c, 220, 460);
                    cairo_curve_to(c, 330, 250, 460, 160, 560, 165);
                    cairo_curve_to(c, 700, 170, 860, 300, 960, 460);
                    cairo_close_path(c);
                },
                Hex("7CCB5A"), {});
    PaintGlossy(cr,
                [](cairo_t* c) {
                    cairo_move_to(c, -10, 330);
                    cairo_curve_to(c, 80, 320, 200, 360, 280, 470);
                    cairo_line_to(c, -10, 470);
                    cairo_close_path(c);
                },
                Hex("6DBB4E"), {});
    PaintGlossy(cr,
                [](cairo_t* c) {
                    cairo_move_to(c, 990, 500);
                    cairo_curve_to(c, 1010, 470, 1060, 460, 1120, 470);
                    cairo_curve_to(c, 1200, 440, 1300, 430, 1376, 430);
                    cairo_line_to(c, 1376, 560);
                    cairo_line_to(c, 990, 560);
                    cairo_close_path(c);
                },
                Hex("A89A86"), {});
    // Beach and the bay in front.
    PaintGlossy(cr,
                [](cairo_t* c) {
                    cairo_move_to(c, -10, 440);
                    cairo_curve_to(c, 300, 420, 700, 430, 1010, 470);
                    cairo_line_to(c, 1010, 560);
                    cairo_curve_to(c, 700, 540, 300, 530, -10, 545);
                    cairo_close_path(c);
                },
                Hex("F2D9A0"), {});
    cairo_save(cr);
    cairo_move_to(cr, -10, 540);
    cairo_curve_to(cr, 300, 525, 700, 535, 1376, 545);
    cairo_line_to(cr, 1376, 780);
    cairo_line_to(cr, -10, 780);
    cairo_close_path(cr);
    cairo_clip(cr);
    DrawSeaBand(cr, {0, 520, 1366, 248}, Hex("4FD0E0"), Hex("1E88C8"), 5);
    cairo_restore(cr);
    // The rock in the bay that will carry the herb tower, and the flood's driftwood.
    PaintGlossy(cr, [](cairo_t* c) { Ellipse(c, 265, 606, 48, 14); }, Hex("9E9585"), {});
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 160 + i * 190, 500 + (i % 2) * 14);
        cairo_rotate(cr, -0.3 + i * 0.25);
        PaintGlossy(cr, [](cairo_t* c) { RoundedRect(c, -22, -3, 44, 6, 3); }, Hex("A1887F"), {});
        cairo_restore(cr);
    }
    DrawPalm(cr, 140, 452, 110, 0.2);
    DrawPalm(cr, 940, 470, 90, -0.2);
}

void AddStickerArt(TCatalog& catalog) {
    for (const TSticker& sticker : Stickers) catalog.Add(sticker.Name, DrawSticker);
    catalog.AddFamily("ciBG", DrawStageBackground);
}
