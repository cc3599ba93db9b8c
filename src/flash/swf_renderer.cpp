// Draws the stage of a Flash movie with cairo.
#include "flash/swf_renderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "flash/swf_limits.h"

namespace morv::swf {

namespace {

cairo_matrix_t toCairo(const Matrix& m) { return {m.a, m.b, m.c, m.d, m.tx, m.ty}; }

// `inner` applied first, then `outer`.
cairo_matrix_t combined(const cairo_matrix_t& inner, const cairo_matrix_t& outer) {
    cairo_matrix_t result;
    cairo_matrix_multiply(&result, &inner, &outer);
    return result;
}

bool invertible(const cairo_matrix_t& m) {
    cairo_matrix_t copy = m;
    return cairo_matrix_invert(&copy) == CAIRO_STATUS_SUCCESS;
}

void addPath(cairo_t* cr, const Path& path) {
    double x = 0, y = 0;
    for (const PathStep& step : path) {
        switch (step.kind) {
            case PathStep::Move:
                cairo_move_to(cr, step.x, step.y);
                break;
            case PathStep::Line:
                cairo_line_to(cr, step.x, step.y);
                break;
            case PathStep::Curve: {
                // A quadratic curve as the cubic with control points two thirds of the way to its control.
                const double cx = step.controlX, cy = step.controlY;
                cairo_curve_to(cr, x + 2.0 / 3 * (cx - x), y + 2.0 / 3 * (cy - y), step.x + 2.0 / 3 * (cx - step.x),
                               step.y + 2.0 / 3 * (cy - step.y), step.x, step.y);
                break;
            }
        }
        x = step.x;
        y = step.y;
    }
}

void setSourceColor(cairo_t* cr, Rgba c) { cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0); }

// A copy of a premultiplied bitmap with the color transform applied to every pixel.
cairo_surface_t* transformedCopy(cairo_surface_t* source, const ColorTransform& color) {
    const int width = cairo_image_surface_get_width(source), height = cairo_image_surface_get_height(source);
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_surface_flush(source);
    const unsigned char* from = cairo_image_surface_get_data(source);
    unsigned char* to = cairo_image_surface_get_data(copy);
    const int fromStride = cairo_image_surface_get_stride(source), toStride = cairo_image_surface_get_stride(copy);
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const uint32_t*>(from + static_cast<ptrdiff_t>(y) * fromStride);
        auto* out = reinterpret_cast<uint32_t*>(to + static_cast<ptrdiff_t>(y) * toStride);
        for (int x = 0; x < width; ++x) {
            const uint32_t p = in[x], a = p >> 24;
            Rgba c{0, 0, 0, static_cast<uint8_t>(a)};
            if (a != 0) {
                c.r = static_cast<uint8_t>((p >> 16 & 0xff) * 255 / a);
                c.g = static_cast<uint8_t>((p >> 8 & 0xff) * 255 / a);
                c.b = static_cast<uint8_t>((p & 0xff) * 255 / a);
            }
            const Rgba t = color.apply(c);
            out[x] = uint32_t{t.a} << 24 | uint32_t{t.r} * t.a / 255 << 16 | uint32_t{t.g} * t.a / 255 << 8 |
                     uint32_t{t.b} * t.a / 255;
        }
    }
    cairo_surface_mark_dirty(copy);
    return copy;
}

}  // namespace

Renderer::Renderer(const Movie& movie) : movie_(movie) {}

Renderer::~Renderer() {
    for (auto& [id, surface] : bitmaps_) cairo_surface_destroy(surface);
}

cairo_surface_t* Renderer::bitmapSurface(uint16_t id) {
    if (auto found = bitmaps_.find(id); found != bitmaps_.end()) return found->second;
    const Character* character = movie_.character(id);
    if (!character || !std::holds_alternative<Bitmap>(*character)) return nullptr;
    const Bitmap& bitmap = std::get<Bitmap>(*character);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height);
    unsigned char* data = cairo_image_surface_get_data(surface);
    if (!data) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < bitmap.height; ++y)
        std::memcpy(data + static_cast<ptrdiff_t>(y) * stride, bitmap.pixels.data() + static_cast<size_t>(y) * bitmap.width,
                    static_cast<size_t>(bitmap.width) * 4);
    cairo_surface_mark_dirty(surface);
    bitmaps_[id] = surface;
    return surface;
}

cairo_pattern_t* Renderer::fillPattern(const FillStyle& style, const ColorTransform& color) {
    cairo_matrix_t inverse = toCairo(style.matrix);
    switch (style.kind) {
        case FillStyle::Solid: {
            const Rgba c = color.apply(style.color);
            return cairo_pattern_create_rgba(c.r / 255.0, c.g / 255.0, c.b / 255.0, c.a / 255.0);
        }
        case FillStyle::Linear:
        case FillStyle::Radial: {
            if (style.stops.empty() || cairo_matrix_invert(&inverse) != CAIRO_STATUS_SUCCESS) return nullptr;
            cairo_pattern_t* pattern = style.kind == FillStyle::Linear
                                           ? cairo_pattern_create_linear(-16384, 0, 16384, 0)
                                           : cairo_pattern_create_radial(style.focalPoint * 16384, 0, 0, 0, 0, 16384);
            for (const GradientStop& stop : style.stops) {
                const Rgba c = color.apply(stop.color);
                cairo_pattern_add_color_stop_rgba(pattern, stop.ratio / 255.0, c.r / 255.0, c.g / 255.0, c.b / 255.0,
                                                  c.a / 255.0);
            }
            cairo_pattern_set_extend(pattern, style.spread == FillStyle::Reflect  ? CAIRO_EXTEND_REFLECT
                                              : style.spread == FillStyle::Repeat ? CAIRO_EXTEND_REPEAT
                                                                                  : CAIRO_EXTEND_PAD);
            cairo_pattern_set_matrix(pattern, &inverse);
            return pattern;
        }
        case FillStyle::Bitmap: {
            cairo_surface_t* surface = bitmapSurface(style.bitmapId);
            if (!surface || cairo_matrix_invert(&inverse) != CAIRO_STATUS_SUCCESS) return nullptr;
            const bool transformed = !color.identity();
            if (transformed) surface = transformedCopy(surface, color);
            cairo_pattern_t* pattern = cairo_pattern_create_for_surface(surface);
            if (transformed) cairo_surface_destroy(surface);  // the pattern holds its own reference
            cairo_pattern_set_extend(pattern, style.repeat ? CAIRO_EXTEND_REPEAT : CAIRO_EXTEND_PAD);
            cairo_pattern_set_filter(pattern, style.smooth ? CAIRO_FILTER_BILINEAR : CAIRO_FILTER_NEAREST);
            cairo_pattern_set_matrix(pattern, &inverse);
            return pattern;
        }
    }
    return nullptr;
}

void Renderer::drawShape(cairo_t* cr, const Shape& shape, const cairo_matrix_t& matrix, const ColorTransform& color) {
    cairo_set_matrix(cr, &matrix);
    for (const ShapeLayer& layer : shape.layers) {
        for (size_t style = 1; style < layer.fillPaths.size(); ++style) {
            if (layer.fillPaths[style].empty()) continue;
            cairo_pattern_t* pattern = fillPattern(layer.fills[style], color);
            if (!pattern) continue;
            cairo_new_path(cr);
            addPath(cr, layer.fillPaths[style]);
            cairo_set_source(cr, pattern);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
            cairo_fill(cr);
            cairo_pattern_destroy(pattern);
        }
        for (size_t style = 1; style < layer.linePaths.size(); ++style) {
            if (layer.linePaths[style].empty()) continue;
            cairo_new_path(cr);
            addPath(cr, layer.linePaths[style]);
            setSourceColor(cr, color.apply(layer.lines[style].color));
            // Hairlines and thin lines stay one pixel wide however far they are scaled down.
            double width = layer.lines[style].width, height = 0;
            cairo_user_to_device_distance(cr, &width, &height);
            const double pixels = std::max(std::hypot(width, height), 1.0);
            cairo_identity_matrix(cr);
            cairo_set_line_width(cr, pixels);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(cr);
            cairo_set_matrix(cr, &matrix);
        }
    }
}

void Renderer::addClipArea(cairo_t* cr, const DisplayObject& object, const cairo_matrix_t& parent, int nesting) {
    const cairo_matrix_t matrix = combined(toCairo(object.matrix), parent);
    if (!invertible(matrix)) return;
    const Character* character = movie_.character(object.characterId);
    if (!character) return;
    if (const auto* shape = std::get_if<Shape>(character)) {
        cairo_set_matrix(cr, &matrix);
        for (const ShapeLayer& layer : shape->layers)
            for (const Path& path : layer.fillPaths) addPath(cr, path);
    } else if (object.sprite && nesting < kMaxSpriteNesting) {
        for (const auto& [depth, child] : object.sprite->displayList().objects())
            addClipArea(cr, *child, matrix, nesting + 1);
    }
}

void Renderer::drawObject(cairo_t* cr, const DisplayObject& object, const cairo_matrix_t& parent,
                          const ColorTransform& parentColor, int nesting) {
    const cairo_matrix_t matrix = combined(toCairo(object.matrix), parent);
    // A matrix that flattens the object to a line or point leaves nothing to draw.
    if (!invertible(matrix)) return;
    const ColorTransform color = ColorTransform::compose(parentColor, object.colorTransform);
    const Character* character = movie_.character(object.characterId);
    if (!character) return;
    if (const auto* shape = std::get_if<Shape>(character))
        drawShape(cr, *shape, matrix, color);
    else if (object.sprite)
        drawList(cr, object.sprite->displayList(), matrix, color, nesting + 1);
}

void Renderer::drawList(cairo_t* cr, const DisplayList& list, const cairo_matrix_t& matrix, const ColorTransform& color,
                        int nesting) {
    // Masks in force: each clips the objects above it up to its clip depth.
    std::vector<uint16_t> clipDepths;
    for (const auto& [depth, object] : list.objects()) {
        while (!clipDepths.empty() && clipDepths.back() < depth) {
            cairo_restore(cr);
            clipDepths.pop_back();
        }
        if (object->clipDepth > 0) {
            cairo_save(cr);
            cairo_new_path(cr);
            addClipArea(cr, *object, matrix, 0);
            cairo_identity_matrix(cr);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
            cairo_clip(cr);
            clipDepths.push_back(object->clipDepth);
            continue;
        }
        drawObject(cr, *object, matrix, color, nesting);
    }
    for (size_t i = 0; i < clipDepths.size(); ++i) cairo_restore(cr);
}

void Renderer::draw(cairo_t* cr, const cairo_matrix_t& stage, const DisplayList& list) {
    cairo_save(cr);
    cairo_identity_matrix(cr);
    setSourceColor(cr, movie_.background);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    drawList(cr, list, stage, ColorTransform{}, 0);
    cairo_restore(cr);
}

}  // namespace morv::swf
