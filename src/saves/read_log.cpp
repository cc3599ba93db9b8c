#include "saves/read_log.h"

namespace morv {

ReadLog::ReadLog(Platform& platform) : platform_(platform) {}

ReadLog::~ReadLog() = default;

void ReadLog::load() {}

}  // namespace morv
