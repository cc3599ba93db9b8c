#pragma once
// Every kind of script the factory opens.
#include "config/configuration_script.h"
#include "script/button_script.h"
#include "script/scenario_script.h"
#include "script/show_script.h"
