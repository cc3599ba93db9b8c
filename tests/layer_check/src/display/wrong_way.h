// A display header that reaches up into the interpreter: the check must refuse it.
#pragma once
#include "interpreter/runner.h"
