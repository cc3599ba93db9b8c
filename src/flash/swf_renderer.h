// Draws the stage of a Flash movie with cairo.
#pragma once
#include <cairo.h>

#include <map>

#include "flash/swf_display_list.h"
#include "flash/swf_movie.h"

namespace morv::swf {

class Renderer {
public:
    explicit Renderer(const Movie& movie);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // Fills the target with the background and draws the list; `stage` maps twips
    // on the stage to the target's pixels.
    void draw(cairo_t* cr, const cairo_matrix_t& stage, const DisplayList& list);

private:
    void drawList(cairo_t* cr, const DisplayList& list, const cairo_matrix_t& matrix, const ColorTransform& color,
                  int nesting);
    void drawObject(cairo_t* cr, const DisplayObject& object, const cairo_matrix_t& parent,
                    const ColorTransform& parentColor, int nesting);
    void drawShape(cairo_t* cr, const Shape& shape, const cairo_matrix_t& matrix, const ColorTransform& color);
    // Adds the filled area of an object to the current path, for use as a clip.
    void addClipArea(cairo_t* cr, const DisplayObject& object, const cairo_matrix_t& parent, int nesting);
    // A cairo pattern for a fill style, or null when the style draws nothing.
    cairo_pattern_t* fillPattern(const FillStyle& style, const ColorTransform& color);
    cairo_surface_t* bitmapSurface(uint16_t id);

    const Movie& movie_;
    std::map<uint16_t, cairo_surface_t*> bitmaps_;
};

}  // namespace morv::swf
