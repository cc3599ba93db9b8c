// The screen: surfaces, display mode, presentation and captures.
#include "display/screen.h"

#include "display/backlog_view.h"
#include "display/image_sources.h"
#include "image/image_archive.h"
#include "display/freetype_font.h"
#include "platform/platform.h"
#include "platform/text_format.h"

namespace morv {

namespace {

// Any depth but 16 gets 32-bit surfaces; start-up refuses other depths anyway.
PixelFormat formatForDepth(int depth) { return depth == 16 ? PixelFormat::Rgb565 : PixelFormat::Xrgb8888; }

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kMagenta = 0xFF00FF;

}  // namespace

Screen::Screen(GameConfig& config, Platform& platform)
    : config_(config),
      platform_(platform),
      depth_(platform.window().desktopDepth()),
      format_(formatForDepth(depth_)),
      width_(config.windowWidth),
      height_(config.windowHeight),
      presentRect_{0, 0, config.windowWidth, config.windowHeight},
      characterClip_{0, 0, config.windowWidth, config.windowHeight},
      fonts_(std::make_unique<FreeTypeFontFactory>()) {
    for (auto& surface : surfaces_) surface = std::make_unique<Surface>(format_, nullptr);
    textWindow_ = std::make_unique<TextWindow>(config_, depth_, format_, width_, height_, platform_.messages());
    textRenderer_ = std::make_unique<TextRenderer>(config_, *fonts_, width_, height_);
    review_ = std::make_unique<BacklogView>(config_, *fonts_, format_, width_, height_);
}

Screen::~Screen() = default;

int Screen::createDisplay(bool keepSurfaces) {
    width_ = config_.windowWidth;
    height_ = config_.windowHeight;
    if (!keepSurfaces) releaseSurfaces();
    for (auto& surface : surfaces_) surface->setImageSource(nullptr);
    imageSource_.reset();

    if (config_.debug) {
        imageSource_ = std::make_unique<LooseImageSource>(platform_.files(), platform_.messages());
    } else {
        try {
            imageSource_ =
                std::make_unique<ArchiveImageSource>(platform_.files(), config_.cgDirectory, platform_.messages());
        } catch (const ArchiveError& error) {
            // Without its image archive the game cannot show anything.
            platform_.messages().error(error.what());
            return kDisplayFailed;
        }
    }
    for (auto& surface : surfaces_) surface->setImageSource(imageSource_.get());

    if (int status = setDisplayMode(); status < 0) return status;
    if (keepSurfaces) return 0;
    return createSurfaces();
}

int Screen::setDisplayMode() {
    const bool fullScreen = !config_.windowed;
    if (!platform_.display().setMode(width_, height_, format_, fullScreen)) {
        if (fullScreen) {
            platform_.messages().error(
                formatText("이 시스템은 %dx%dx%d의 해상도를 지원하지 않습니다.", width_, height_, depth_));
        } else {
            platform_.messages().error("윈도우 모드 전환이 실패했습니다.");
        }
        return kDisplayFailed;
    }
    // The client area, or the whole display set to the game's size.
    presentRect_ = {0, 0, width_, height_};
    return 0;
}

int Screen::createSurfaces() {
    for (SurfaceRole role : {SurfaceRole::FrameSurface, SurfaceRole::StageSurface, SurfaceRole::SceneSurface}) {
        if (int status = surface(role).create(width_, height_); status < 0) return status;
    }
    setBackground(backgroundName_);
    for (SurfaceRole role : {SurfaceRole::WindowSurface, SurfaceRole::TextLayer}) {
        if (int status = surface(role).create(width_, height_); status < 0) return status;
    }
    Surface& text = surface(SurfaceRole::TextLayer);
    text.fill(kMagenta);
    text.setColorKey(Surface::kOwnTopLeftKey);
    if (int status = createCaret(SurfaceRole::CaretSurface, config_.caretFile); status < 0) return status;
    if (int status = createCaret(SurfaceRole::PageCaretSurface, config_.pageCaretFile); status < 0) return status;
    Surface& frame = surface(SurfaceRole::FrameSurface);
    if (int status = frame.fill(kWhite); status < 0) return status;
    // The white frame is the first scene on view, with the dialogue window over it.
    surface(SurfaceRole::SceneSurface).copy(frame, false);
    sceneChanged_ = true;
    showTextWindowOnFrame();
    return 0;
}

int Screen::createCaret(SurfaceRole role, const std::string& file) {
    Surface& caret = surface(role);
    // A caret that cannot be read is one pixel keyed by itself: nothing shows.
    if (caret.createFromImage(file, 100, Surface::OnFailure::Quiet) < 0) {
        if (int status = caret.create(1, 1); status < 0) return status;
    }
    return caret.setColorKey(Surface::kOwnTopLeftKey);
}

void Screen::releaseSurfaces() {
    for (auto& surface : surfaces_) surface = std::make_unique<Surface>(format_, imageSource_.get());
}

EffectCanvas Screen::effectCanvas() {
    return EffectCanvas{surface(SurfaceRole::FrameSurface),
                        surface(SurfaceRole::SceneSurface),
                        surface(SurfaceRole::StageSurface),
                        surface(SurfaceRole::ScratchSurface),
                        platform_.clock(),
                        [this] { present(); },
                        effectRun_,
                        effectBusy_,
                        sceneChanged_};
}

EffectCanvas Screen::workerCanvas() {
    EffectCanvas canvas = effectCanvas();
    if (platform_.display().presentsFromAnyThread()) return canvas;
    canvas.present = [this] {
        const Surface& frame = surface(SurfaceRole::FrameSurface);
        if (frame.valid()) workerFrames_.put(frame.row(0), frame.pitch(), frame.width(), frame.height(), format_);
        workerTurns_.handBack();
        workerTurns_.await(effectRun_);
    };
    canvas.awaitTurn = [this] { workerTurns_.await(effectRun_); };
    return canvas;
}

void Screen::showWorkerFrame() {
    if (!platform_.display().presentsFromAnyThread()) workerTurns_.grant(effectBusy_);
    const bool taken = static_cast<bool>(workerFrames_.take(workerFrame_));
    if (effectBusy_.load(std::memory_order_acquire) == 0) {
        // The worker is done with the frame: the next presentation shows its final picture whole.
        markAllDirty();
        return;
    }
    if (!taken) return;
    platform_.display().present(workerFrame_.pixels.data(), workerFrame_.pitch(), workerFrame_.width,
                                workerFrame_.height, workerFrame_.format);
}

void Screen::stopEffects() {
    effectRun_.store(0, std::memory_order_release);
    Clock& clock = platform_.clock();
    clock.yield();
    while (effectBusy_.load(std::memory_order_acquire) != 0) clock.yield();
}

int Screen::toggleDisplayMode() {
    stopEffects();
    config_.windowed = !config_.windowed;
    return createDisplay(true);
}

void Screen::updatePresentRect(bool windowHasMenuBar) {
    // The full-screen picture moves down below the menu bar while it shows.
    const int top = !config_.windowed && windowHasMenuBar ? WindowSystem::kMenuBarHeight : 0;
    presentRect_ = {0, top, width_, height_};
}

void Screen::present() {
    Surface& frame = surface(SurfaceRole::FrameSurface);
    if (!frame.valid()) return;
    const Rect changed = frame.takeChanged();
    if (changed.empty()) return;
    platform_.display().presentRows(frame.row(0), frame.pitch(), frame.width(), frame.height(), format_, changed.top,
                                    changed.bottom);
}

void Screen::restore() {
    markAllDirty();
    present();
}

void Screen::destroy(bool keepSurfaces) {
    if (!keepSurfaces) releaseSurfaces();
    for (auto& surface : surfaces_) surface->setImageSource(nullptr);
    imageSource_.reset();
}

void Screen::restoreDisplayMode() {
    stopEffects();
    platform_.display().restoreDesktop();
}

void Screen::resetEffectState() {
    effectRun_ = 0;
    quickFadeStep_ = 1;
}

void Screen::reset() {
    characterScale_ = 100;
    lastCharacterX_ = 0;
    lastCharacterY_ = 0;
    quickFadeStep_ = 1;
    backgroundName_.clear();
    textRenderer_->reset();
    textWindow_->setHidden(false);
    windowHiddenByPlayer_ = false;
    if (!surface(SurfaceRole::StageSurface).valid()) return;
    surface(SurfaceRole::TextLayer).fill(kMagenta);
    setBackground(backgroundName_);
    showStage();
}

}  // namespace morv
