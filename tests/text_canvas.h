// The screen's surfaces for the text window, for text tests.
#pragma once
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "display/text_window.h"
#include "platform/message_boxes.h"

namespace morv::testing {

class RecordedMessages final : public MessageBoxes {
public:
    void error(const std::string& text) override { errors.push_back(text); }
    bool question(const std::string&) override { return true; }
    std::string input(const std::string&) override { return {}; }
    std::vector<std::string> errors;
};

// The screen's surfaces for the text window, all of one size.
struct TextCanvas {
    TextCanvas(int width, int height, PixelFormat format) {
        for (auto& s : surfaces) {
            s = std::make_unique<Surface>(format, nullptr);
            s->create(width, height);
        }
        textLayer().fill(0xFF00FF);
        textLayer().setColorKey(Surface::kOwnTopLeftKey);
    }
    Surface& scene() { return *surfaces[0]; }
    Surface& window() { return *surfaces[1]; }
    Surface& frame() { return *surfaces[2]; }
    Surface& textLayer() { return *surfaces[3]; }
    Surface& caret() { return *surfaces[4]; }
    Surface& pageCaret() { return *surfaces[5]; }
    WindowCanvas canvas() {
        return {scene(),       window(),     frame(), textLayer(), *surfaces[4], *surfaces[5], *surfaces[6],
                sceneChanged, {0, 0, scene().width(), scene().height()}, false};
    }

    std::unique_ptr<Surface> surfaces[7];
    std::atomic<bool> sceneChanged{true};
};

}  // namespace morv::testing
