// The text review: paging back through earlier text with its six on-screen buttons.
#include "interpreter/review_screen.h"

#include "display/screen.h"
#include "interpreter/engine_status.h"
#include "interpreter/scenario_state.h"
#include "script/numeric_text.h"

namespace morv {

namespace {

// The buttons in the order they are made; their pictures are named by the tens
// digit of the button and the units digit of its look.
enum ReviewButton { kBackground = 0, kUp, kPageUp, kPageDown, kDown, kEscape, kReviewButtons };

constexpr int kNormalLook = 0;
constexpr int kHoverLook = 1;
constexpr int kPressedLook = 2;

// Left edges; the background button sits at the left, the others from the right edge.
constexpr int kFromRight[kReviewButtons] = {0, 180, 144, 108, 72, 36};
constexpr int kButtonSize = 32;
constexpr int kButtonTop = 4;

std::string pictureName(int button, int look) { return std::to_string(button) + std::to_string(look); }

}  // namespace

bool ReviewScreen::isReviewState(int32_t state) {
    const int32_t base = state & ~EngineState::kPluginBit;
    return base == EngineState::kReview || base == EngineState::kChoices + EngineState::kReview;
}

void ReviewScreen::open() {
    EngineStatus& status = c_.status;
    c_.screen.openReview();
    auto& menu = c_.state.menuButtons;
    menu.clear();
    const int width = c_.screen.width();
    for (int button = 0; button < kReviewButtons; ++button) {
        const int left = button == kBackground ? kButtonTop : width - kFromRight[button];
        menu.add(imageButton(ButtonAction::Event, {}, {left, kButtonTop, left + kButtonSize, kButtonTop + kButtonSize},
                             pictureName(button, kNormalLook), pictureName(button, kHoverLook),
                             pictureName(button, kPressedLook)));
    }
    const int32_t value = status.value();
    const int32_t over = (value & ~EngineState::kPluginBit) >= EngineState::kChoices ? EngineState::kChoices : 0;
    status.set((value & EngineState::kPluginBit) + over + EngineState::kReview);
}

void ReviewScreen::leave() {
    EngineStatus& status = c_.status;
    status.lower(status.pageWait ? EngineState::kReview - EngineState::kTyping : EngineState::kReview);
    c_.screen.closeReview();
    status.run = false;
}

void ReviewScreen::lineBack() { c_.screen.reviewLineUp(); }

void ReviewScreen::lineForward() {
    if (!c_.screen.reviewLineDown()) leave();
}

void ReviewScreen::drawButton(int index, int look) {
    const ButtonRecord& button = c_.state.menuButtons[index];
    const std::string& picture =
        look == kHoverLook ? button.hoverImage : look == kPressedLook ? button.pressedImage : button.normalImage;
    c_.screen.drawReviewIcon(decimalValue(picture), button.rect());
}

void ReviewScreen::click(PointerPosition at) {
    const int index = c_.state.menuButtons.hit(at.x, at.y);
    if (index < 0) {
        // Outside the buttons the view answers; a click that is not its own closes the review.
        if (!c_.screen.reviewPress(at.x, at.y)) leave();
        return;
    }
    if (index == kBackground) return;
    drawButton(index, kPressedLook);
    switch (index) {
        case kUp:
            c_.screen.reviewLineUp();
            break;
        case kPageUp:
            c_.screen.reviewPageUp();
            break;
        case kPageDown:
            if (!c_.screen.reviewPageDown()) leave();
            break;
        case kDown:
            lineForward();
            break;
        default:
            leave();
            break;
    }
}

void ReviewScreen::pointerMove(PointerPosition at, bool leftHeld) {
    auto& menu = c_.state.menuButtons;
    const int before = menu.hover;
    if (menu.trackHover(at.x, at.y)) {
        // The background button is never drawn again.
        if (before > kBackground) drawButton(before, kNormalLook);
        if (menu.hover > kBackground) drawButton(menu.hover, kHoverLook);
    }
    if (leftHeld) c_.screen.reviewDrag(at.y);
}

void ReviewScreen::buttonRelease() { c_.screen.reviewRelease(); }

}  // namespace morv
