// How a message box reads the player's answer.
#include <gtest/gtest.h>

#include "platform/box_answer.h"

namespace morv {
namespace {

BoxInput with(bool BoxInput::*field) {
    BoxInput input;
    input.*field = true;
    return input;
}

TEST(BoxAnswer, NothingDoneKeepsEveryBoxOpen) {
    for (BoxKind kind : {BoxKind::Notice, BoxKind::Question, BoxKind::Input}) {
        EXPECT_EQ(boxAnswer(kind, BoxInput{}), BoxAnswer::Pending);
    }
}

TEST(BoxAnswer, QuestionTakesEnterAsOkAndEscapeOrCloseAsCancel) {
    EXPECT_EQ(boxAnswer(BoxKind::Question, with(&BoxInput::okClicked)), BoxAnswer::Ok);
    EXPECT_EQ(boxAnswer(BoxKind::Question, with(&BoxInput::enter)), BoxAnswer::Ok);
    EXPECT_EQ(boxAnswer(BoxKind::Question, with(&BoxInput::cancelClicked)), BoxAnswer::Cancel);
    EXPECT_EQ(boxAnswer(BoxKind::Question, with(&BoxInput::escape)), BoxAnswer::Cancel);
    EXPECT_EQ(boxAnswer(BoxKind::Question, with(&BoxInput::closeRequested)), BoxAnswer::Cancel);
    // Enter and a close request in the same pass: the close box must not confirm.
    BoxInput both = with(&BoxInput::enter);
    both.closeRequested = true;
    EXPECT_EQ(boxAnswer(BoxKind::Question, both), BoxAnswer::Cancel);
}

TEST(BoxAnswer, OkOnlyBoxesCloseAsOkWhateverEndsThem) {
    for (BoxKind kind : {BoxKind::Notice, BoxKind::Input}) {
        for (auto field : {&BoxInput::okClicked, &BoxInput::enter, &BoxInput::escape, &BoxInput::closeRequested}) {
            EXPECT_EQ(boxAnswer(kind, with(field)), BoxAnswer::Ok);
        }
    }
}

}  // namespace
}  // namespace morv
