// The Korean test game played by morv-headless against the golden frame that
// the screen draws for it (tests/golden/README.md says how to regenerate it).
#include <gtest/gtest.h>

#include "support/golden_frame.h"

namespace morv::testing {
namespace {

TEST(GoldenFrame, AKoreanPageMatchesItsGoldenFrame) {
    expectMatchesGolden("korean_text", "korean_text", "korean_text_window");
}

}  // namespace
}  // namespace morv::testing
