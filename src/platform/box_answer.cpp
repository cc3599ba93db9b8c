// Reading the player's answer to a message box.
#include "platform/box_answer.h"

namespace morv {

BoxAnswer boxAnswer(BoxKind kind, const BoxInput& input) {
    if (kind == BoxKind::Question) {
        // Refusing wins over agreeing when both arrive in one look.
        if (input.cancelClicked || input.escape || input.closeRequested) return BoxAnswer::Cancel;
        if (input.okClicked || input.enter) return BoxAnswer::Ok;
        return BoxAnswer::Pending;
    }
    if (input.okClicked || input.enter || input.escape || input.closeRequested) return BoxAnswer::Ok;
    return BoxAnswer::Pending;
}

}  // namespace morv
