// The cost of typing one character of a page, and of a whole page drawn at once.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "display/freetype_font.h"
#include "display/text_renderer.h"
#include "platform/cp949.h"
#include "text_canvas.h"
#include "screen_sizes.h"

namespace {

using morv::PixelFormat;

// 150 Korean characters with spaces and punctuation, as a scenario holds them.
std::string koreanPage() {
    const std::string sentence = morv::cp949::fromUtf8("따뜻한 바람이 부는 봄날 오후, 나는 학교 옥상 문을 열었다. ");
    std::string page;
    while (morv::cp949::toUtf8(page).size() / 3 < 150) page += sentence;
    return page;
}

// A screen of the benchmark's size with the text window over its lower third.
struct TextScreen {
    TextScreen(int width, int height, int depth)
        : format(depth == 16 ? PixelFormat::Rgb565 : PixelFormat::Xrgb8888), canvas(width, height, format) {
        config.windowWidth = width;
        config.windowHeight = height;
        config.textWindowRect = {20, height * 2 / 3, width - 20, height - 10};
        window = std::make_unique<morv::TextWindow>(config, depth, format, width, height, messages);
        renderer = std::make_unique<morv::TextRenderer>(config, fonts, width, height);
    }
    morv::WindowCanvas windowCanvas() { return canvas.canvas(); }

    PixelFormat format;
    morv::GameConfig config;
    morv::FreeTypeFontFactory fonts;
    morv::testing::RecordedMessages messages;
    morv::testing::TextCanvas canvas;
    std::unique_ptr<morv::TextWindow> window;
    std::unique_ptr<morv::TextRenderer> renderer;
};

void BM_TypeOneCharacter(benchmark::State& state) {
    TextScreen screen(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                      static_cast<int>(state.range(2)));
    const std::string page = koreanPage();
    for (auto _ : state) {
        morv::WindowCanvas canvas = screen.windowCanvas();
        if (screen.renderer->revealNext(canvas, *screen.window) != morv::TextRenderer::kDrawn) {
            state.PauseTiming();
            screen.renderer->resetPage(true);
            screen.renderer->showMessage(canvas, *screen.window, page, true);
            state.ResumeTiming();
        }
        benchmark::ClobberMemory();
    }
}

void BM_DrawPageAtOnce(benchmark::State& state) {
    TextScreen screen(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                      static_cast<int>(state.range(2)));
    const std::string page = koreanPage();
    for (auto _ : state) {
        morv::WindowCanvas canvas = screen.windowCanvas();
        screen.renderer->resetPage(true);
        screen.renderer->showMessage(canvas, *screen.window, page, false);
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_TypeOneCharacter)->Apply(morv::bench::screens);
BENCHMARK(BM_DrawPageAtOnce)->Apply(morv::bench::screens);
