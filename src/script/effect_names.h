// Effect names turned into effect numbers.
#pragma once
#include "script/record_draft.h"

namespace morv {

// cgeffect and threadcgeffect: turns the effect name (any case) or number in
// argument 0 into its number; an unknown word becomes a custom effect, -1 with the
// word in argument 9. Effects without a new picture get an empty argument 2.
void translateEffectName(RecordDraft& command);

// recteffect and bufferrecteffect: GRAY, SEPIA, INVERT and BLEND become 0 to 3.
void translateFilterName(RecordDraft& command);

}  // namespace morv
