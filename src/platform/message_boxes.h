// The message box port.
#pragma once
#include <string>

namespace morv {

// Modal boxes shown to the player. Every text is UTF-8.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An error or notice with an OK button.
    virtual void error(const std::string& text) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool question(const std::string& text) = 0;
    // A box with one text field and OK; returns the entered text.
    virtual std::string input(const std::string& title) = 0;
};

}  // namespace morv
