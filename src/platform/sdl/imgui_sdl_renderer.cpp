// Drawing ImGui's draw lists with an SDL renderer.
#include "platform/sdl/imgui_sdl_renderer.h"

#include <SDL.h>
#include <imgui.h>

#include <cstddef>
#include <cstdio>

namespace morv {

static_assert(sizeof(ImDrawIdx) == 2 || sizeof(ImDrawIdx) == 4, "SDL takes 16- or 32-bit indices");
// ImGui keeps vertex colors as R, G, B, A bytes, which is SDL_Color's layout.
static_assert(sizeof(ImU32) == sizeof(SDL_Color));

ImGuiSdlRenderer::~ImGuiSdlRenderer() {
    if (fontTexture_ != nullptr) SDL_DestroyTexture(fontTexture_);
}

bool ImGuiSdlRenderer::createFontTexture() {
    ImGuiIO& io = ImGui::GetIO();
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    if (fontTexture_ != nullptr) SDL_DestroyTexture(fontTexture_);
    fontTexture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC, width, height);
    if (fontTexture_ == nullptr) {
        std::fprintf(stderr, "morv: cannot create the font texture (%dx%d): %s\n", width, height, SDL_GetError());
        return false;
    }
    SDL_UpdateTexture(fontTexture_, nullptr, pixels, width * 4);
    SDL_SetTextureBlendMode(fontTexture_, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(fontTexture_, SDL_ScaleModeLinear);
    io.Fonts->SetTexID(static_cast<ImTextureID>(fontTexture_));
    return true;
}

void ImGuiSdlRenderer::render(const ImDrawData* data) {
    if (data == nullptr || data->DisplaySize.x <= 0.0f || data->DisplaySize.y <= 0.0f) return;
    // One viewport at the window's origin: ImGui positions are window positions.
    for (int n = 0; n < data->CmdListsCount; ++n) {
        const ImDrawList* list = data->CmdLists[n];
        const ImDrawVert* vertices = list->VtxBuffer.Data;
        const ImDrawIdx* indices = list->IdxBuffer.Data;
        for (const ImDrawCmd& cmd : list->CmdBuffer) {
            if (cmd.UserCallback != nullptr) {
                // The one callback value ImGui defines itself asks for fresh render state.
                if (cmd.UserCallback != ImDrawCallback_ResetRenderState) cmd.UserCallback(list, &cmd);
                continue;
            }
            SDL_Rect clip{static_cast<int>(cmd.ClipRect.x), static_cast<int>(cmd.ClipRect.y),
                          static_cast<int>(cmd.ClipRect.z - cmd.ClipRect.x),
                          static_cast<int>(cmd.ClipRect.w - cmd.ClipRect.y)};
            if (clip.w <= 0 || clip.h <= 0) continue;
            SDL_RenderSetClipRect(renderer_, &clip);
            const ImDrawVert* first = vertices + cmd.VtxOffset;
            const char* base = reinterpret_cast<const char*>(first);
            SDL_RenderGeometryRaw(renderer_, static_cast<SDL_Texture*>(cmd.GetTexID()),
                                  reinterpret_cast<const float*>(base + offsetof(ImDrawVert, pos)), sizeof(ImDrawVert),
                                  reinterpret_cast<const SDL_Color*>(base + offsetof(ImDrawVert, col)),
                                  sizeof(ImDrawVert),
                                  reinterpret_cast<const float*>(base + offsetof(ImDrawVert, uv)), sizeof(ImDrawVert),
                                  list->VtxBuffer.Size - static_cast<int>(cmd.VtxOffset), indices + cmd.IdxOffset,
                                  static_cast<int>(cmd.ElemCount), sizeof(ImDrawIdx));
        }
    }
    SDL_RenderSetClipRect(renderer_, nullptr);
}

}  // namespace morv
