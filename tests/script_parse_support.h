// Parsing script texts in tests and comparing the records.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "script/script_kinds.h"
#include "support/temp_dir.h"

namespace morv::testing {

// A record as a test expects it; arguments are UTF-8 and unlisted ones empty.
struct ExpectedRecord {
    CommandId id;
    std::vector<std::string> args;
    int count;
    int line;
};

// Parses script texts written to a temporary directory and records the messages.
class ScriptParseTest : public ::testing::Test {
protected:
    template <class Script>
    std::unique_ptr<ScriptFile> parse(const std::string& utf8) {
        dir_.write("test.txt", cp949(utf8));
        auto script = std::make_unique<Script>(ScriptEnvironment{platform_.messages(), files_, nullptr, true});
        EXPECT_TRUE(script->Load("test.txt", ScriptKind::Scenario));
        return script;
    }
    std::unique_ptr<ScriptFile> scenario(const std::string& utf8) { return parse<ScenarioScript>(utf8); }

    static void expectRecords(const ScriptFile& script, const std::vector<ExpectedRecord>& expected) {
        const auto& commands = script.commands();
        ASSERT_EQ(commands.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE("record " + std::to_string(i));
            const CommandRecord& actual = commands[i];
            EXPECT_EQ(actual.id, expected[i].id);
            for (size_t a = 0; a < actual.args.size(); ++a) {
                std::string want = a < expected[i].args.size() ? cp949(expected[i].args[a]) : "";
                EXPECT_EQ(actual.args[a], want) << "argument " << a;
            }
            EXPECT_EQ(actual.argCount, expected[i].count);
            EXPECT_EQ(actual.line, expected[i].line);
        }
    }

    const std::vector<std::string>& messages() const { return platform_.messagesShown(); }

    TempDir dir_;
    HeadlessPlatform platform_;
    FileResolver files_{dir_.path()};
};

}  // namespace morv::testing
