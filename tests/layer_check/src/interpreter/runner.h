// An interpreter header that includes the layers below it.
#pragma once
#include "display/screen.h"
#include "platform/clock.h"
