// Full screens and their furniture: logos, splash, transition, menu, world map, help, extras,
// the chat's dark layers, the tutorial panel and the comic strips of the opening and ending.
#include "Catalog.h"
#include "Characters.h"
#include "Elements.h"
#include "Style.h"
#include "TextArt.h"
#include "UiKit.h"
#include "World.h"

#include <cmath>
#include <string>

namespace {

constexpr double ScreenW = 1366, ScreenH = 768;

// "The Saga of" on a ribbon over a big golden "Tovan", on a wave with a little sail.
void DrawGameTitle(cairo_t* cr, double cx, double cy, double width) {
    const double s = width / 450;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    // The wave under the name.
    PaintGlossy(cr,
                [](cairo_t* c) {
                    cairo_move_to(c, -210, 60);
                    cairo_curve_to(c, -150, 20, -90, 90, -20, 50);
                    cairo_curve_to(c, 50, 10, 120, 90, 210, 44);
                    cairo_line_to(c, 200, 88);
                    cairo_curve_to(c, 100, 96, -100, 96, -200, 88);
                    cairo_close_path(c);
                },
                Hex("29B6F6"), {});
    PaintGlossy(cr,
                [](cairo_t* c) {
                    cairo_move_to(c, 150, -70);
                    cairo_line_to(c, 196, 10);
                    cairo_line_to(c, 150, 10);
                    cairo_close_path(c);
                },
                Palette::White, {});
    PaintGlossy(cr, [](cairo_t* c) { RoundedRect(c, 140, 12, 64, 14, 6); }, Hex("E53935"), {});
    TCaptionStyle big;
    big.Fill = Hex("FFC83D");
    big.Outline = Hex("7A3E12");
    big.OutlineWidth = 6;
    big.ShadowY = 5;
    DrawCaption(cr, "Tovan", -10, 14, 112, big);
    DrawRibbon(cr, -170, -96, 300, 44, Hex("1E88E5"));
    TCaptionStyle small;
    small.OutlineWidth = 3;
    DrawCaption(cr, "The Saga of", -20, -75, 30, small);
    cairo_restore(cr);
}

void DrawCompanyLogo(const TTile& t) {
    cairo_t* cr = t.cr;
    const int logo = t.Entry.Name.back() - '1';
    DrawSkyGradient(cr, {0, 0, ScreenW, ScreenH}, Hex("0D3B66"), Hex("1E88E5"));
    TCaptionStyle text;
    text.OutlineWidth = 3;
    if (logo == 0) {
        PaintGlow(cr, 683, 330, 260, {0.6, 0.85, 1, 0.35});
        DrawCrest(cr, 683, 320, 130, TCrestIcon::Shell);
        DrawCaption(cr, "Tidewhistle Studio", 683, 520, 64, text);
        DrawCaption(cr, "presents", 683, 590, 34, text);
    } else if (logo == 1) {
        DrawCaption(cr, "Made with free software", 683, 300, 58, text);
        const char* parts[] = {"SDL2", "cairo", "libpng", "DejaVu fonts"};
        for (int i = 0; i < 4; ++i) {
            DrawButton(cr, 150 + i * 270, 400, 250, 80, parts[i], TButtonLook::Sea);
        }
    } else {
        DrawSeaBand(cr, {0, 420, ScreenW, 348}, Hex("1E6FB8"), Hex("0D3B66"), 11);
        DrawSun(cr, 683, 430, 90);
        DrawGameTitle(cr, 683, 250, 820);
    }
}

// The bay in the sun, with the title; the loading bar sits on the water at the bottom.
void DrawSplash(const TTile& t) {
    cairo_t* cr = t.cr;
    DrawSkyGradient(cr, {0, 0, ScreenW, 420}, Hex("5DB8EE"), Hex("E3F6FC"));
    DrawSun(cr, 1130, 140, 70);
    DrawCloud(cr, 180, 120, 240);
    DrawCloud(cr, 560, 70, 180, 0.85);
    DrawSeaBand(cr, {0, 400, ScreenW, 368}, Hex("2FA4E0"), Hex("0E5C9E"), 7);
    DrawIsland(cr, 60, 420, 430, 260, Hex("6DBB4E"), 1);
    DrawIsland(cr, 900, 1340, 440, 240, Hex("7CCB5A"), 2);
    DrawIsland(cr, 560, 760, 420, 350, Hex("8BD36A"), 3);
    DrawWork(cr, 6, {560, 470, 260, 200});
    DrawGameTitle(cr, 683, 230, 640);
}

// A deep-sea swirl with a clear hole in the middle; turned and scaled up, the hole opens the
// new scene.
void DrawTransDark(const TTile& t) {
    cairo_t* cr = t.cr;
    const double cx = t.W / 2, cy = t.H / 2;
    cairo_rectangle(cr, 0, 0, t.W, t.H);
    FillRadial(cr, cx, cy, 24, 44, {{0, {0.03, 0.12, 0.24, 0}}, {1, {0.03, 0.12, 0.24, 1}}});
    for (int arm = 0; arm < 6; ++arm) {
        cairo_move_to(cr, cx, cy);
        for (double s = 0.05; s <= 1.0; s += 0.02) {
            const double a = arm * M_PI / 3 + s * 4;
            cairo_line_to(cr, cx + s * t.W * 0.7 * std::cos(a), cy + s * t.H * 0.7 * std::sin(a));
        }
        cairo_set_source_rgba(cr, 0.12, 0.35, 0.6, 0.35);
        cairo_set_line_width(cr, 22);
        cairo_stroke(cr);
    }
    // Keep the middle clear over the arms too.
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_pattern_t* hole = cairo_pattern_create_radial(cx, cy, 20, cx, cy, 44);
    AddStop(hole, 0, {0, 0, 0, 1});
    AddStop(hole, 1, {0, 0, 0, 0});
    cairo_set_source(cr, hole);
    cairo_arc(cr, cx, cy, 44, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(hole);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void DrawCompassRose(cairo_t* cr, double cx, double cy, double r) {
    TGloss gloss;
    gloss.Shadow = 4;
    PaintGlossy(
        cr, [&](cairo_t* c) { Ellipse(c, cx, cy, r * 0.62, r * 0.62); }, Hex("1E6FB8"), gloss);
    PaintGlossy(cr, [&](cairo_t* c) { Star(c, cx, cy, r, r * 0.22, 8, M_PI / 8); }, Hex("F3E2BE"),
                {});
    PaintGlossy(cr, [&](cairo_t* c) { Star(c, cx, cy, r * 0.95, r * 0.2, 4); }, Palette::Gold, {});
    PaintGlossy(cr, [&](cairo_t* c) { Ellipse(c, cx, cy, r * 0.14, r * 0.14); }, Hex("E53935"), {});
}

void DrawFeatureShine(const TTile& t) {
    cairo_t* cr = t.cr;
    const double c = t.W / 2;
    for (int i = 0; i < 16; ++i) {
        const double a0 = i * M_PI / 8, a1 = a0 + M_PI / 16;
        cairo_move_to(cr, c, c);
        cairo_arc(cr, c, c, c, a0, a1);
        cairo_close_path(cr);
    }
    FillRadial(cr, c, c, 0, c, {{0, {1, 1, 0.9, 1}}, {1, {1, 1, 0.9, 0}}});
}

// ---- World map ----

struct TMapIsland {
    TBox Area; // where the game takes clicks for the island
    TColor Grass;
};

const TMapIsland MapIslands[] = {{{272, 460, 331, 275}, Hex("7CCB5A")},
                                 {{130, 153, 328, 293}, Hex("FF8A80")},
                                 {{533, 153, 328, 248}, Hex("80DEEA")},
                                 {{936, 175, 331, 293}, Hex("A1887F")},
                                 {{736, 477, 331, 252}, Hex("FFD54F")}};

void DrawMapIsland(cairo_t* cr, int island) {
    const TBox& a = MapIslands[island].Area;
    const double cx = a.X + a.W / 2, baseY = a.Y + a.H * 0.8;
    PaintGlow(cr, cx, baseY - a.H * 0.2, a.W * 0.6, {0.6, 0.95, 1, 0.6});
    DrawIsland(cr, a.X + a.W * 0.1, a.X + a.W * 0.9, baseY, a.Y + a.H * 0.2,
               MapIslands[island].Grass, 20 + island);
    switch (island) {
    case 0:
        DrawWork(cr, 1, {cx - 50, baseY - 70, 100, 60});
        break;
    case 1:
        for (int i = 0; i < 3; ++i) DrawElement(cr, 10, cx - 60 + i * 60, baseY + 10, 46);
        break;
    case 2:
        DrawElement(cr, 11, cx, baseY - 40, 80);
        break;
    case 3:
        DrawWork(cr, 13, {cx - 40, baseY - 130, 80, 120});
        break;
    default:
        PaintGlossy(cr, [&](cairo_t* c) { Star(c, cx, baseY - 70, 46, 22, 7, 0, 0.3); },
                    Hex("FFB300"), {});
        break;
    }
}

void DrawMapBG(const TTile& t) {
    cairo_t* cr = t.cr;
    DrawSeaBand(cr, {0, 0, ScreenW, ScreenH}, Hex("4FC3F7"), Hex("1E88E5"), 13);
    // The sailing route from island to island.
    const double route[][2] = {{437, 600}, {294, 300}, {697, 277}, {1101, 321}, {901, 603}};
    cairo_move_to(cr, route[0][0], route[0][1]);
    for (int i = 1; i < 5; ++i)
        cairo_curve_to(cr, (route[i - 1][0] + route[i][0]) / 2, route[i - 1][1],
                       (route[i - 1][0] + route[i][0]) / 2, route[i][1], route[i][0], route[i][1]);
    const double dash[] = {14, 12};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    for (int island = 0; island < 5; ++island) DrawMapIsland(cr, island);
    DrawCompassRose(cr, 640, 560, 70);
    // A rope border round the chart.
    RoundedRect(cr, 8, 8, ScreenW - 16, ScreenH - 16, 24);
    SetColor(cr, Hex("C9A66B"));
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
}

void DrawRoomName(const TTile& t) {
    const char* names[] = {"Palm Harbour", "Coral Bay", "Pearl Lagoon", "Windy Cliffs",
                           "Sun Crown"};
    cairo_t* cr = t.cr;
    // A scroll: a sand band with rolled ends.
    PaintGlossy(cr, [&](cairo_t* c) { RoundedRect(c, 18, 12, t.W - 36, t.H - 24, 8); },
                Hex("F3E2BE"), {});
    for (const double x : {14.0, t.W - 14})
        PaintGlossy(cr, [&](cairo_t* c) { RoundedRect(c, x - 10, 6, 20, t.H - 12, 10); },
                    Hex("D9B77A"), {});
    TCaptionStyle style;
    style.Fill = Hex("FFE07A");
    style.Outline = Hex("5A3A1E");
    style.OutlineWidth = 3;
    DrawCaption(cr, names[t.Pattern], t.W / 2, t.H / 2, t.H * 0.45, style, t.W - 60);
}

void DrawWave(const TTile& t) {
    const double phase = 2 * M_PI * t.Pattern / 3;
    for (int row = 0; row < 2; ++row) {
        cairo_move_to(t.cr, 4, 14 + row * 14);
        for (double x = 4; x <= t.W - 4; x += 2)
            cairo_line_to(t.cr, x, 14 + row * 14 + 5 * std::sin(phase + x * 0.08 + row));
    }
    cairo_set_source_rgba(t.cr, 1, 1, 1, 0.85);
    cairo_set_line_width(t.cr, 3);
    cairo_set_line_cap(t.cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(t.cr);
}

void DrawStamp(const TTile& t) {
    cairo_t* cr = t.cr;
    const double c = t.W / 2;
    cairo_arc(cr, c, c, c - 4, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.85, 0.15, 0.15, 0.85);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_move_to(cr, c - 14, c);
    cairo_line_to(cr, c - 3, c + 12);
    cairo_line_to(cr, c + 16, c - 12);
    cairo_set_line_width(cr, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// ---- Help, extras, notices ----

void HelpPanel(cairo_t* cr, double x, double y, const char* title, const char* line1,
               const char* line2) {
    DrawFramedPanel(cr, x, y, 600, 300, 12, 22);
    TCaptionStyle head;
    head.Fill = Hex("FFE07A");
    head.Outline = Hex("5A3A1E");
    DrawCaption(cr, title, x + 300, y + 42, 30, head);
    TCaptionStyle body;
    body.Outline = Hex("5A3A1E");
    body.OutlineWidth = 2;
    DrawCaption(cr, line1, x + 300, y + 234, 20, body, 560);
    DrawCaption(cr, line2, x + 300, y + 264, 20, body, 560);
}

void DrawHelp(const TTile& t) {
    cairo_t* cr = t.cr;
    DrawSkyGradient(cr, {0, 0, ScreenW, ScreenH}, Hex("4FC3F7"), Hex("1E6FB8"));
    TCaptionStyle title;
    title.Fill = Hex("FFC83D");
    title.Outline = Hex("7A3E12");
    title.OutlineWidth = 4;
    DrawCaption(cr, "How to play", 683, 50, 50, title);
    HelpPanel(cr, 60, 100, "Swap and match", "Swap two neighbours to line up",
              "three or more of a kind.");
    DrawElement(cr, 2, 250, 210, 80);
    DrawElement(cr, 5, 350, 210, 80);
    DrawElement(cr, 2, 450, 210, 80);
    HelpPanel(cr, 706, 100, "Fill the panel", "Matched goods fly to their slots.",
              "Gather them all before the tube runs dry.");
    for (int i = 0; i < 3; ++i) DrawElement(cr, 3 + i, 900 + i * 100, 210, 80);
    HelpPanel(cr, 60, 430, "Tools", "Keys open lockers, brooms sweep webs,",
              "spray cans chase worms away.");
    for (int i = 0; i < 3; ++i) DrawSpecialItem(cr, 104 + i, 260 + i * 100, 540, 80);
    HelpPanel(cr, 706, 430, "Energy",
              "Every match fills the energy bar:", "hammer, bomb and blaster wake up.");
    DrawSpecialItem(cr, 101, 1000, 540, 90);
}

void DrawExtras(const TTile& t) {
    DrawSkyGradient(t.cr, {0, 0, ScreenW, ScreenH}, Hex("F3E2BE"), Hex("D9B77A"));
    for (int i = 0; i < 24; ++i)
        DrawElement(t.cr, 9 + i % 4, 80 + (i % 8) * 170, 120 + (i / 8) * 240, 60);
    DrawFramedPanel(t.cr, 383, 200, 600, 368, 14, 26);
    TCaptionStyle title;
    title.Fill = Hex("FFC83D");
    title.Outline = Hex("7A3E12");
    title.OutlineWidth = 4;
    DrawCaption(t.cr, "Extras", 683, 150, 56, title);
}

void DrawWin8Notice(const TTile& t) {
    DrawFramedPanel(t.cr, 2, 2, t.W - 6, t.H - 6, 8, 16);
    DrawCrest(t.cr, t.W / 2, 58, 36, TCrestIcon::Question);
    TCaptionStyle style;
    style.OutlineWidth = 2;
    DrawCaption(t.cr, "Windows 10 look", t.W / 2, 120, 16, style, t.W - 24);
}

// ---- Chat and tutorial layers ----

void DrawMovieMask(const TTile& t) {
    for (int side = 0; side < 2; ++side) {
        const double y0 = side == 0 ? 0 : t.H - 96, y1 = side == 0 ? 96 : t.H;
        cairo_rectangle(t.cr, 0, y0, t.W, y1 - y0);
        FillLinear(t.cr, 0, side == 0 ? y1 : y0, 0, side == 0 ? y0 : y1,
                   {{0, {0, 0, 0, 0}}, {0.3, {0, 0, 0, 0.9}}, {1, {0, 0, 0, 1}}});
    }
}

void DrawTutorialPanel(const TTile& t) {
    RoundedRect(t.cr, 3, 3, t.W - 6, t.H - 6, 26);
    cairo_set_source_rgba(t.cr, 0.03, 0.12, 0.24, 0.88);
    cairo_fill_preserve(t.cr);
    SetColor(t.cr, Palette::Gold);
    cairo_set_line_width(t.cr, 3);
    cairo_stroke(t.cr);
}

// Pictures of the thirteen tutorial steps, in the order of the steps.
void DrawTutorialIcon(const TTile& t) {
    cairo_t* cr = t.cr;
    const double cy = t.H / 2;
    const auto arrow = [&](double x0, double x1) {
        cairo_move_to(cr, x0, cy + 26);
        cairo_curve_to(cr, x0 + 10, cy + 36, x1 - 10, cy + 36, x1, cy + 26);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    };
    switch (t.Pattern) {
    case 0:
        DrawElement(cr, 2, 60, cy, 50);
        DrawElement(cr, 5, 110, cy, 50);
        arrow(60, 110);
        DrawElement(cr, 2, 160, cy, 50);
        break;
    case 1:
        DrawGoldTile(cr, 2, false, 70, cy, 56);
        DrawGoldTile(cr, 1, true, 130, cy, 56);
        break;
    case 2:
        DrawBubble(cr, 70, cy, 24);
        DrawElement(cr, 3, 70, cy, 36);
        DrawSpecialItem(cr, 103, 130, cy, 56);
        break;
    case 3: // the energy tools: hammer, bomb, blaster
        DrawSpecialItem(cr, 101, 50, cy, 50);
        DrawBomb(cr, 96, cy + 6, 15, 1);
        DrawConch(cr, 146, cy, 56, 0.6);
        break;
    case 4: {
        const TColor metals[] = {Hex("CD7F32"), Hex("C0C8D0"), Hex("F6C343")};
        for (int i = 0; i < 3; ++i) {
            PaintGlossy(cr, [&](cairo_t* c) { Ellipse(c, 50 + i * 46, cy, 20, 20); }, metals[i],
                        {});
            PaintGlossy(cr, [&](cairo_t* c) { Star(c, 50 + i * 46, cy, 11, 5, 5); },
                        Lighter(metals[i], 0.4), {});
        }
        break;
    }
    case 5:
        for (int i = 0; i < 3; ++i) DrawSpecialItem(cr, 104 + i, 50 + i * 46, cy, 50);
        break;
    case 6:
        DrawGuardianIcon(cr, 96, cy, 70);
        break;
    case 7:
        DrawSpiderIcon(cr, 70, cy, 60);
        DrawElement(cr, 7, 140, cy, 50);
        break;
    case 8:
        DrawWork(cr, 1, {46, 6, 100, 60});
        break;
    case 9:
        DrawElement(cr, 4, 96, cy, 52);
        DrawChainIcon(cr, 96, cy, 56);
        break;
    case 10:
        DrawGoldTile(cr, 1, true, 80, cy, 56);
        PaintGlossy(cr, [&](cairo_t* c) { Star(c, 136, cy, 16, 7, 5); }, Palette::Gold, {});
        break;
    case 11:
        DrawElement(cr, 17, 76, cy, 56);
        DrawElement(cr, 18, 124, cy, 56);
        break;
    default:
        PaintGlossy(cr, [&](cairo_t* c) { Star(c, 96, cy, 34, 24, 12); }, Hex("FFB300"), {});
        TCaptionStyle style;
        style.OutlineWidth = 2;
        DrawCaption(cr, "x5", 96, cy, 26, style);
    }
}

void DrawTutorialArrow(const TTile& t) {
    const TColor color = t.Pattern == 0 ? Hex("FFD54A") : Hex("FFF59D");
    PaintGlossy(t.cr,
                [](cairo_t* c) {
                    cairo_move_to(c, 16, 16);
                    cairo_line_to(c, 29, 29);
                    cairo_line_to(c, 20.5, 29);
                    cairo_line_to(c, 20.5, 37);
                    cairo_line_to(c, 11.5, 37);
                    cairo_line_to(c, 11.5, 29);
                    cairo_line_to(c, 3, 29);
                    cairo_close_path(c);
                },
                color, {});
    if (t.Pattern == 1) PaintGlow(t.cr, 16, 16, 14, {1, 1, 0.8, 0.9});
}

// Balloon pieces: 0 the top, 1 one text line, 2 the bottom with a small tail.
void DrawBalloonPiece(const TTile& t) {
    cairo_t* cr = t.cr;
    const double r = 16;
    const auto body = [&](cairo_t* c) {
        if (t.Pattern == 0)
            RoundedRect(c, 2, 4, t.W - 4, t.H + 30, r);
        else if (t.Pattern == 1)
            cairo_rectangle(c, 2, -1, t.W - 4, t.H + 2);
        else {
            RoundedRect(c, 2, -30, t.W - 4, t.H + 20, r);
        }
    };
    cairo_new_path(cr);
    body(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_fill_preserve(cr);
    SetColor(cr, Hex("2F5F8F"));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    if (t.Pattern == 2) {
        // A small tail, drawn inside the piece.
        cairo_move_to(cr, 40, t.H - 12);
        cairo_line_to(cr, 30, t.H - 1);
        cairo_line_to(cr, 62, t.H - 12);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_fill_preserve(cr);
        SetColor(cr, Hex("2F5F8F"));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

// ---- Comic strips of the opening and the ending ----

void ComicPanel(cairo_t* cr, TBox box, const std::function<void()>& scene) {
    cairo_save(cr);
    RoundedRect(cr, box.X, box.Y, box.W, box.H, 10);
    cairo_clip(cr);
    // The scene keeps its proportions and fills the panel; its middle stays in view.
    const double scale = std::max(box.W / ScreenW, box.H / ScreenH);
    cairo_translate(cr, box.X + (box.W - ScreenW * scale) / 2,
                    box.Y + (box.H - ScreenH * scale) / 2);
    cairo_scale(cr, scale, scale);
    scene();
    cairo_restore(cr);
    RoundedRect(cr, box.X, box.Y, box.W, box.H, 10);
    cairo_set_source_rgb(cr, 0.1, 0.08, 0.06);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

void StormScene(cairo_t* cr) {
    DrawSkyGradient(cr, {0, 0, ScreenW, ScreenH}, Hex("2B3A4A"), Hex("5C6B7A"));
    DrawCloud(cr, 300, 140, 500, 0.5);
    DrawCloud(cr, 1000, 100, 600, 0.45);
    cairo_move_to(cr, 800, 0);
    cairo_line_to(cr, 740, 220);
    cairo_line_to(cr, 800, 230);
    cairo_line_to(cr, 720, 460);
    cairo_set_source_rgba(cr, 1, 1, 0.7, 0.95);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    DrawSeaBand(cr, {0, 420, ScreenW, 348}, Hex("2E5C7A"), Hex("13324A"), 19);
    for (int i = 0; i < 5; ++i)
        DrawWork(cr, i % 2 ? 2 : 5, {100.0 + i * 250, 380.0 + (i % 2) * 60, 200, 160});
}

void CoveScene(cairo_t* cr, TPerson person, bool captain) {
    DrawHavenGround(cr);
    DrawPerson(cr, person, 560, 620, 420, {});
    if (captain) {
        DrawPerson(cr, TPerson::Borre, 860, 620, 440, {0.6, 0.5});
        PaintGlossy(cr, [](cairo_t* c) { RoundedRect(c, 640, 400, 150, 100, 8); }, Hex("F3E2BE"),
                    {});
    }
}

void SailScene(cairo_t* cr, bool sunset) {
    DrawSkyGradient(cr, {0, 0, ScreenW, 440}, sunset ? Hex("FF8A65") : Hex("5DB8EE"),
                    sunset ? Hex("FFE0B2") : Hex("E3F6FC"));
    DrawSun(cr, 1000, sunset ? 400 : 150, 80);
    DrawSeaBand(cr, {0, 420, ScreenW, 348}, sunset ? Hex("8E5A8A") : Hex("2FA4E0"), Hex("0E3C6E"),
                23);
    DrawIsland(cr, 900, 1300, 440, 330, Hex("7CCB5A"), 4);
    if (sunset)
        DrawZeppelin(cr, {300, 120, 420, 220});
    else
        DrawWork(cr, 6, {380, 360, 420, 330});
}

void DrawStrip(const TTile& t) {
    cairo_t* cr = t.cr;
    cairo_set_source_rgb(cr, 0.98, 0.94, 0.86);
    cairo_paint(cr);
    const std::string& name = t.Entry.Name;
    const bool ending = name.rfind("Ending", 0) == 0;
    const int strip = name.back() - '1';
    const TBox big{30, 30, 800, 708}, top{860, 30, 476, 340}, bottom{860, 398, 476, 340};
    if (!ending) {
        switch (strip) {
        case 0:
            ComicPanel(cr, big, [&] { StormScene(cr); });
            ComicPanel(cr, top, [&] { CoveScene(cr, TPerson::Maren, false); });
            ComicPanel(cr, bottom, [&] { StormScene(cr); });
            break;
        case 1:
            ComicPanel(cr, big, [&] { CoveScene(cr, TPerson::Tovan, false); });
            ComicPanel(cr, top, [&] { DrawHavenGround(cr); });
            ComicPanel(cr, bottom, [&] { CoveScene(cr, TPerson::Maren, false); });
            break;
        case 2:
            ComicPanel(cr, big, [&] { CoveScene(cr, TPerson::Tovan, true); });
            ComicPanel(cr, top, [&] { DrawMapBG({cr, t.Entry, 0, ScreenW, ScreenH}); });
            ComicPanel(cr, bottom, [&] { CoveScene(cr, TPerson::Borre, false); });
            break;
        default:
            ComicPanel(cr, big, [&] { SailScene(cr, false); });
            ComicPanel(cr, top, [&] { CoveScene(cr, TPerson::Tovan, false); });
            ComicPanel(cr, bottom, [&] { DrawMapBG({cr, t.Entry, 0, ScreenW, ScreenH}); });
        }
        return;
    }
    const TTile stage{cr, t.Entry, 0, ScreenW, ScreenH};
    switch (strip) {
    case 0:
        ComicPanel(cr, {30, 30, 1306, 708}, [&] { DrawSplash(stage); });
        break;
    case 1:
        ComicPanel(cr, big, [&] {
            DrawHavenGround(cr);
            DrawWork(cr, 17, {300, 200, 700, 500});
            for (int i = 0; i < 5; ++i)
                DrawPerson(cr, static_cast<TPerson>(i), 200 + i * 240, 760, 300, {0, 0.8});
        });
        ComicPanel(cr, top, [&] {
            DrawHavenGround(cr);
            DrawWork(cr, 18, {100, 100, 1100, 500});
        });
        ComicPanel(cr, bottom, [&] { CoveScene(cr, TPerson::Oskar, false); });
        break;
    default:
        ComicPanel(cr, {30, 30, 1306, 708}, [&] { SailScene(cr, true); });
        break;
    }
}

} // namespace

void AddSceneArt(TCatalog& catalog) {
    catalog.AddFamily("CompanyLogo", DrawCompanyLogo);
    catalog.Add("SplashBG", DrawSplash);
    catalog.Add("TransDark", DrawTransDark);
    catalog.Add("TransSpin",
                [](const TTile& t) { DrawCompassRose(t.cr, t.W / 2, t.H / 2, t.H / 2 - 10); });
    catalog.Add("WelcomePanel", [](const TTile& t) {
        DrawFramedPanel(t.cr, 4, 4, t.W - 10, t.H - 10, 10, 20);
        DrawWork(t.cr, 6, {t.W - 90, 14, 70, t.H - 30});
    });
    catalog.Add("MenuPanel",
                [](const TTile& t) { DrawFramedPanel(t.cr, 4, 4, t.W - 10, t.H - 10, 12, 24); });
    catalog.Add("FeatureShine", DrawFeatureShine);
    catalog.Add("GameLogo",
                [](const TTile& t) { DrawGameTitle(t.cr, t.W / 2, t.H / 2 + 8, t.W - 10); });
    catalog.Add("MapBG", DrawMapBG);
    catalog.Add("BuySlotsPanelB",
                [](const TTile& t) { DrawFramedPanel(t.cr, 3, 3, t.W - 8, t.H - 8, 10, 20); });
    catalog.Add("CompletedStamp", DrawStamp);
    catalog.Add("RoomNames", DrawRoomName);
    catalog.Add("WorldMapWaves", DrawWave);
    catalog.Add("Extras", DrawExtras);
    catalog.Add("Help1", DrawHelp);
    catalog.Add("Win8Notice", DrawWin8Notice);
    catalog.Add("BlackRect", [](const TTile& t) {
        cairo_set_source_rgb(t.cr, 0, 0, 0);
        cairo_paint(t.cr);
    });
    catalog.Add("MovieEffectMask", AtDoubleSize(DrawMovieMask));
    catalog.Add("TutorialBlackRect", DrawTutorialPanel);
    catalog.Add("TutorialIcons", DrawTutorialIcon);
    catalog.Add("TutorialArrow", DrawTutorialArrow);
    catalog.Add("ChapterDialogBalloon", DrawBalloonPiece);
    catalog.AddFamily("StoryStrip", DrawStrip);
    catalog.AddFamily("EndingStrip", DrawStrip);
}
