// morv-headless GAME_DIR [--events FILE] [--out DIR] [--depth 16|32] [--max-ms N]
//               [--trace-commands] [--trace-presents] [--trace-volume]
// Plays a game without a display and writes DIR/trace.txt and the snapshots.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include "app/game_app.h"
#include "platform/headless/headless_platform.h"
#ifdef MORV_HEADLESS_IMGUI
#include "platform/sdl/imgui_snapshot_painter.h"
#endif

namespace fs = std::filesystem;

namespace {

int usage(const char* message) {
    std::fprintf(stderr, "morv-headless: %s\n", message);
    std::fprintf(stderr,
                 "usage: morv-headless GAME_DIR [--events FILE] [--out DIR] [--depth 16|32] [--max-ms N]\n"
                 "                     [--trace-commands] [--trace-presents] [--trace-volume]\n");
    return 2;
}

// Reads a whole decimal number from 0 to the largest `Number`: a sign, any other
// character or a value past that is refused with a one-line message instead of
// being read as something else (a negative time limit would wrap to almost forever).
template <typename Number>
bool readNumber(const char* option, const char* text, Number& value) {
    const char* end = text + std::strlen(text);
    Number read = 0;
    auto [stop, error] = std::from_chars(text, end, read);
    if (*text != '-' && error == std::errc() && stop == end && stop != text) {
        value = read;
        return true;
    }
    std::fprintf(stderr, "morv-headless: %s needs a whole number from 0 to %llu, not \"%s\"\n", option,
                 static_cast<unsigned long long>(std::numeric_limits<Number>::max()), text);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage("no game directory");
    fs::path game = argv[1];
    fs::path eventsFile;
    fs::path outDir = "headless-out";
    morv::HeadlessOptions options;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--events" && hasValue) {
            eventsFile = argv[++i];
        } else if (arg == "--out" && hasValue) {
            outDir = argv[++i];
        } else if (arg == "--depth" && hasValue) {
            if (!readNumber("--depth", argv[++i], options.desktopDepth)) return 2;
        } else if (arg == "--max-ms" && hasValue) {
            if (!readNumber("--max-ms", argv[++i], options.maxMs)) return 2;
        } else if (arg == "--trace-commands") {
            options.traceCommands = true;
        } else if (arg == "--trace-presents") {
            options.tracePresents = true;
        } else if (arg == "--trace-volume") {
            options.traceVolume = true;
        } else {
            return usage(("unknown argument " + arg).c_str());
        }
    }
    if (!eventsFile.empty()) {
        std::ifstream in(eventsFile);
        if (!in) return usage(("cannot read " + eventsFile.string()).c_str());
        std::ostringstream text;
        text << in.rdbuf();
        std::string error;
        auto steps = morv::parseEventScript(text.str(), error);
        if (!steps) return usage((eventsFile.string() + " " + error).c_str());
        options.events = std::move(*steps);
    }
    std::error_code ec;
    fs::create_directories(outDir, ec);
    options.outDir = fs::absolute(outDir);
    fs::current_path(game, ec);
    if (ec) return usage(("cannot enter " + game.string()).c_str());

    morv::HeadlessPlatform platform(options);
#ifdef MORV_HEADLESS_IMGUI
    platform.setOverlayPainter(std::make_unique<morv::ImGuiSnapshotPainter>());
#endif
    int code = 1;
    {
        morv::GameApp app(platform);
        platform.setIdleProbe([&app] { return app.engineIdle(); });
        if (app.start()) {
            bool failed = app.startupFailed();
            app.run();
            code = failed ? 1 : 0;
        }
        platform.setIdleProbe(nullptr);
    }
    platform.trace().write("exit " + std::to_string(code));
    return code;
}
