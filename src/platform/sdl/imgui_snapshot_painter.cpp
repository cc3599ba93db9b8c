// Painting menus and boxes into headless snapshots.
#include "platform/sdl/imgui_snapshot_painter.h"

#include <SDL.h>

#include <memory>

#include "platform/sdl/imgui_box.h"
#include "platform/sdl/imgui_layer.h"
#include "platform/sdl/imgui_menus.h"
#include "platform/window_system.h"

namespace morv {

namespace {

// Auto-sized windows take their size from the frame before; three frames settle every one.
constexpr int kSettlingFrames = 3;

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
struct RendererFree {
    void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
};
struct TextureFree {
    void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
};

}  // namespace

FrameImage ImGuiSnapshotPainter::paint(const FrameImage& frame, const OverlayView& view) {
    const int top = view.menuBar ? WindowSystem::kMenuBarHeight : 0;
    std::unique_ptr<SDL_Surface, SurfaceFree> target(
        SDL_CreateRGBSurfaceWithFormat(0, frame.width, frame.height + top, 32, SDL_PIXELFORMAT_RGBA32));
    if (!target) return frame;
    std::unique_ptr<SDL_Renderer, RendererFree> renderer(SDL_CreateSoftwareRenderer(target.get()));
    if (!renderer) return frame;
    std::unique_ptr<SDL_Texture, TextureFree> picture(SDL_CreateTexture(
        renderer.get(), SDL_PIXELFORMAT_RGB24, SDL_TEXTUREACCESS_STATIC, frame.width, frame.height));
    if (!picture) return frame;
    SDL_UpdateTexture(picture.get(), nullptr, frame.rgb.data(), frame.width * 3);
    const SDL_Rect place{0, top, frame.width, frame.height};
    {
        // A fresh context each time: nothing of an earlier snapshot (hover, sizes) carries over.
        ImGuiLayer layer(nullptr, renderer.get());
        for (int i = 0; i < kSettlingFrames || (layer.needsRedraw() && i < kSettlingFrames + 1); ++i) {
            SDL_SetRenderDrawColor(renderer.get(), 255, 255, 255, 255);
            SDL_RenderClear(renderer.get());
            SDL_RenderCopy(renderer.get(), picture.get(), nullptr, &place);
            layer.beginFrame();
            drawMenus(view, view.popupAt ? static_cast<float>(view.popupAt->x) : 0.0f,
                      view.popupAt ? static_cast<float>(view.popupAt->y + top) : 0.0f);
            if (view.box) drawBoxView(*view.box);
            layer.endFrame();
        }
    }
    SDL_RenderPresent(renderer.get());
    FrameImage out;
    out.width = target->w;
    out.height = target->h;
    out.rgb.resize(static_cast<size_t>(out.width) * out.height * 3);
    const auto* pixels = static_cast<const uint8_t*>(target->pixels);
    for (int y = 0; y < out.height; ++y) {
        const uint8_t* row = pixels + static_cast<ptrdiff_t>(y) * target->pitch;
        uint8_t* dest = out.rgb.data() + static_cast<size_t>(y) * out.width * 3;
        for (int x = 0; x < out.width; ++x) {
            dest[x * 3] = row[x * 4];
            dest[x * 3 + 1] = row[x * 4 + 1];
            dest[x * 3 + 2] = row[x * 4 + 2];
        }
    }
    return out;
}

}  // namespace morv
