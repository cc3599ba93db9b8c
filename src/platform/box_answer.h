// The kinds of message box and how each is answered.
#pragma once

namespace morv {

// The three kinds of message box and how each is answered.
enum class BoxKind { Notice, Question, Input };
enum class BoxAnswer { Pending, Ok, Cancel };

// What happened to an open box since it was last looked at.
struct BoxInput {
    bool okClicked = false;
    bool cancelClicked = false;
    bool enter = false;
    bool escape = false;
    bool closeRequested = false;
};

// Boxes with only OK take every way of closing them as OK; a question takes
// Escape and the window's close box as Cancel, Enter as OK.
BoxAnswer boxAnswer(BoxKind kind, const BoxInput& input);

}  // namespace morv
