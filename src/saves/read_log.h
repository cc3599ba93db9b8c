#pragma once

namespace morv {

class Platform;

// Which scenario lines the player has read, kept across runs in "read.dat".
class ReadLog {
public:
    explicit ReadLog(Platform& platform);
    // Writes "read.dat".
    ~ReadLog();

    void load();

private:
    Platform& platform_;
};

}  // namespace morv
