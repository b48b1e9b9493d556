#pragma once
// Cairo surfaces as owned values, and the files they become: PNG with alpha, JPEG for opaque
// full-screen pictures.
#include <cairo.h>
#include <memory>
#include <string>

struct TSurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using TSurface = std::unique_ptr<cairo_surface_t, TSurfaceDeleter>;

struct TContextDeleter {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using TContext = std::unique_ptr<cairo_t, TContextDeleter>;

// A transparent ARGB surface (or an alpha-only one) of the given size.
TSurface NewSurface(int width, int height, cairo_format_t format = CAIRO_FORMAT_ARGB32);
TContext NewContext(cairo_surface_t* surface);

// Softens a surface in place with three box passes (close to a gaussian of the given radius).
void Blur(cairo_surface_t* surface, int radius);

// Writes the surface whole or not at all (a temporary file renamed over the target).
void WritePng(cairo_surface_t* surface, const std::string& path);
void WriteJpeg(cairo_surface_t* surface, const std::string& path, int quality);
