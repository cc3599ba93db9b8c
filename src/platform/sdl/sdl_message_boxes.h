// The SDL platform's message boxes.
#pragma once
#include <string>

#include "platform/message_boxes.h"

namespace morv {

class SdlDisplay;
class SdlWindow;

// Message boxes drawn with Dear ImGui over the game's last frame, each in its
// own modal loop. Without a window the text goes to the standard error stream.
class SdlMessageBoxes : public MessageBoxes {
public:
    SdlMessageBoxes(SdlWindow& window, SdlDisplay& display) : window_(window), display_(display) {}

    void error(const std::string& text) override;
    bool question(const std::string& text) override;
    std::string input(const std::string& title) override;
    void runDialog(DialogForm& form) override;
    std::optional<uint32_t> chooseColor(uint32_t initial, CustomColors& custom) override;
    std::optional<std::string> askName(const std::string& prompt) override;
    std::optional<std::string> saveFileName(const std::string& defaultExtension, const std::string& filter) override;

private:
    SdlWindow& window_;
    SdlDisplay& display_;
};

}  // namespace morv
