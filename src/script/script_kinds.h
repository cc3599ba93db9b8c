#pragma once
#include "script/script_file.h"

namespace morv {

// Until the command syntax arrives every kind parses each non-empty line into a
// record holding its first word; "end" stops.
class WordListScript : public ScriptFile {
public:
    using ScriptFile::ScriptFile;

protected:
    void Parse() override;
};

// The story scenario.
class ScenarioScript : public WordListScript {
public:
    using WordListScript::WordListScript;
};

// A script played by show: sprites, timers, movies and Flash.
class ShowScript : public WordListScript {
public:
    using WordListScript::WordListScript;
};

// A menu screen of buttons opened by menu.
class ButtonScript : public WordListScript {
public:
    using WordListScript::WordListScript;
};

// The game configuration file.
class ConfigurationScript : public WordListScript {
public:
    using WordListScript::WordListScript;
};

}  // namespace morv
