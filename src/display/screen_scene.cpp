// The scene layers: background, characters, pictures and text on the screen's
// surfaces, and the step from the stage to the scene on view.
#include <cstring>
#include <optional>

#include "display/image_source.h"
#include "display/screen.h"
#include "display/styled_text.h"
#include "display/crossfade.h"
#include "platform/cp949.h"

namespace morv {

namespace {

constexpr uint32_t kBlack = 0x000000;

bool clearsCharacters(std::string_view name) { return name.empty() || cp949::equalsIgnoreCase(name, "DELETE"); }

std::optional<uint32_t> backgroundColor(std::string_view name) {
    if (name.empty() || cp949::equalsIgnoreCase(name, "BLACK")) return kBlack;
    if (cp949::equalsIgnoreCase(name, "WHITE")) return 0xFFFFFF;
    if (cp949::equalsIgnoreCase(name, "PURPLE")) return 0xFF00FF;
    return std::nullopt;
}

}  // namespace

int Screen::setBackground(std::string_view name) {
    backgroundName_ = std::string(name);
    Surface& stage = surface(SurfaceRole::StageSurface);
    if (std::optional<uint32_t> color = backgroundColor(name)) return stage.fill(*color);
    return stage.loadImage(name);
}

int Screen::clearCharacters() { return setBackground(std::string(backgroundName_)); }

Surface& Screen::freshScratch() {
    auto& scratch = surfaces_[static_cast<size_t>(SurfaceRole::ScratchSurface)];
    scratch = std::make_unique<Surface>(format_, imageSource_.get());
    return *scratch;
}

int Screen::loadScratch(std::string_view name, int percent) { return freshScratch().createFromImage(name, percent); }

int Screen::drawCharacter(std::string_view name, int x, int y, bool keyed) {
    if (clearsCharacters(name)) return clearCharacters();
    if (int status = loadScratch(name, characterScale_); status < 0) return status;
    Surface& stage = surface(SurfaceRole::StageSurface);
    Surface& scratch = surface(SurfaceRole::ScratchSurface);
    if (!keyed) return stage.drawAt(x, y, scratch);
    if (config_.imageAntialiasing) {
        return stage.drawWithMask(x, y, scratch, name, &characterClip_, config_.usePngAlpha, characterScale_);
    }
    scratch.setColorKey(Surface::kOwnTopLeftKey);
    return stage.drawAtClipped(x, y, scratch, characterClip_);
}

int Screen::drawCharacterBottomAligned(std::string_view name, int x) {
    if (clearsCharacters(name)) return clearCharacters();
    std::optional<ImageSize> size = imageSource_ ? imageSource_->size(name) : std::nullopt;
    if (!size) {
        if (imageSource_) imageSource_->reportUnreadable(name);
        return Surface::kUnreadableImage;
    }
    const int y = std::max(0, height_ - size->height * characterScale_ / 100);
    return drawCharacter(name, x, y, true);
}

int Screen::drawCharacterCentred(std::string_view name) {
    if (clearsCharacters(name)) return clearCharacters();
    std::optional<ImageSize> size = imageSource_ ? imageSource_->size(name) : std::nullopt;
    if (!size) {
        if (imageSource_) imageSource_->reportUnreadable(name);
        return Surface::kUnreadableImage;
    }
    const int x = width_ / 2 - characterScale_ * (size->width / 2) / 100;
    const int y = std::max(0, height_ - size->height * characterScale_ / 100);
    return drawCharacter(name, x, y, true);
}

int Screen::drawCharacterAt(std::string_view name, int x, int y, bool keyed) {
    lastCharacterX_ = x;
    lastCharacterY_ = y;
    return drawCharacter(name, x, y, keyed);
}

int Screen::drawCharacterAtX(std::string_view name, int x) {
    lastCharacterX_ = x;
    return drawCharacter(name, x, lastCharacterY_, true);
}

int Screen::drawCharacterAtLastPosition(std::string_view name) {
    return drawCharacter(name, lastCharacterX_, lastCharacterY_, true);
}

void Screen::showStage() {
    surface(SurfaceRole::SceneSurface).copy(surface(SurfaceRole::StageSurface), false);
    surface(SurfaceRole::FrameSurface).copy(surface(SurfaceRole::SceneSurface), false);
    sceneChanged_ = true;
    showTextWindowOnFrame();
}

bool Screen::quickFadeStep() {
    const int step = quickFadeStep_;
    const int weight = 4 * step;
    crossfadeStep(surface(SurfaceRole::FrameSurface), surface(SurfaceRole::SceneSurface),
                  surface(SurfaceRole::StageSurface), weight);
    if (weight == 32) sceneChanged_ = true;
    if (step >= kQuickFadeSteps) {
        surface(SurfaceRole::SceneSurface).copy(surface(SurfaceRole::StageSurface), false);
        quickFadeStep_ = 1;
        showTextWindowOnFrame();
        return true;
    }
    quickFadeStep_ = step + 1;
    return false;
}

bool Screen::finishQuickFade() {
    quickFadeStep_ = kQuickFadeSteps;
    return quickFadeStep();
}

void Screen::drawText(int x, int y, std::string_view text, TextTarget target) {
    Surface& surfaceDrawn = surface(target == TextTarget::Frame   ? SurfaceRole::FrameSurface
                                    : target == TextTarget::Scene ? SurfaceRole::SceneSurface
                                                                  : SurfaceRole::StageSurface);
    drawStyledText(surfaceDrawn, textRenderer_->textFont(), textRenderer_->font(), x, y, text,
                   textRenderer_->textColor());
    if (target == TextTarget::Scene) {
        surface(SurfaceRole::FrameSurface).copy(surfaceDrawn, false);
        sceneChanged_ = true;
    }
}

int Screen::drawPictureOnScene(std::string_view name, int x, int y) {
    if (int status = loadScratch(name, 100); status < 0) return status;
    Surface& scene = surface(SurfaceRole::SceneSurface);
    Surface& scratch = surface(SurfaceRole::ScratchSurface);
    scratch.setColorKey(Surface::kOwnTopLeftKey);
    const int status = config_.imageAntialiasing
                           ? scene.drawWithMask(x, y, scratch, name, nullptr, config_.usePngAlpha, 100)
                           : scene.drawAt(x, y, scratch);
    surface(SurfaceRole::FrameSurface).copy(scene, false);
    sceneChanged_ = true;
    return status;
}

int Screen::drawPictureInRect(std::string_view name, int left, int top, int right, int bottom) {
    Surface& scratch = freshScratch();
    if (int status = scratch.createFromImageAtSize(name, right - left + 1, bottom - top + 1); status < 0) {
        return status;
    }
    return surface(SurfaceRole::StageSurface).drawAt(left, top, scratch);
}

int Screen::drawFullScreenPicture(std::string_view name) {
    if (int status = loadScratch(name, 100); status < 0) return status;
    // Drawn clipped, so that a picture larger than the screen is cut at its edges.
    return surface(SurfaceRole::FrameSurface).drawAt(0, 0, surface(SurfaceRole::ScratchSurface));
}

std::vector<uint8_t> Screen::saveScenePixels() const {
    const Surface& scene = surface(SurfaceRole::SceneSurface);
    if (!scene.valid()) return {};
    const size_t rowBytes = static_cast<size_t>(scene.width()) * bytesPerPixel(format_);
    std::vector<uint8_t> pixels(rowBytes * static_cast<size_t>(scene.height()));
    for (int y = 0; y < scene.height(); ++y) std::memcpy(pixels.data() + rowBytes * y, scene.row(y), rowBytes);
    return pixels;
}

bool Screen::restoreScenePixels(const std::vector<uint8_t>& pixels) {
    Surface& scene = surface(SurfaceRole::SceneSurface);
    const size_t rowBytes = static_cast<size_t>(scene.width()) * bytesPerPixel(format_);
    if (!scene.valid() || pixels.size() < rowBytes * static_cast<size_t>(scene.height())) return false;
    for (int y = 0; y < scene.height(); ++y) std::memcpy(scene.row(y), pixels.data() + rowBytes * y, rowBytes);
    surface(SurfaceRole::FrameSurface).copy(scene, false);
    surface(SurfaceRole::StageSurface).copy(scene, false);
    sceneChanged_ = true;
    return true;
}

}  // namespace morv
