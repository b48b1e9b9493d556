// The board's spider: a round, friendly-looking pest with big eyes, in every pose it takes.
#include "Catalog.h"
#include "Elements.h"
#include "Style.h"

#include <cmath>

namespace {

const TColor SpiderBody = Hex("5B3A8C");

struct TSpiderPose {
    double BodyX = 42, BodyY = 37; // body centre in the 84 x 74 sprite
    double Tilt = 0;               // body rotation
    double LegPhase = 0;           // walking cycle, radians
    double LegSwing = 0;           // how far the legs swing
    double LegFold = 0;            // 0 legs out, 1 legs folded under the body
    bool Dizzy = false;            // spiral eyes after a hit
    bool Curled = false;           // rolled into a ball
    double Squash = 1;             // height factor when landing
};

void AddLeg(cairo_t* cr, double x, double y, double side, double angle, double reach, double lift) {
    const double kneeX = x + side * std::cos(angle) * reach * 0.55;
    const double kneeY = y + std::sin(angle) * reach * 0.35 - 9 - lift;
    const double footX = x + side * std::cos(angle) * reach;
    const double footY = y + std::sin(angle) * reach * 0.55 + 9 - lift * 0.3;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, kneeX, kneeY);
    cairo_line_to(cr, footX, footY);
}

void DrawEye(cairo_t* cr, double x, double y, double r, bool dizzy) {
    PaintFlat(
        cr, [&](cairo_t* c) { Ellipse(c, x, y, r, r * 1.15); }, Palette::White, Hex("2A1640"), 1);
    if (dizzy) {
        cairo_move_to(cr, x, y);
        for (double a = 0.3; a < 4 * M_PI; a += 0.3) {
            const double d = r * 0.85 * a / (4 * M_PI);
            cairo_line_to(cr, x + d * std::cos(a), y + d * std::sin(a));
        }
        SetColor(cr, Hex("2A1640"));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        return;
    }
    cairo_arc(cr, x + r * 0.15, y + r * 0.25, r * 0.55, 0, 2 * M_PI);
    SetColor(cr, Hex("1A0E2A"));
    cairo_fill(cr);
    cairo_arc(cr, x - r * 0.05, y, r * 0.2, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
}

void DrawSpider(cairo_t* cr, const TSpiderPose& pose) {
    cairo_save(cr);
    cairo_translate(cr, pose.BodyX, pose.BodyY);
    cairo_rotate(cr, pose.Tilt);
    cairo_scale(cr, 1, pose.Squash);
    if (!pose.Curled) {
        // Four legs a side, swinging in opposite pairs while walking.
        for (int side = -1; side <= 1; side += 2) {
            for (int i = 0; i < 4; ++i) {
                const double base = (-0.55 + i * 0.42);
                const double swing =
                    pose.LegSwing * std::sin(pose.LegPhase + i * M_PI / 2 + (side > 0 ? M_PI : 0));
                const double reach = 30 * (1 - pose.LegFold * 0.55);
                AddLeg(cr, side * 6, 2, side, base + swing, reach, std::max(0.0, swing) * 8);
            }
        }
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        SetColor(cr, Darker(SpiderBody, 0.45));
        cairo_set_line_width(cr, 4.2);
        cairo_stroke_preserve(cr);
        SetColor(cr, Lighter(SpiderBody, 0.1));
        cairo_set_line_width(cr, 2.4);
        cairo_stroke(cr);
    }
    TGloss gloss;
    gloss.Shadow = 2.5;
    const double r = pose.Curled ? 15 : 16;
    PaintGlossy(
        cr, [&](cairo_t* c) { Ellipse(c, 0, 0, r, r * 0.9); }, SpiderBody, gloss);
    if (pose.Curled) {
        // Legs folded round the ball.
        for (int i = 0; i < 4; ++i) {
            cairo_arc(cr, 0, 0, 9 + i * 1.5, 0.4 + i * 1.5, 1.9 + i * 1.5);
            SetColor(cr, Darker(SpiderBody, 0.4));
            cairo_set_line_width(cr, 2.2);
            cairo_stroke(cr);
        }
    } else {
        // A pale belly patch and fangs.
        PaintFlat(
            cr, [](cairo_t* c) { Ellipse(c, 0, 8, 7, 4); }, Lighter(SpiderBody, 0.35),
            Darker(SpiderBody, 0.2), 0.8);
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, side * 3, 11);
            cairo_line_to(cr, side * 2, 15);
        }
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    DrawEye(cr, -6, -3, 5.2, pose.Dizzy);
    DrawEye(cr, 6, -3, 5.2, pose.Dizzy);
    cairo_restore(cr);
}

TSpiderPose PoseOf(const std::string& name, int frame) {
    TSpiderPose pose;
    if (name == "SpiderWalking") {
        pose.LegPhase = 2 * M_PI * frame / 9;
        pose.LegSwing = 0.22;
        pose.BodyY += std::sin(4 * M_PI * frame / 9) * 1.2;
    } else if (name == "SpiderAnchoring") {
        // Dropping on its thread, landing with a squash and settling.
        const double drops[] = {-18, -11, -5, 0, 2, 1, 0};
        const double squash[] = {1, 1, 1, 0.85, 0.9, 0.97, 1};
        pose.BodyY += drops[frame];
        pose.Squash = squash[frame];
        pose.LegFold = frame < 3 ? 0.6 - frame * 0.2 : 0;
    } else if (name == "SpiderMakingWeb") {
        pose.LegPhase = M_PI * frame / 2;
        pose.LegSwing = 0.3;
        pose.BodyY -= 3;
    } else if (name == "SpiderHit") {
        pose.Dizzy = true;
        pose.Tilt = std::sin(frame * 1.3) * 0.35;
        pose.LegFold = 0.3;
        pose.Curled = frame == 5;
    }
    return pose;
}

void DrawSpiderFrame(const TTile& t) {
    cairo_t* cr = t.cr;
    const TSpiderPose pose = PoseOf(t.Entry.Name, t.Pattern);
    if (t.Entry.Name == "SpiderAnchoring") {
        cairo_move_to(cr, pose.BodyX, 0);
        cairo_line_to(cr, pose.BodyX, pose.BodyY - 12);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    if (t.Entry.Name == "SpiderMakingWeb") {
        // Fresh threads under the spinning spider, more each frame.
        for (int i = 0; i <= t.Pattern; ++i) {
            cairo_arc(cr, 42, 40, 8 + i * 6, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
    }
    DrawSpider(cr, pose);
    if (t.Entry.Name == "SpiderHit" && t.Pattern < 5) {
        for (int i = 0; i < 3; ++i) {
            const double a = t.Pattern * 0.9 + i * 2 * M_PI / 3;
            PaintFlat(
                cr,
                [&](cairo_t* c) { Star(c, 42 + 20 * std::cos(a), 14 + 5 * std::sin(a), 5, 2, 5); },
                Hex("FFE95A"), Hex("C79100"), 0.8);
        }
    }
}

} // namespace

void DrawSpiderIcon(cairo_t* cr, double cx, double cy, double size) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size / 70, size / 70);
    cairo_translate(cr, -42, -37);
    DrawSpider(cr, {});
    cairo_restore(cr);
}

void AddCreatureArt(TCatalog& catalog) {
    for (const char* name : {"SpiderWalking", "SpiderAnchoring", "SpiderMakingWeb", "SpiderHit"})
        catalog.Add(name, DrawSpiderFrame);
}
