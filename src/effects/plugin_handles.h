// The engine's surfaces, display and flags as the plug-in interface's C handles.
#pragma once
#include <morv/effect_plugin.h>

#include <atomic>
#include <cstdint>
#include <functional>

#include "display/rect.h"
#include "display/surface.h"
#include "platform/clock.h"

namespace morv {

// A Surface seen through the plug-in interface. Size and format are taken when
// the handle is made; the surface must outlive the handle.
class PluginSurface {
public:
    explicit PluginSurface(Surface& surface);
    PluginSurface(const PluginSurface&) = delete;
    PluginSurface& operator=(const PluginSurface&) = delete;

    MorvSurface* handle() { return &handle_; }
    // Null for a surface without pixels, as libraries expect for an absent picture.
    MorvSurface* handleOrNull() { return surface_.valid() ? &handle_ : nullptr; }
    bool isHandle(const MorvSurface* handle) const { return handle == &handle_; }

private:
    Surface& surface_;
    MorvSurface handle_;
};

// The display as the plug-in interface's primary: it shows the frame surface and
// tells the time. Copies of any other surface are refused.
class PluginPrimary {
public:
    PluginPrimary(Clock& clock, const PluginSurface& frame, std::function<void()> present);
    PluginPrimary(const PluginPrimary&) = delete;
    PluginPrimary& operator=(const PluginPrimary&) = delete;

    MorvPrimary* handle() { return &handle_; }

    // Every surface handle's copy into the primary.
    static int32_t copyInto(MorvSurface* surface, MorvPrimary* primary, const MorvRect* rect);

private:
    static uint32_t ticks(MorvPrimary* self);

    Clock& clock_;
    const PluginSurface& frame_;
    std::function<void()> present_;
    MorvPrimary handle_;
};

// Libraries poll the run flag as a plain volatile 32-bit value; a lock-free atomic
// has exactly that layout.
volatile int32_t* runFlagForLibraries(std::atomic<int32_t>& run);

// The present rectangle as libraries receive it.
inline MorvRect toMorvRect(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace morv
