// A fixture that writes one scenario into a scratch game directory and opens it loose.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/headless/headless_platform.h"
#include "script/script_factory.h"
#include "support/temp_dir.h"

namespace morv::testing {

class LooseScriptTest : public ::testing::Test {
protected:
    std::unique_ptr<ScriptFile> open(const std::string& text) {
        dir_.write("s.txt", text);
        return factory_.Open("s.txt", ScriptKind::Scenario);
    }

    TempDir dir_;
    CurrentDirectory here_{dir_.path()};
    HeadlessPlatform platform_;
    ScriptFactory factory_{ScriptSources{true, {}}, platform_};
};

}  // namespace morv::testing
