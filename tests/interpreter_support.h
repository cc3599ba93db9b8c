// A small game in a temporary directory played by the engine on the headless platform.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "config/game_config.h"
#include "interpreter/scenario_runner.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_dir.h"

namespace morv::testing {

// A small game in a temporary directory played by a ScenarioRunner on the
// headless platform, ticked by hand on the virtual clock. The screen is tiny so
// that presenting costs little; its text window holds a few short lines.
class InterpreterTest : public ::testing::Test {
protected:
    // Script files as UTF-8 text (written as CP949); "scenario.txt" starts the game.
    void writeGame(const std::map<std::string, std::string>& files, const std::string& configuration = "") {
        std::string ini =
            "DEBUG\nSCENARIO_FILE = scenario.txt\nWINDOW_WIDTH = 64\nWINDOW_HEIGHT = 48\n"
            "TEXT_WINDOW_RECT = 0, 0, 64, 48\nFONTSIZE = 10\nWINDOWMARGIN = 2\nTEXTMARGIN = 2\n"
            "TEXT_SPEED = 10\nCG_DELAY = 0\n" +
            configuration;
        dir_.write("morv.ini", cp949(ini));
        for (const auto& [name, text] : files) dir_.write(name, cp949(text));
    }

    void start() {
        cwd_ = std::make_unique<CurrentDirectory>(dir_.path());
        HeadlessOptions options;
        options.traceCommands = true;
        platform_ = std::make_unique<HeadlessPlatform>(options);
        runner_ = std::make_unique<ScenarioRunner>(*platform_);
        ASSERT_TRUE(runner_->initialise());
    }

    // Ticks until the condition holds; false when it did not within the limit.
    bool tickUntil(const std::function<bool()>& condition, int limit = 2000) {
        for (int i = 0; i < limit; ++i) {
            if (condition()) return true;
            ended_ = runner_->Tick() || ended_;
            if (ended_) return condition();
        }
        return condition();
    }
    // Ticks until the interpreter waits for the player (or the game ended).
    bool tickUntilIdle(int limit = 2000) {
        return tickUntil([this] { return runner_->idle() || ended_; }, limit);
    }
    // Ticks until the game ends; false when it did not within the limit.
    bool playToEnd(int limit = 2000) {
        return tickUntil([this] { return ended_; }, limit);
    }

    int state() const { return runner_->engineState().value(); }
    uint64_t now() const { return platform_->virtualClock().elapsed(); }
    void sleep(uint32_t ms) { platform_->virtualClock().sleep(ms); }

    // "file:line" of every command executed so far, in order.
    std::vector<std::string> executed() const {
        std::vector<std::string> lines;
        for (const std::string& line : platform_->traceLines()) {
            const size_t at = line.find("] exec ");
            if (at == std::string::npos) continue;
            const std::string rest = line.substr(at + 7);
            lines.push_back(rest.substr(0, rest.rfind(' ')));
        }
        return lines;
    }
    std::string lastExecuted() const {
        auto lines = executed();
        return lines.empty() ? "" : lines.back();
    }
    bool traced(const std::string& text) const {
        for (const std::string& line : platform_->traceLines()) {
            if (line.find("] " + text) != std::string::npos) return true;
        }
        return false;
    }

    TempDir dir_;
    std::unique_ptr<CurrentDirectory> cwd_;
    std::unique_ptr<HeadlessPlatform> platform_;
    std::unique_ptr<ScenarioRunner> runner_;
    bool ended_ = false;
};

}  // namespace morv::testing
