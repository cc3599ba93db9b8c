// The game's named variables.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morv {

class Platform;
class ByteStream;

struct Variable {
    std::string name;
    int32_t number = 0;   // 0 for a text variable
    std::string text;     // empty for a numeric variable
    bool holdsText = false;
};

// The game's named variables in declaration order. Names compare without regard
// to case; duplicates may exist and every lookup finds the first.
class VariableTable {
public:
    // Names are cut to this many bytes, the most a save can hold.
    static constexpr size_t kMaxNameBytes = 255;

    explicit VariableTable(Platform& platform);

    // Appends a variable (reporting every earlier one of that name). A numeric value
    // makes a number (with `random`: a draw from 0 to the value); anything else a text.
    void Declare(std::string_view name, std::string_view value, bool random);
    void ResetAll();
    // Sets or combines the variable with the operand by the operator byte
    // (+ - * / %, anything else assigns); `random` draws the operand first.
    void Modify(std::string_view name, std::string_view operand, char op, bool random);
    // The condition of the if command ("<", "=", ">").
    bool Compare(std::string_view name, char op, std::string_view operand);
    // Asks the player for the value in an input box titled with the prompt.
    void AskValue(std::string_view name, std::string_view prompt);
    // The text of a text variable or the decimal number; empty when undeclared.
    std::string ValueText(std::string_view name);
    // Replaces a whole argument that names a variable by its value, walking the
    // table in declaration order so that later variables resolve the result again.
    void Substitute(std::string& argument) const;

    // The variables block of a saved game.
    void Write(ByteStream& out) const;
    // Replaces every variable by the block's; a malformed block changes nothing and
    // gives false.
    bool Read(ByteStream& in);
    static void WriteBlock(ByteStream& out, const std::vector<Variable>& variables);
    // The records of a variables block, or none when it is malformed.
    static std::optional<std::vector<Variable>> ReadBlock(ByteStream& in);
    // Replaces every variable by the records, each declared again from its value
    // text, so that a text of digits comes back as a number.
    void Restore(const std::vector<Variable>& records);

    const std::vector<Variable>& variables() const { return variables_; }

private:
    Variable* find(std::string_view name);
    // The variable or, after the undeclared-variable message, null.
    Variable* findOrReport(std::string_view name);
    // A draw from 0 to |limit + 1| - 1, or false when that range is empty.
    bool drawUpTo(int32_t limit, int32_t& result);

    Platform& platform_;
    std::vector<Variable> variables_;
};

}  // namespace morv
