// Callbacks behind the plug-in handles.
#include "effects/plugin_handles.h"

#include <utility>

namespace morv {

namespace {

void* lockSurface(MorvSurface* self) { return static_cast<Surface*>(self->host)->lock().pixels; }

void unlockSurface(MorvSurface* self) { static_cast<Surface*>(self->host)->unlock(); }

}  // namespace

PluginSurface::PluginSurface(Surface& surface)
    : surface_(surface),
      handle_{surface.width(),
              surface.height(),
              surface.pitch(),
              bytesPerPixel(surface.format()) * 8,
              lockSurface,
              unlockSurface,
              PluginPrimary::copyInto,
              &surface} {}

PluginPrimary::PluginPrimary(Clock& clock, const PluginSurface& frame, std::function<void()> present)
    : clock_(clock), frame_(frame), present_(std::move(present)), handle_{ticks, this} {}

uint32_t PluginPrimary::ticks(MorvPrimary* self) { return static_cast<PluginPrimary*>(self->host)->clock_.ticks(); }

int32_t PluginPrimary::copyInto(MorvSurface* surface, MorvPrimary* primary, const MorvRect* /*rect*/) {
    if (!surface || !primary) return -1;
    auto* display = static_cast<PluginPrimary*>(primary->host);
    // The display places and scales presented frames itself, where the rectangle says.
    if (!display->frame_.isHandle(surface)) return -1;
    display->present_();
    return 0;
}

volatile int32_t* runFlagForLibraries(std::atomic<int32_t>& run) {
    static_assert(std::atomic<int32_t>::is_always_lock_free && sizeof(std::atomic<int32_t>) == sizeof(int32_t));
    return reinterpret_cast<volatile int32_t*>(&run);
}

}  // namespace morv
