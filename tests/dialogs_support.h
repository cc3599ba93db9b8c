// Message boxes that answer from a list, for the dialogs' tests.
#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace morv::testing {

// Answers questions, the colour chooser and the name box from queues and notes
// every text shown. Questions without a queued answer are answered OK; the
// chooser and the name box without one are cancelled.
class AnsweringBoxes : public MessageBoxes {
public:
    void error(const std::string& text) override { shown.push_back(text); }
    bool question(const std::string& text) override {
        shown.push_back(text);
        if (answers.empty()) return true;
        bool ok = answers.front();
        answers.pop_front();
        return ok;
    }
    std::string input(const std::string& title) override {
        shown.push_back(title);
        return {};
    }
    // Notes the first custom colour offered, then keeps `customToKeep` there as a player would.
    std::optional<uint32_t> chooseColor(uint32_t initial, CustomColors& custom) override {
        colorsOffered.push_back(initial);
        firstCustomSeen.push_back(custom[0]);
        custom[0] = customToKeep;
        if (colors.empty()) return std::nullopt;
        auto color = colors.front();
        colors.pop_front();
        return color;
    }
    std::optional<std::string> askName(const std::string& prompt) override {
        shown.push_back(prompt);
        if (names.empty()) return std::nullopt;
        auto name = names.front();
        names.pop_front();
        return name;
    }

    std::deque<bool> answers;
    std::deque<std::optional<uint32_t>> colors;
    std::deque<std::optional<std::string>> names;
    std::vector<uint32_t> colorsOffered;
    std::vector<uint32_t> firstCustomSeen;
    uint32_t customToKeep = 0x123456;
    std::vector<std::string> shown;
};

}  // namespace morv::testing
