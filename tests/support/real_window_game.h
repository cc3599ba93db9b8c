// The Korean test game set up for a test of the real window.
#pragma once
#include "support/temp_dir.h"

namespace morv::testing {

// Points SDL at `videoDriver`, dummy audio and the software renderer, and makes a
// fresh copy of the Korean test game the current directory while it lives.
class RealWindowGame {
public:
    explicit RealWindowGame(const char* videoDriver);

private:
    TempDir game_;
    CurrentDirectory inGame_;
};

}  // namespace morv::testing
