// The library's one export: the ripple transition from the scene to the stage.
#include <morv/effect_plugin.h>

#include <algorithm>
#include <cstring>

#include "effects_library/ripple_frame.h"
#include "effects_library/ripple_settings.h"
#include "effects_library/ripple_tables.h"

namespace {

using namespace morv::ripple;

uint8_t* pixelsOf(MorvSurface* surface) {
    if (!surface) return nullptr;
    void* pixels = surface->lock(surface);
    surface->unlock(surface);
    return static_cast<uint8_t*>(pixels);
}

bool sameGeometry(const MorvSurface* a, const MorvSurface* b) {
    return a->width == b->width && a->height == b->height && a->pitch == b->pitch &&
           a->bitsPerPixel == b->bitsPerPixel;
}

int bytesPerPixel(const MorvSurface* surface) { return surface->bitsPerPixel == 16 ? 2 : 4; }

// Whether rows of `surface` hold its width in pixels, so whole rows can be used.
bool rowsFit(const MorvSurface* surface) {
    return surface->width > 0 && surface->height > 0 &&
           static_cast<int64_t>(surface->pitch) >= static_cast<int64_t>(surface->width) * bytesPerPixel(surface);
}

// The stage whole into the frame: the picture that stays on view.
void copyStageToFrame(uint8_t* frame, const uint8_t* stage, const MorvSurface* geometry) {
    const size_t rowBytes = static_cast<size_t>(geometry->width) * static_cast<size_t>(bytesPerPixel(geometry));
    for (int32_t y = 0; y < geometry->height; ++y) {
        const ptrdiff_t at = static_cast<ptrdiff_t>(y) * geometry->pitch;
        std::memcpy(frame + at, stage + at, rowBytes);
    }
}

}  // namespace

extern "C" int32_t CGEffect(MorvPrimary* primary, MorvSurface* frame, MorvSurface* scene, MorvSurface* stage,
                            MorvSurface* /*scratch*/, uint32_t duration, int32_t parameter, volatile int32_t* run,
                            const MorvRect* rect) {
    if (!primary || !frame || !scene || !stage || !run) return 0;
    const uint8_t* stagePixels = pixelsOf(stage);
    const uint8_t* scenePixels = pixelsOf(scene);
    uint8_t* framePixels = pixelsOf(frame);
    // Pictures of different shapes cannot be blended pixel for pixel: nothing is drawn.
    if (!stagePixels || !scenePixels || !framePixels || !rowsFit(frame) || !sameGeometry(frame, scene) ||
        !sameGeometry(frame, stage)) {
        return 0;
    }

    const RippleSettings settings = decodeSettings(duration, static_cast<uint32_t>(parameter));
    const RippleCanvas canvas{framePixels, scenePixels, stagePixels, frame->width, frame->height,
                              frame->pitch, frame->bitsPerPixel == 16};
    DisplacementTables tables;
    const uint32_t start = primary->ticks(primary);
    uint32_t elapsed = primary->ticks(primary) - start;
    while (elapsed < settings.durationMs && *run != 0) {
        const double t = static_cast<double>(elapsed) / settings.durationMs;
        tables.build(settings, t, frontOffset(settings, t));
        drawRippleFrame(canvas, settings, tables, blendWeights(t));
        frame->copyToPrimary(frame, primary, rect);
        elapsed = primary->ticks(primary) - start;
    }
    copyStageToFrame(framePixels, stagePixels, frame);
    return 0;
}
