// Short-lived board effects: shines, sparkles, bursts, explosions, the hammer swing, combo
// badges, the blaster's vortex, diamonds and the boss's aura. Most are drawn additively, so
// they are light on transparent ground.
#include "Catalog.h"
#include "Elements.h"
#include "Style.h"
#include "TextArt.h"

#include <cmath>
#include <string>

namespace {

double Progress(const TTile& t) {
    const int count = t.Entry.Columns * t.Entry.Rows;
    return count > 1 ? static_cast<double>(t.Pattern) / (count - 1) : 0;
}

void DrawTileShine(const TTile& t) {
    cairo_t* cr = t.cr;
    const double width = t.Pattern == 0 ? 18 : 7;
    RoundedRect(cr, 2, 2, t.W - 4, t.H - 4, 5);
    FillLinear(cr, 0, 0, t.W, t.H,
               {{0.5 - width / t.W, {1, 1, 1, 0}},
                {0.5, {1, 1, 1, 0.8}},
                {0.5 + width / t.W, {1, 1, 1, 0}}});
}

// The mallet swings from raised to the strike; the head lands on the cell centre (55, 94).
void DrawHammerHitting(const TTile& t) {
    cairo_t* cr = t.cr;
    const double pivotX = 97, pivotY = 82, length = 44;
    const double angle = (-100 - 95 * Progress(t)) * M_PI / 180;
    const double headX = pivotX + length * std::cos(angle),
                 headY = pivotY + length * std::sin(angle);
    if (t.Pattern >= 5 && t.Pattern < 8) { // motion blur arc behind the head
        cairo_arc_negative(cr, pivotX, pivotY, length, angle + 0.5, angle + 0.05);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
        cairo_set_line_width(cr, 16);
        cairo_stroke(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, headX, headY);
    cairo_rotate(cr, angle + M_PI / 2);
    TGloss gloss;
    gloss.Shadow = 2;
    PaintGlossy(
        cr, [&](cairo_t* c) { RoundedRect(c, -3.5, 4, 7, length + 4, 3); }, Hex("C98B4E"), gloss);
    PaintGlossy(
        cr, [](cairo_t* c) { RoundedRect(c, -20, -11, 40, 22, 6); }, Hex("D9534F"), gloss);
    PaintFlat(
        cr,
        [](cairo_t* c) {
            cairo_rectangle(c, -14, -11, 4, 22);
            cairo_rectangle(c, 10, -11, 4, 22);
        },
        Hex("E0E4EA"), Hex("7D8794"), 1);
    cairo_restore(cr);
    if (t.Pattern == 8)
        PaintFlat(
            cr, [&](cairo_t* c) { Star(c, 55, 100, 16, 6, 8); }, {1, 1, 0.8, 0.9},
            {1, 0.7, 0.1, 0.9}, 1.5);
}

void DrawComboText(const TTile& t) {
    cairo_t* cr = t.cr;
    const double cx = t.W / 2, cy = t.H / 2;
    const TColor colors[] = {Hex("FFB300"), Hex("FF7043"), Hex("EC407A"), Hex("AB47BC")};
    TGloss gloss;
    gloss.Shadow = 3;
    PaintGlossy(
        cr, [&](cairo_t* c) { Star(c, cx, cy, 54, 40, 14); }, colors[t.Pattern], gloss);
    PaintGlossy(cr, [&](cairo_t* c) { RoundedRect(c, 8, cy + 14, t.W - 16, 26, 8); }, Hex("1E88E5"),
                {});
    TCaptionStyle big;
    big.OutlineWidth = 3.5;
    DrawCaption(cr, "x" + std::to_string(t.Pattern + 4), cx, cy - 9, 40, big);
    TCaptionStyle small;
    small.OutlineWidth = 2;
    DrawCaption(cr, "COMBO", cx, cy + 27, 17, small, t.W - 24);
}

void DrawCyanParticle(const TTile& t) {
    cairo_t* cr = t.cr;
    const double c = t.W / 2;
    const TColor cyan = {0.35, 1, 1, 1};
    switch (t.Pattern) {
    case 0:
        PaintGlow(cr, c, c, c - 1, cyan);
        break;
    case 1:
        PaintGlow(cr, c, c, c * 0.7, WithAlpha(cyan, 0.7));
        PaintFlat(
            cr, [&](cairo_t* k) { Star(k, c, c, c - 2, 2.5, 4); }, {0.8, 1, 1, 1}, cyan, 0);
        break;
    case 2:
        cairo_arc(cr, c, c, c * 0.6, 0, 2 * M_PI);
        SetColor(cr, WithAlpha(cyan, 0.8));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        PaintGlow(cr, c, c, c - 1, WithAlpha(cyan, 0.35));
        break;
    case 3:
        PaintGlow(cr, c - 7, c - 4, c * 0.5, cyan);
        PaintGlow(cr, c + 7, c + 5, c * 0.45, cyan);
        break;
    default:
        PaintGlow(cr, c, c, c * 0.8, WithAlpha(cyan, 0.6));
        PaintFlat(
            cr, [&](cairo_t* k) { Star(k, c, c, c - 3, 4, 4, M_PI / 4); }, {0.85, 1, 1, 1}, cyan,
            0);
    }
}

void DrawLittleStar(const TTile& t) {
    const double c = t.W / 2;
    PaintGlow(t.cr, c, c, c, {1, 1, 0.8, 0.6});
    PaintFlat(
        t.cr,
        [&](cairo_t* k) { Star(k, c, c, c - 1, t.Pattern == 0 ? 1.6 : 3, t.Pattern == 0 ? 4 : 5); },
        {1, 1, 0.9, 1}, Palette::Gold, 0.6);
}

void DrawBurstingBubble(const TTile& t) {
    cairo_t* cr = t.cr;
    const double c = t.W / 2;
    if (t.Pattern < 3) {
        const double wobble = 1 + 0.06 * t.Pattern;
        cairo_save(cr);
        cairo_translate(cr, c, c);
        cairo_scale(cr, wobble, 1 / wobble);
        DrawBubble(cr, 0, 0, c - 3);
        cairo_restore(cr);
        return;
    }
    // Droplets flying out and fading.
    const double f = (t.Pattern - 2) / 4.0;
    for (int i = 0; i < 10; ++i) {
        const double a = 2 * M_PI * i / 10 + 0.3;
        const double d = (c - 6) * (0.6 + 0.5 * f);
        cairo_arc(cr, c + d * std::cos(a), c + d * std::sin(a), 2.6 * (1 - f * 0.6), 0, 2 * M_PI);
        cairo_set_source_rgba(cr, 0.8, 0.95, 1, 0.95 * (1 - f * 0.8));
        cairo_fill(cr);
    }
}

// 0..4 a fire puff growing, 5..9 its smoke fading.
void DrawBombParticle(const TTile& t) {
    const double c = t.W / 2;
    if (t.Pattern < 5) {
        const double r = c * (0.45 + 0.13 * t.Pattern);
        PaintGlow(t.cr, c, c, r, {1, 0.65, 0.15, 1});
        PaintGlow(t.cr, c, c, r * 0.55, {1, 1, 0.7, 1});
    } else {
        const double f = (t.Pattern - 5) / 4.0;
        TArtRandom random(static_cast<uint64_t>(t.Pattern));
        for (int i = 0; i < 5; ++i)
            PaintGlow(t.cr, c + random.Range(-6, 6), c + random.Range(-6, 6), c * (0.55 + 0.35 * f),
                      {0.55, 0.55, 0.6, 0.55 * (1 - f * 0.8)});
    }
}

void DrawBombSparks(const TTile& t) {
    cairo_t* cr = t.cr;
    const double c = t.W / 2, f = Progress(t);
    for (int i = 0; i < 9; ++i) {
        const double a = 2 * M_PI * i / 9 + 0.2;
        const double r0 = 4 + 12 * f, r1 = r0 + 7 - 3 * f;
        cairo_move_to(cr, c + r0 * std::cos(a), c + r0 * std::sin(a));
        cairo_line_to(cr, c + r1 * std::cos(a), c + r1 * std::sin(a));
    }
    cairo_set_source_rgba(cr, 1, 0.85, 0.3, 1 - f * 0.7);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void DrawCollectorBlur(const TTile& t) {
    cairo_t* cr = t.cr;
    const double c = t.W / 2;
    const double turn = 2 * M_PI * t.Pattern / 16;
    PaintGlow(cr, c, c, c - 2, {0.5, 1, 1, 0.5});
    for (int arm = 0; arm < 3; ++arm) {
        cairo_move_to(cr, c, c);
        for (double s = 0; s <= 1.0; s += 0.05) {
            const double a = turn + arm * 2 * M_PI / 3 + s * 3.2;
            cairo_line_to(cr, c + s * (c - 6) * std::cos(a), c + s * (c - 6) * std::sin(a));
        }
        cairo_set_source_rgba(cr, 0.85, 1, 1, 0.85);
        cairo_set_line_width(cr, 4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void DrawCollectorWave(const TTile& t) {
    cairo_t* cr = t.cr;
    const double c = t.W / 2, f = Progress(t);
    cairo_arc(cr, c, c, 18 + (c - 24) * f, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.6, 1, 1, 0.9 * (1 - f * 0.75));
    cairo_set_line_width(cr, 12 - 8 * f);
    cairo_stroke(cr);
}

void DrawDiamondBig(const TTile& t) {
    const double c = t.W / 2;
    if (t.Pattern == 1) PaintGlow(t.cr, c, c, c, {1, 1, 1, 0.9});
    DrawElement(t.cr, 12, c, c, t.W);
    if (t.Pattern == 1)
        PaintFlat(
            t.cr, [&](cairo_t* k) { Star(k, c + 10, c - 10, 12, 2.5, 4); }, Palette::White,
            Palette::Sky, 0);
}

// Crystal butterflies; the wings open and close over five frames.
void DrawDiamondButterfly(const TTile& t) {
    cairo_t* cr = t.cr;
    const TColor colors[] = {Hex("64B5F6"), Hex("69F0AE"), Hex("FF80AB")};
    const TColor wing = colors[t.Entry.Name.back() - '1'];
    const double c = t.W / 2;
    const double open = 0.25 + 0.75 * std::abs(std::cos(M_PI * t.Pattern / 4.0));
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, c, c);
        cairo_scale(cr, side * open, 1);
        TGloss gloss;
        gloss.Rim = 1.2;
        PaintGlossy(
            cr,
            [](cairo_t* k) {
                cairo_move_to(k, 0, -2);
                cairo_line_to(k, 22, -20);
                cairo_line_to(k, 26, -4);
                cairo_line_to(k, 2, 2);
                cairo_close_path(k);
            },
            wing, gloss);
        PaintGlossy(
            cr,
            [](cairo_t* k) {
                cairo_move_to(k, 0, 2);
                cairo_line_to(k, 20, 6);
                cairo_line_to(k, 14, 20);
                cairo_close_path(k);
            },
            Lighter(wing, 0.25), gloss);
        cairo_restore(cr);
    }
    PaintFlat(
        cr, [&](cairo_t* k) { Ellipse(k, c, c, 2.5, 11); }, Hex("37474F"), Hex("263238"), 0.8);
}

void DrawMonsterAura(const TTile& t) {
    const double c = t.W / 2;
    cairo_arc(t.cr, c, c, c, 0, 2 * M_PI);
    FillRadial(t.cr, c, c, c * 0.35, c,
               {{0, {0.7, 0.2, 1, 0}},
                {0.7, {0.8, 0.35, 1, 0.55}},
                {0.86, {1, 0.6, 1, 0.9}},
                {1, {0.7, 0.2, 1, 0}}});
}

void DrawAuraSpark(const TTile& t) {
    const double c = t.W / 2, f = Progress(t);
    const double size = (c - 2) * std::sin(M_PI * (0.15 + 0.85 * f));
    PaintGlow(t.cr, c, c, size + 4, {1, 0.5, 1, 0.7});
    PaintFlat(
        t.cr, [&](cairo_t* k) { Star(k, c, c, size, size * 0.25, 4, f * M_PI); }, {1, 0.9, 1, 1},
        {0.9, 0.4, 1, 1}, 0);
}

} // namespace

void AddEffectArt(TCatalog& catalog) {
    catalog.Add("TileShine", DrawTileShine);
    catalog.Add("HammerHitting", DrawHammerHitting);
    catalog.Add("ComboText", DrawComboText);
    catalog.Add("CyanParticle", DrawCyanParticle);
    catalog.Add("LittleStars", DrawLittleStar);
    catalog.Add("BurstingBubble", DrawBurstingBubble);
    catalog.Add("BombParticle", DrawBombParticle);
    catalog.Add("BombSparks", DrawBombSparks);
    catalog.Add("CollectorBlur", DrawCollectorBlur);
    catalog.Add("CollectorWave", DrawCollectorWave);
    catalog.Add("DiamondsBig", DrawDiamondBig);
    catalog.AddFamily("DiamondButterfly", DrawDiamondButterfly);
    catalog.Add("MonsterAura", DrawMonsterAura);
    catalog.Add("MonsterAuraSpark", DrawAuraSpark);
}
