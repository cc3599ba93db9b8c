/* Effect libraries for the loader's tests; each build selects its exports and
 * records every call in a log the tests read back. */
#include <morv/effect_plugin.h>

#include <stddef.h>
#include <stdio.h>
#include <string.h>

static char callLog[4096];

#if defined(WITH_CG_EFFECT) || defined(WITH_BEGIN) || defined(WITH_UPDATE) || defined(WITH_END)
static void record(const char* entry) {
    size_t used = strlen(callLog);
    snprintf(callLog + used, sizeof callLog - used, "%s;", entry);
}
#endif

const char* TestPluginLog(void) { return callLog; }
void TestPluginClear(void) { callLog[0] = '\0'; }

#if defined(WITH_CG_EFFECT) || defined(WITH_UPDATE)
/* Every pixel of the surface set to the value (16 or 32 bits wide). */
static void fillSurface(MorvSurface* surface, uint32_t value) {
    uint8_t* pixels = (uint8_t*)surface->lock(surface);
    for (int32_t y = 0; y < surface->height; ++y) {
        uint8_t* row = pixels + (ptrdiff_t)y * surface->pitch;
        for (int32_t x = 0; x < surface->width; ++x) {
            if (surface->bitsPerPixel == 16) {
                uint16_t v = (uint16_t)value;
                memcpy(row + 2 * x, &v, 2);
            } else {
                memcpy(row + 4 * x, &value, 4);
            }
        }
    }
    surface->unlock(surface);
}
#endif

#if defined(WITH_BEGIN) || defined(WITH_UPDATE) || defined(WITH_END)
static MorvSurface* continuousFrame;
#endif

#ifdef WITH_CG_EFFECT
/* Paints the frame in the parameter's value and presents it, unless the
 * parameter is 0: then it returns at once without drawing. */
int32_t CGEffect(MorvPrimary* primary, MorvSurface* frame, MorvSurface* scene, MorvSurface* stage,
                 MorvSurface* scratch, uint32_t duration, int32_t parameter, volatile int32_t* run,
                 const MorvRect* rect) {
    char entry[160];
    snprintf(entry, sizeof entry, "cgeffect %u %d scratch=%d rect=%d run=%d stage=%d", duration, parameter,
             scratch ? scratch->width : -1, rect ? rect->right - rect->left : -1, *run,
             stage->width == frame->width && scene->height == frame->height);
    record(entry);
    if (parameter == 0) return 0;
    fillSurface(frame, (uint32_t)parameter);
    snprintf(entry, sizeof entry, "present=%d stage-present=%d", frame->copyToPrimary(frame, primary, rect),
             stage->copyToPrimary(stage, primary, rect));
    record(entry);
    return 0;
}
#endif

#ifdef WITH_BEGIN
int32_t BeginCGEffect2(const char* parameter, MorvSurface* frame, MorvSurface* scene, MorvSurface* stage) {
    char entry[160];
    snprintf(entry, sizeof entry, "begin %s %d", parameter, scene != NULL && stage != NULL);
    record(entry);
    continuousFrame = frame;
    return 0;
}
#endif

#ifdef WITH_UPDATE
/* Paints the frame from BeginCGEffect2 in a fixed color. */
int32_t UpdateFrame(int32_t reserved, MorvSurface* unused1, MorvSurface* unused2, MorvSurface* unused3) {
    record(reserved == 0 && !unused1 && !unused2 && !unused3 ? "update" : "update with arguments");
    if (continuousFrame) fillSurface(continuousFrame, 0x1234);
    return 0;
}
#endif

#ifdef WITH_END
int32_t EndCGEffect2(void) {
    record("end");
    continuousFrame = NULL;
    return 0;
}
#endif
