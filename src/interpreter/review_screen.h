// The text review: paging back through earlier text with its six on-screen buttons.
#pragma once
#include <cstdint>

#include "platform/pointer_position.h"

namespace morv {

class EngineStatus;
class ScenarioState;
class Screen;

struct ReviewContext {
    Screen& screen;
    EngineStatus& status;
    ScenarioState& state;
};

class ReviewScreen {
public:
    explicit ReviewScreen(const ReviewContext& context) : c_(context) {}

    // 4, 260, 4100 and 4356: the review over a scenario or over waiting choices.
    static bool isReviewState(int32_t state);

    // Shows the newest text, makes the review buttons and enters the review state.
    void open();
    // Back to the game; a page that waited for its click waits again.
    void leave();
    void lineBack();
    // One line forward; at the newest line the review is left.
    void lineForward();
    // A click: a button's step, or the view's own answer elsewhere.
    void click(PointerPosition at);
    // The hovered button shows its hover picture; a held button drags the scroll bar.
    void pointerMove(PointerPosition at, bool leftHeld);
    void buttonRelease();

private:
    // Draws button `index` in its normal (0), hover (1) or pressed (2) picture.
    void drawButton(int index, int look);

    ReviewContext c_;
};

}  // namespace morv
