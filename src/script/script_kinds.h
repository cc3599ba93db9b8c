// Every kind of script the factory opens.
#pragma once
#include "script/button_script.h"
#include "script/scenario_script.h"
#include "script/show_script.h"
