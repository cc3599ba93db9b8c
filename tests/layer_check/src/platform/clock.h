// A port at the bottom of the fixture tree.
#pragma once
struct Clock {};
