// Variables: declaration, arithmetic, comparison and substitution.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "platform/cp949.h"
#include "platform/headless/headless_platform.h"
#include "script/variable_table.h"

namespace morv {
namespace {

class VariableTableTest : public ::testing::Test {
protected:
    const Variable& only(std::string_view name) {
        for (const Variable& v : table.variables()) {
            if (cp949::equalsIgnoreCase(v.name, name)) return v;
        }
        static Variable none;
        ADD_FAILURE() << "no variable " << name;
        return none;
    }
    int32_t number(std::string_view name) { return only(name).number; }
    const std::vector<std::string>& messages() { return platform.messagesShown(); }

    HeadlessPlatform platform;
    VariableTable table{platform};
};

TEST_F(VariableTableTest, InitFormsMakeNumbersOrTexts) {
    table.Declare("minus", "-5", false);
    table.Declare("backwards", "5-", false);
    table.Declare("bare", "", false);
    table.Declare("word", "Hello", false);
    table.Declare("spaced", " 7", false);

    EXPECT_FALSE(only("minus").holdsText);
    EXPECT_EQ(number("minus"), -5);
    EXPECT_TRUE(only("backwards").holdsText);
    EXPECT_EQ(only("backwards").text, "5-");
    EXPECT_EQ(number("backwards"), 0);
    EXPECT_FALSE(only("bare").holdsText);
    EXPECT_EQ(number("bare"), 0);
    EXPECT_TRUE(only("word").holdsText);
    EXPECT_TRUE(only("spaced").holdsText);
    EXPECT_TRUE(messages().empty());
}

TEST_F(VariableTableTest, RandomInitDrawsWithinRangeAndIgnoresTexts) {
    std::set<int32_t> seen;
    for (int i = 0; i < 200; ++i) {
        table.ResetAll();
        table.Declare("dice", "6", true);
        seen.insert(number("dice"));
    }
    EXPECT_GE(*seen.begin(), 0);
    EXPECT_LE(*seen.rbegin(), 6);
    EXPECT_GT(seen.size(), 3u) << "draws reseeded from a moving clock should differ";

    table.Declare("text", "six", true);
    EXPECT_EQ(only("text").text, "six");
    // An empty range keeps the value as written.
    table.Declare("empty", "-1", true);
    EXPECT_EQ(number("empty"), -1);
}

TEST_F(VariableTableTest, DuplicateDeclarationsReportEachEarlierOneAndLookupsFindTheFirst) {
    table.Declare("hp", "1", false);
    table.Declare("HP", "2", false);
    table.Declare("Hp", "3", false);
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[0], "변수 HP가 중복 선언되었습니다.");
    EXPECT_EQ(messages()[2], "변수 Hp가 중복 선언되었습니다.");
    EXPECT_EQ(table.variables().size(), 3u);
    EXPECT_EQ(table.ValueText("hp"), "1");
    table.Modify("hP", "10", '=', false);
    EXPECT_EQ(table.variables()[0].number, 10);
    EXPECT_EQ(table.variables()[1].number, 2);
}

TEST_F(VariableTableTest, ArithmeticOperatorsWrapAndIgnoreDivisionByZero) {
    table.Declare("n", "17", false);
    auto apply = [&](char op, const char* operand) {
        table.Modify("n", operand, op, false);
        return number("n");
    };
    EXPECT_EQ(apply('+', "3"), 20);
    EXPECT_EQ(apply('-', "25"), -5);
    EXPECT_EQ(apply('*', "-4"), 20);
    EXPECT_EQ(apply('/', "-3"), -6);   // toward zero
    EXPECT_EQ(apply('%', "4"), -2);    // sign of the dividend
    EXPECT_EQ(apply('/', "0"), -2);
    EXPECT_EQ(apply('%', "0"), -2);
    EXPECT_EQ(apply('=', "42"), 42);
    EXPECT_EQ(apply(' ', "-8"), -8);
    EXPECT_EQ(apply('?', "9"), 9);

    EXPECT_EQ(apply('=', "2147483647"), INT_MAX);
    EXPECT_EQ(apply('+', "1"), INT_MIN);
    EXPECT_EQ(apply('-', "1"), INT_MAX);
    EXPECT_EQ(apply('=', "-2147483648"), INT_MIN);
    EXPECT_EQ(apply('/', "-1"), INT_MIN);
    EXPECT_EQ(apply('%', "-1"), 0);
    EXPECT_EQ(apply('=', "65536"), 65536);
    EXPECT_EQ(apply('*', "65536"), 0);
    // Digits beyond 32 bits saturate.
    EXPECT_EQ(apply('=', "99999999999"), INT_MAX);
    EXPECT_TRUE(messages().empty());
}

TEST_F(VariableTableTest, OperandsComeFromVariablesOrTheirDecimalValue) {
    table.Declare("n", "1", false);
    table.Declare("five", "5", false);
    table.Declare("label", "abc", false);

    table.Modify("n", "FIVE", '+', false);
    EXPECT_EQ(number("n"), 6);
    table.Modify("n", "label", '=', false);  // a text variable counts 0
    EXPECT_EQ(number("n"), 0);
    table.Modify("n", "12abc", '=', false);
    EXPECT_EQ(number("n"), 12);
    table.Modify("n", "undeclared", '=', false);
    EXPECT_EQ(number("n"), 0);
    EXPECT_TRUE(messages().empty()) << "a missing operand variable is not reported";
}

TEST_F(VariableTableTest, TextTargetsTakeTextsWhateverTheOperator) {
    table.Declare("name", "x", false);
    table.Declare("other", "yz", false);
    table.Declare("five", "5", false);

    table.Modify("name", "123", '+', true);
    EXPECT_TRUE(only("name").holdsText);
    EXPECT_EQ(only("name").text, "123");
    table.Modify("name", "other", '=', false);
    EXPECT_EQ(only("name").text, "yz");
    table.Modify("name", "five", '=', false);  // a numeric variable gives its empty text
    EXPECT_EQ(only("name").text, "");
}

TEST_F(VariableTableTest, RandomOperandsDrawBeforeTheOperator) {
    table.Declare("n", "0", false);
    std::set<int32_t> assigned;
    for (int i = 0; i < 200; ++i) {
        table.Modify("n", "6", '=', true);
        assigned.insert(number("n"));
    }
    EXPECT_GE(*assigned.begin(), 0);
    EXPECT_LE(*assigned.rbegin(), 6);
    EXPECT_GT(assigned.size(), 3u);

    table.Modify("n", "100", '=', false);
    table.Modify("n", "6", '+', true);
    EXPECT_GE(number("n"), 100);
    EXPECT_LE(number("n"), 106);

    // An empty random range (-1 + 1 = 0) leaves the variable unchanged.
    table.Modify("n", "77", '=', false);
    table.Modify("n", "-1", '=', true);
    EXPECT_EQ(number("n"), 77);
    // A random divisor that may draw 0 never faults.
    for (int i = 0; i < 50; ++i) {
        table.Modify("n", "1", '/', true);
        table.Modify("n", "1", '%', true);
    }
}

TEST_F(VariableTableTest, MissingVariablesAreReportedAndChangeNothing) {
    table.Modify("ghost", "1", '=', false);
    EXPECT_FALSE(table.Compare("ghost", '=', "0"));
    EXPECT_EQ(table.ValueText("ghost"), "");
    table.AskValue("ghost", "prompt");
    ASSERT_EQ(messages().size(), 4u);
    for (const std::string& m : messages()) EXPECT_EQ(m, "ghost 는 초기화되지 않은 변수입니다.");
    EXPECT_TRUE(table.variables().empty());
}

TEST_F(VariableTableTest, CompareByNumberAndByText) {
    table.Declare("n", "5", false);
    table.Declare("m", "7", false);
    table.Declare("word", "HELLO", false);
    table.Declare("same", "hello", false);

    EXPECT_TRUE(table.Compare("n", '<', "6"));
    EXPECT_FALSE(table.Compare("n", '<', "5"));
    EXPECT_TRUE(table.Compare("n", '=', "5"));
    EXPECT_TRUE(table.Compare("n", '>', "-3"));
    EXPECT_FALSE(table.Compare("n", '!', "5"));
    EXPECT_TRUE(table.Compare("n", '<', "m"));
    EXPECT_FALSE(table.Compare("n", '=', "m"));
    EXPECT_FALSE(table.Compare("n", '=', "word"));  // a text variable's number is 0

    EXPECT_TRUE(table.Compare("word", '=', "hello"));
    EXPECT_TRUE(table.Compare("word", '<', "Hello"));  // texts compare equal or not, whatever the operator
    EXPECT_FALSE(table.Compare("word", '=', "hell"));
    EXPECT_TRUE(table.Compare("word", '=', "same"));   // through the variable's text
    EXPECT_TRUE(table.Compare("word", '=', "0"));      // digits compare the number 0
    EXPECT_FALSE(table.Compare("word", '=', "1"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(VariableTableTest, AskValueConvertsThePromptAndTheAnswer) {
    std::string name = cp949::fromUtf8("이름");
    table.Declare(name, cp949::fromUtf8("무명"), false);
    table.Declare("age", "0", false);

    platform.queueAnswer("철수");
    table.AskValue(name, cp949::fromUtf8("이름을 입력하세요"));
    EXPECT_EQ(only(name).text, cp949::fromUtf8("철수"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "이름을 입력하세요");

    platform.queueAnswer(" 23 years");
    table.AskValue("age", "age?");
    EXPECT_EQ(number("age"), 23);
}

TEST_F(VariableTableTest, ValueTextGivesTextsAndDecimalNumbers) {
    table.Declare("n", "-12", false);
    table.Declare("t", cp949::fromUtf8("안녕"), false);
    EXPECT_EQ(table.ValueText("N"), "-12");
    EXPECT_EQ(table.ValueText("t"), cp949::fromUtf8("안녕"));
}

TEST_F(VariableTableTest, SubstitutionFollowsLaterDeclarationsOnlyForWholeArguments) {
    table.Declare("b", "5", false);
    table.Declare("a", "b", false);
    table.Declare("c", "d", false);
    table.Declare("d", "final", false);

    auto substituted = [&](std::string argument) {
        table.Substitute(argument);
        return argument;
    };
    EXPECT_EQ(substituted("a"), "b") << "b was declared before a";
    EXPECT_EQ(substituted("C"), "final") << "d was declared after c";
    EXPECT_EQ(substituted("B"), "5");
    EXPECT_EQ(substituted("ab"), "ab");
    EXPECT_EQ(substituted("b "), "b ");
    EXPECT_EQ(substituted("a+1"), "a+1");
    EXPECT_EQ(substituted(""), "");
    EXPECT_TRUE(messages().empty());
}

TEST_F(VariableTableTest, LongNamesAreCutOnACharacterBoundary) {
    std::string longName;
    for (int i = 0; i < 150; ++i) longName += cp949::fromUtf8("가");  // 300 bytes
    table.Declare(longName, "1", false);
    ASSERT_EQ(table.variables().size(), 1u);
    EXPECT_EQ(table.variables()[0].name.size(), 254u);
    EXPECT_EQ(table.variables()[0].name, longName.substr(0, 254));

    table.Modify(longName, "9", '=', false);
    EXPECT_EQ(table.ValueText(longName), "9");
    EXPECT_TRUE(messages().empty());
}

}  // namespace
}  // namespace morv
