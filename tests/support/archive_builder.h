// Archive files built in memory for tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace morv::testing {

struct ArchiveItem {
    std::string name;
    std::string data;       // stored bytes
    uint8_t type = 1;
    uint32_t unpacked = 0;  // 0: the stored size
};

// An archive file: header (with or without magic), table, then the entries' data in order.
std::string buildArchive(const std::vector<ArchiveItem>& entries, bool magic);

// `text` compressed by zlib at level 5.
std::string deflate(const std::string& text);

}  // namespace morv::testing
