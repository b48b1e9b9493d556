#pragma once
// The people of the story, drawn in one friendly style: Tovan, the four clients of Floodkeep,
// Mirela the dove and the walking citizens.
#include <cairo.h>

enum class TPerson { Tovan, Maren, Borre, Lissa, Oskar };

struct TPersonLook {
    double Mouth = 0;    // 0 closed smile, 0.5 half open, 1 open
    double ArmRaise = 0; // 0 arm down, 1 waving
    double Breath = 0;   // small vertical bob, pixels at full height 300
    bool Blink = false;
    int Progress = 0; // Tovan's gear: hero scene 0..20
    double Step = 0;  // walking: -1 left foot forward, 1 right foot forward
};

// A standing figure whose feet rest on (cx, groundY), `height` tall.
void DrawPerson(cairo_t* cr, TPerson person, double cx, double groundY, double height,
                const TPersonLook& look = {});
// A head-and-shoulders portrait filling (x, y, w, h); `mouthOnly` draws just the talking mouth
// (over a patch of skin) for the talking frames.
void DrawPortrait(cairo_t* cr, TPerson person, double x, double y, double w, double h,
                  const TPersonLook& look, bool mouthOnly = false);
// Mirela the white dove, `wing` 0 folded, 1 up, -1 down.
void DrawDove(cairo_t* cr, double cx, double cy, double size, double wing);
