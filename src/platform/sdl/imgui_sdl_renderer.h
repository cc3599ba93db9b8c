// Dear ImGui drawn with an SDL renderer.
#pragma once

struct ImDrawData;
struct SDL_Renderer;
struct SDL_Texture;

namespace morv {

// Draws Dear ImGui's draw lists with an SDL renderer: triangles through
// SDL_RenderGeometryRaw, one clip rectangle per command.
class ImGuiSdlRenderer {
public:
    explicit ImGuiSdlRenderer(SDL_Renderer* renderer) : renderer_(renderer) {}
    ~ImGuiSdlRenderer();
    ImGuiSdlRenderer(const ImGuiSdlRenderer&) = delete;
    ImGuiSdlRenderer& operator=(const ImGuiSdlRenderer&) = delete;

    // Uploads the font atlas of the current ImGui context and hands its texture to ImGui.
    bool createFontTexture();
    // Draws into the renderer's back buffer; the caller presents.
    void render(const ImDrawData* data);

private:
    SDL_Renderer* renderer_;
    SDL_Texture* fontTexture_ = nullptr;
};

}  // namespace morv
