// The flags' own store.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/flag_table.h"

namespace morv {

class FileResolver;

// The flags' own store, written at shutdown and read at start-up.
constexpr const char* kFlagStoreFile = "cg.cfg";
// The list a game ships of every flag it knows, read only when there is no store.
constexpr const char* kFlagListFile = "cglist.txt";

std::string encodeFlagStore(const std::vector<Flag>& flags);
// The flags of a store, or none when the bytes are damaged.
std::optional<std::vector<Flag>> decodeFlagStore(std::string_view bytes);
// One flag, not set, per line of the list.
std::vector<Flag> parseFlagList(std::string_view text);

// Fills the table from the store; a missing or damaged store falls back to the
// list, and without either the table stays empty.
void loadFlags(FlagTable& table, const FileResolver& files);
bool saveFlags(const FlagTable& table, const FileResolver& files);

}  // namespace morv
