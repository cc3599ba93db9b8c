// Dear ImGui set up over the game window.
#include "platform/sdl/imgui_layer.h"

#include <SDL.h>
#include <backends/imgui_impl_sdl.h>
#include <imgui.h>

#include <cfloat>
#include <cstdio>
#include <string>

#include "platform/sdl/imgui_sdl_renderer.h"
#include "platform/sdl/korean_font.h"

namespace morv {

ImGuiLayer::ImGuiLayer(SDL_Window* window, SDL_Renderer* renderer)
    : window_(window),
      sdlRenderer_(renderer),
      context_(ImGui::CreateContext()),
      renderer_(std::make_unique<ImGuiSdlRenderer>(renderer)) {
    ImGui::SetCurrentContext(context_);
    ImGuiIO& io = ImGui::GetIO();
    // The game directory is the current directory: ImGui must not write files into it.
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    ImGui::StyleColorsLight();
    if (window_ != nullptr) ImGui_ImplSDL2_InitForSDLRenderer(window_);
    io.UserData = &glyphs_;
    fontFile_ = koreanFontFile();
    if (fontFile_.empty()) std::fprintf(stderr, "morv: no Korean font found; Hangul in boxes will not show\n");
    buildFont();
}

ImGuiLayer::~ImGuiLayer() {
    ImGui::SetCurrentContext(context_);
    if (window_ != nullptr) ImGui_ImplSDL2_Shutdown();
    renderer_.reset();
    ImGui::DestroyContext(context_);
}

void ImGuiLayer::buildFont() {
    ImFontAtlas& fonts = *ImGui::GetIO().Fonts;
    fonts.Clear();
    const ImWchar* ranges = glyphs_.takeRanges();
    if (fontFile_.empty() || fonts.AddFontFromFileTTF(fontFile_.c_str(), kFontPixels, nullptr, ranges) == nullptr) {
        fonts.AddFontDefault();
    }
    fonts.Build();
    renderer_->createFontTexture();
    // The renderer's texture holds the pixels now; the next build reads the face again.
    fonts.ClearInputData();
    fonts.ClearTexData();
}

void ImGuiLayer::processEvent(const SDL_Event& event) {
    ImGui::SetCurrentContext(context_);
    if (window_ != nullptr) ImGui_ImplSDL2_ProcessEvent(&event);
}

void ImGuiLayer::beginFrame() {
    ImGui::SetCurrentContext(context_);
    if (glyphs_.changed()) buildFont();
    if (window_ != nullptr) {
        ImGui_ImplSDL2_NewFrame();
    } else {
        ImGuiIO& io = ImGui::GetIO();
        int width = 0;
        int height = 0;
        SDL_GetRendererOutputSize(sdlRenderer_, &width, &height);
        io.DisplaySize = ImVec2(static_cast<float>(width), static_cast<float>(height));
        io.DeltaTime = 1.0f / 60.0f;
        io.MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
    }
    ImGui::NewFrame();
}

void ImGuiLayer::endFrame() {
    ImGui::Render();
    renderer_->render(ImGui::GetDrawData());
}

}  // namespace morv
