// The five island guardians that hoard the harvest: owl, squirrel, bee, bat and cat. Each is a
// round, glossy creature with its own shape (ear tufts, bushy tail, stripes and wings, bat
// wings, cat ears), walking, facing front while it drains energy, beaten, and in pieces.
#include "Catalog.h"
#include "Elements.h"
#include "Style.h"

#include <array>
#include <cmath>
#include <string>

namespace {

enum class TBoss { Owl, Squirrel, Bee, Bat, Cat };

struct TBossLook {
    TColor Body, Belly, Accent;
};

TBossLook LookOf(TBoss boss) {
    switch (boss) {
    case TBoss::Owl:
        return {Hex("7B5EA7"), Hex("D9C8F0"), Hex("FFC107")};
    case TBoss::Squirrel:
        return {Hex("D9772B"), Hex("FFE0B2"), Hex("263238")};
    case TBoss::Bee:
        return {Hex("FFCA28"), Hex("FFF3C4"), Hex("3E2723")};
    case TBoss::Bat:
        return {Hex("5E4B8B"), Hex("B39DDB"), Hex("F06292")};
    default:
        return {Hex("6C8EBF"), Hex("E3EBF5"), Hex("FFD54F")};
    }
}

TBoss BossOf(const std::string& name) {
    if (name.rfind("Owl", 0) == 0) return TBoss::Owl;
    if (name.rfind("Squirrel", 0) == 0) return TBoss::Squirrel;
    if (name.rfind("Bee", 0) == 0) return TBoss::Bee;
    if (name.rfind("Bat", 0) == 0) return TBoss::Bat;
    return TBoss::Cat;
}

struct TBossPose {
    double Bob = 0;     // body lift
    double Step = 0;    // -1..1 feet and wings
    double Squash = 1;  // breathing
    bool Front = false; // facing the player (else walking left)
    bool Dizzy = false;
    double Tilt = 0;
};

TGloss BossGloss(double shadow = 0) {
    TGloss gloss;
    gloss.Rim = 3;
    gloss.Shadow = shadow;
    gloss.ShadowY = 5;
    return gloss;
}

void DrawBossEye(cairo_t* cr, double x, double y, double r, TColor iris, bool dizzy, double look) {
    PaintGlossy(
        cr, [&](cairo_t* c) { Ellipse(c, x, y, r, r * 1.1); }, Palette::White, BossGloss());
    if (dizzy) {
        cairo_move_to(cr, x - r * 0.5, y - r * 0.5);
        cairo_line_to(cr, x + r * 0.5, y + r * 0.5);
        cairo_move_to(cr, x + r * 0.5, y - r * 0.5);
        cairo_line_to(cr, x - r * 0.5, y + r * 0.5);
        cairo_set_source_rgb(cr, 0.15, 0.1, 0.2);
        cairo_set_line_width(cr, r * 0.25);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        return;
    }
    PaintFlat(
        cr, [&](cairo_t* c) { Ellipse(c, x + look * r * 0.3, y + r * 0.1, r * 0.62, r * 0.62); },
        iris, Darker(iris, 0.5), 1.5);
    cairo_arc(cr, x + look * r * 0.35, y + r * 0.15, r * 0.32, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.1, 0.06, 0.1);
    cairo_fill(cr);
    cairo_arc(cr, x + look * r * 0.2 - r * 0.1, y - r * 0.15, r * 0.14, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    // A grumpy brow.
    cairo_move_to(cr, x - r, y - r * 1.05 - (x < 130 ? -r * 0.25 : 0));
    cairo_line_to(cr, x + r, y - r * 1.05 - (x < 130 ? 0 : -r * 0.25));
    cairo_set_source_rgb(cr, 0.15, 0.1, 0.2);
    cairo_set_line_width(cr, r * 0.28);
    cairo_stroke(cr);
}

// Two mirrored triangles on the head (ear tufts or ears): base, tip and base again, as offsets
// from the body centre for the right one.
void PairOfEars(cairo_t* cr, double cx, double cy, const std::array<double, 6>& ear, TColor color) {
    for (int side = -1; side <= 1; side += 2)
        PaintGlossy(
            cr,
            [&](cairo_t* c) {
                cairo_move_to(c, cx + side * ear[0], cy + ear[1]);
                cairo_line_to(c, cx + side * ear[2], cy + ear[3]);
                cairo_line_to(c, cx + side * ear[4], cy + ear[5]);
                cairo_close_path(c);
            },
            color, BossGloss());
}

// The boss in a 260 x 200 tile: body centred near (135, 110), feet on y 188.
void DrawBoss(cairo_t* cr, TBoss boss, const TBossPose& pose) {
    const TBossLook look = LookOf(boss);
    const double cx = 135, cy = 108 - pose.Bob;
    const double look_ = pose.Front ? 0 : -1;
    PaintGlow(cr, cx, 190, 95, {0.05, 0.1, 0.2, 0.35});
    cairo_save(cr);
    cairo_translate(cr, cx, 188);
    cairo_rotate(cr, pose.Tilt);
    cairo_scale(cr, 1, pose.Squash);
    cairo_translate(cr, -cx, -188);
    // Behind the body: tails and wings.
    switch (boss) {
    case TBoss::Squirrel:
        PaintGlossy(
            cr,
            [&](cairo_t* c) {
                cairo_move_to(c, cx + 40, cy + 60);
                cairo_curve_to(c, cx + 130, cy + 40, cx + 130, cy - 100, cx + 60, cy - 90);
                cairo_curve_to(c, cx + 100, cy - 40, cx + 70, cy + 10, cx + 30, cy + 20);
                cairo_close_path(c);
            },
            Lighter(look.Body, 0.1), BossGloss());
        break;
    case TBoss::Bee:
        for (int side = -1; side <= 1; side += 2)
            PaintGlossy(
                cr,
                [&](cairo_t* c) {
                    Ellipse(c, cx + side * 50, cy - 70 - pose.Step * side * 8, 34, 22);
                },
                {0.85, 0.95, 1, 0.7}, BossGloss());
        break;
    case TBoss::Bat:
        for (int side = -1; side <= 1; side += 2)
            PaintGlossy(
                cr,
                [&](cairo_t* c) {
                    const double lift = pose.Step * 20 * side;
                    cairo_move_to(c, cx + side * 40, cy - 20);
                    cairo_line_to(c, cx + side * 125, cy - 60 - lift);
                    cairo_line_to(c, cx + side * 110, cy + 10 - lift);
                    cairo_line_to(c, cx + side * 90, cy - 5 - lift);
                    cairo_line_to(c, cx + side * 75, cy + 30 - lift);
                    cairo_line_to(c, cx + side * 45, cy + 30);
                    cairo_close_path(c);
                },
                Darker(look.Body, 0.2), BossGloss());
        break;
    case TBoss::Cat:
        cairo_move_to(cr, cx + 60, cy + 60);
        cairo_curve_to(cr, cx + 130, cy + 60, cx + 110, cy - 40, cx + 100 + pose.Step * 10,
                       cy - 60);
        SetColor(cr, Darker(look.Body, 0.3));
        cairo_set_line_width(cr, 20);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke_preserve(cr);
        SetColor(cr, look.Body);
        cairo_set_line_width(cr, 15);
        cairo_stroke(cr);
        break;
    default:
        break;
    }
    // Feet.
    for (int side = -1; side <= 1; side += 2)
        PaintGlossy(
            cr,
            [&](cairo_t* c) { Ellipse(c, cx + side * 34 + pose.Step * side * 10, 182, 22, 10); },
            boss == TBoss::Owl ? look.Accent : Darker(look.Body, 0.25), BossGloss());
    // The round body and its belly.
    PaintGlossy(
        cr, [&](cairo_t* c) { Ellipse(c, cx, cy, 78, 76); }, look.Body, BossGloss(4));
    PaintGlossy(
        cr, [&](cairo_t* c) { Ellipse(c, cx + look_ * 6, cy + 28, 48, 40); }, look.Belly,
        BossGloss());
    if (boss == TBoss::Bee)
        for (int i = 0; i < 2; ++i) {
            cairo_save(cr);
            Ellipse(cr, cx, cy, 78, 76);
            cairo_clip(cr);
            cairo_rectangle(cr, cx - 80, cy + 10 + i * 32, 160, 14);
            SetColor(cr, look.Accent);
            cairo_fill(cr);
            cairo_restore(cr);
        }
    // Ears, tufts or crowns on top.
    switch (boss) {
    case TBoss::Owl:
        PairOfEars(cr, cx, cy, {30, -66, 70, -100, 64, -50}, look.Body);
        break;
    case TBoss::Squirrel:
        PaintGlossy(
            cr,
            [&](cairo_t* c) {
                cairo_move_to(c, cx - 60, cy - 56);
                cairo_curve_to(c, cx - 40, cy - 110, cx + 40, cy - 110, cx + 60, cy - 56);
                cairo_close_path(c);
            },
            Hex("263238"), BossGloss());
        PaintFlat(
            cr, [&](cairo_t* c) { Ellipse(c, cx, cy - 80, 9, 8); }, Palette::White, Hex("90A4AE"),
            1.5);
        break;
    case TBoss::Bat:
    case TBoss::Cat:
        PairOfEars(cr, cx, cy, {22, -70, 58, -112, 66, -46}, look.Body);
        break;
    default:
        break;
    }
    if (boss == TBoss::Bee || boss == TBoss::Cat)
        PaintGlossy(
            cr,
            [&](cairo_t* c) {
                cairo_move_to(c, cx - 30, cy - 66);
                cairo_line_to(c, cx - 34, cy - 100);
                cairo_line_to(c, cx - 14, cy - 82);
                cairo_line_to(c, cx, cy - 106);
                cairo_line_to(c, cx + 14, cy - 82);
                cairo_line_to(c, cx + 34, cy - 100);
                cairo_line_to(c, cx + 30, cy - 66);
                cairo_close_path(c);
            },
            Palette::Gold, BossGloss());
    // Face.
    const double faceX = cx + look_ * 12;
    DrawBossEye(cr, faceX - 27, cy - 22, 20, boss == TBoss::Owl ? look.Accent : Hex("7CB342"),
                pose.Dizzy, look_);
    DrawBossEye(cr, faceX + 27, cy - 22, 20, boss == TBoss::Owl ? look.Accent : Hex("7CB342"),
                pose.Dizzy, look_);
    if (boss == TBoss::Squirrel && !pose.Dizzy)
        PaintFlat(
            cr, [&](cairo_t* c) { Ellipse(c, faceX + 27, cy - 22, 22, 22); }, Hex("263238"),
            Hex("263238"), 0);
    if (boss == TBoss::Owl)
        PaintGlossy(
            cr,
            [&](cairo_t* c) {
                cairo_move_to(c, faceX - 10, cy);
                cairo_line_to(c, faceX + 10, cy);
                cairo_line_to(c, faceX, cy + 18);
                cairo_close_path(c);
            },
            Hex("FFA000"), BossGloss());
    else {
        cairo_move_to(cr, faceX - 16, cy + 12);
        cairo_curve_to(cr, faceX - 6, cy + 4, faceX + 6, cy + 4, faceX + 16, cy + 12);
        cairo_set_source_rgb(cr, 0.2, 0.1, 0.15);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        if (boss == TBoss::Bat || boss == TBoss::Cat)
            for (int side = -1; side <= 1; side += 2)
                PaintFlat(
                    cr,
                    [&](cairo_t* c) {
                        cairo_move_to(c, faceX + side * 9, cy + 8);
                        cairo_line_to(c, faceX + side * 4, cy + 8);
                        cairo_line_to(c, faceX + side * 6.5, cy + 18);
                        cairo_close_path(c);
                    },
                    Palette::White, Hex("9E9E9E"), 1);
        if (boss == TBoss::Cat)
            for (int side = -1; side <= 1; side += 2)
                for (int i = 0; i < 2; ++i) {
                    cairo_move_to(cr, faceX + side * 22, cy + 2 + i * 8);
                    cairo_line_to(cr, faceX + side * 56, cy - 4 + i * 14);
                }
        cairo_set_source_rgb(cr, 0.2, 0.1, 0.15);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // Stubby arms (the owl's are wings).
    for (int side = -1; side <= 1; side += 2)
        PaintGlossy(
            cr,
            [&](cairo_t* c) {
                Ellipse(c, cx + side * 76, cy + 22 - pose.Step * side * 8,
                        boss == TBoss::Owl ? 20 : 15, boss == TBoss::Owl ? 36 : 22);
            },
            Darker(look.Body, 0.12), BossGloss());
    cairo_restore(cr);
    if (pose.Dizzy)
        for (int i = 0; i < 4; ++i) {
            const double a = i * M_PI / 2 + pose.Step;
            PaintGlossy(
                cr,
                [&](cairo_t* c) {
                    Star(c, cx + 70 * std::cos(a), 26 + 12 * std::sin(a), 11, 5, 5);
                },
                Hex("FFEB3B"), BossGloss());
        }
}

TBossPose PoseOf(const std::string& pose, int frame) {
    TBossPose p;
    if (pose == "Walk") {
        const double phase = 2 * M_PI * frame / 9;
        p.Step = std::sin(phase);
        p.Bob = 6 * std::abs(std::sin(phase));
    } else if (pose == "Front") {
        p.Front = true;
        p.Squash = 1 - 0.03 * std::sin(M_PI * frame / 2);
        p.Bob = 3 * std::sin(M_PI * frame / 2);
    } else { // Death: dizzy, tipping over, lying, lying with stars
        p.Front = true;
        p.Dizzy = true;
        const double tilts[] = {0, 0.35, 0.8, 0.85};
        p.Tilt = tilts[frame];
        p.Step = frame;
    }
    return p;
}

// Pieces that fly off a beaten boss.
void DrawBossPiece(const TTile& t, TBoss boss) {
    const TBossLook look = LookOf(boss);
    const double c = t.W / 2;
    cairo_t* cr = t.cr;
    cairo_save(cr);
    cairo_translate(cr, c, c);
    cairo_rotate(cr, t.Pattern * 1.1);
    switch (t.Pattern % 3) {
    case 0:
        PaintGlossy(
            cr, [](cairo_t* k) { LeafShape(k, -22, 10, 22, -10, 9); }, look.Body, BossGloss());
        break;
    case 1:
        PaintGlossy(
            cr, [](cairo_t* k) { Star(k, 0, 0, 20, 9, 5); }, look.Accent, BossGloss());
        break;
    default:
        PaintGlossy(
            cr, [](cairo_t* k) { Ellipse(k, 0, 0, 16, 12); }, look.Belly, BossGloss());
        break;
    }
    cairo_restore(cr);
}

void DrawBossTile(const TTile& t) {
    const std::string& name = t.Entry.Name;
    const TBoss boss = BossOf(name);
    const std::string pose = name.substr(name.find("Boss") + 4);
    if (pose == "Pieces")
        DrawBossPiece(t, boss);
    else
        DrawBoss(t.cr, boss, PoseOf(pose, t.Pattern));
}

} // namespace

void DrawGuardianIcon(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size / 220, size / 220);
    cairo_translate(cr, -135, -100);
    TBossPose pose;
    pose.Front = true;
    DrawBoss(cr, TBoss::Owl, pose);
    cairo_restore(cr);
}

void AddBossArt(TCatalog& catalog) {
    for (const char* kind : {"Owl", "Squirrel", "Bee", "Bat", "Cat"})
        catalog.AddFamily(std::string(kind) + "Boss", DrawBossTile);
}
