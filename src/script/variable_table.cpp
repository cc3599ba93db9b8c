// Variables: declaration, lookup, arithmetic, substitution and their save block.
#include "script/variable_table.h"

#include <random>

#include "platform/cp949.h"
#include "platform/platform.h"
#include "platform/text_format.h"
#include "bytes/byte_stream.h"
#include "script/numeric_text.h"

namespace morv {

namespace {

constexpr const char* kUndeclaredMessage = "%s 는 초기화되지 않은 변수입니다.";
constexpr const char* kDuplicateMessage = "변수 %s가 중복 선언되었습니다.";

std::string valueOf(const Variable& variable) {
    return variable.holdsText ? variable.text : std::to_string(variable.number);
}

// Signed 32-bit wrap-around of a result computed in 64 bits.
int32_t wrap(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }

}  // namespace

VariableTable::VariableTable(Platform& platform) : platform_(platform) {}

Variable* VariableTable::find(std::string_view name) {
    name = cp949::truncate(name, kMaxNameBytes);
    for (Variable& variable : variables_) {
        if (cp949::equalsIgnoreCase(variable.name, name)) return &variable;
    }
    return nullptr;
}

Variable* VariableTable::findOrReport(std::string_view name) {
    Variable* variable = find(name);
    if (!variable) platform_.messages().error(formatText(kUndeclaredMessage, cp949::toUtf8(name).c_str()));
    return variable;
}

bool VariableTable::drawUpTo(int32_t limit, int32_t& result) {
    int64_t modulus = int64_t{limit} + 1;
    if (modulus == 0) return false;
    // Reseeded from the tick counter before every draw: draws within one millisecond are equal.
    std::mt19937 generator(platform_.clock().ticks());
    int64_t r = generator() >> 1;
    result = static_cast<int32_t>(r % modulus);
    return true;
}

void VariableTable::Declare(std::string_view name, std::string_view value, bool random) {
    name = cp949::truncate(name, kMaxNameBytes);
    for (const Variable& existing : variables_) {
        if (cp949::equalsIgnoreCase(existing.name, name)) {
            platform_.messages().error(formatText(kDuplicateMessage, cp949::toUtf8(name).c_str()));
        }
    }
    Variable variable;
    variable.name = std::string(name);
    if (isNumericText(value)) {
        variable.number = decimalValue(value);
        // An empty random range (a value of -1) keeps the value as written.
        if (random) drawUpTo(variable.number, variable.number);
    } else {
        variable.text = std::string(value);
        variable.holdsText = true;
    }
    variables_.push_back(std::move(variable));
}

void VariableTable::ResetAll() { variables_.clear(); }

void VariableTable::Modify(std::string_view name, std::string_view operand, char op, bool random) {
    Variable* target = findOrReport(name);
    if (!target) return;
    const Variable* source = find(operand);
    if (target->holdsText) {
        target->text = source ? source->text : std::string(operand);
        return;
    }
    int32_t value = source ? source->number : decimalValue(operand);
    if (random && !drawUpTo(value, value)) return;
    int64_t current = target->number;
    int64_t result;
    switch (op) {
        case '+': result = current + value; break;
        case '-': result = current - value; break;
        case '*': result = current * value; break;
        // Division or remainder by zero leaves the variable as it was.
        case '/':
            if (value == 0) return;
            result = current / value;
            break;
        case '%':
            if (value == 0) return;
            result = current % value;
            break;
        default: result = value; break;
    }
    target->number = wrap(result);
}

bool VariableTable::Compare(std::string_view name, char op, std::string_view operand) {
    const Variable* target = findOrReport(name);
    if (!target) return false;
    auto compareNumbers = [op](int32_t number, int32_t value) {
        switch (op) {
            case '<': return number < value;
            case '=': return number == value;
            case '>': return number > value;
            default: return false;
        }
    };
    if (isNumericText(operand)) return compareNumbers(target->number, decimalValue(operand));
    if (const Variable* other = find(operand)) {
        if (!target->holdsText) return compareNumbers(target->number, other->number);
        return cp949::equalsIgnoreCase(target->text, other->text);
    }
    return cp949::equalsIgnoreCase(target->text, operand);
}

void VariableTable::AskValue(std::string_view name, std::string_view prompt) {
    Variable* target = findOrReport(name);
    if (!target) return;
    std::string answer = cp949::fromUtf8(platform_.messages().input(cp949::toUtf8(prompt)));
    if (target->holdsText) {
        target->text = std::move(answer);
    } else {
        target->number = decimalValue(answer);
    }
}

std::string VariableTable::ValueText(std::string_view name) {
    const Variable* variable = findOrReport(name);
    return variable ? valueOf(*variable) : std::string();
}

void VariableTable::Substitute(std::string& argument) const {
    // Only a whole argument is a name; an argument longer than any name never matches.
    for (const Variable& variable : variables_) {
        if (cp949::equalsIgnoreCase(argument, variable.name)) argument = valueOf(variable);
    }
}

void VariableTable::Write(ByteStream& out) const { WriteBlock(out, variables_); }

bool VariableTable::Read(ByteStream& in) {
    auto records = ReadBlock(in);
    if (!records) return false;
    Restore(*records);
    return true;
}

void VariableTable::WriteBlock(ByteStream& out, const std::vector<Variable>& variables) {
    out.writeU32(static_cast<uint32_t>(variables.size()));
    for (const Variable& variable : variables) {
        out.writeU8(static_cast<uint8_t>(variable.name.size()));
        out.writeBytes(variable.name);
        out.writeU8(variable.holdsText ? 1 : 0);
        if (variable.holdsText) {
            // Texts of any length keep their 4-byte length, so long texts survive a save.
            out.writeU32(static_cast<uint32_t>(variable.text.size()));
            out.writeBytes(variable.text);
        } else {
            out.writeI32(variable.number);
        }
    }
}

std::optional<std::vector<Variable>> VariableTable::ReadBlock(ByteStream& in) {
    uint32_t count;
    if (!in.readU32(count)) return std::nullopt;
    std::vector<Variable> records;
    for (uint32_t i = 0; i < count; ++i) {
        Variable record;
        uint8_t nameLength, kind;
        if (!in.readU8(nameLength) || !in.readBytes(nameLength, record.name) || !in.readU8(kind)) return std::nullopt;
        if (kind == 1) {
            uint32_t textLength;
            if (!in.readU32(textLength) || !in.readBytes(textLength, record.text)) return std::nullopt;
            record.holdsText = true;
        } else if (kind == 0) {
            if (!in.readI32(record.number)) return std::nullopt;
        } else {
            return std::nullopt;
        }
        records.push_back(std::move(record));
    }
    return records;
}

void VariableTable::Restore(const std::vector<Variable>& records) {
    ResetAll();
    for (const Variable& record : records) {
        Declare(record.name, record.holdsText ? record.text : std::to_string(record.number), false);
    }
}

}  // namespace morv
