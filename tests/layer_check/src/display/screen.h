// A display header that includes only the layer below it.
#pragma once
#include "platform/clock.h"
