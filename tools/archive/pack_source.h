// Turns the files named on morv-pack's command line into archive entries.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "archive/archive_writer.h"

namespace morv::tools {

// The entry name of `file`: its path relative to `root`, directories joined by
// backslashes, in CP949 as the game's scripts spell it. Throws ToolError when the
// file lies outside `root` or its name has no CP949 spelling.
std::string entryNameFor(const std::filesystem::path& file, const std::filesystem::path& root);

// The files to pack, in the order given; a directory stands for every file below
// it in name order. `skip` (the archive being written) is left out.
std::vector<std::filesystem::path> collectPackFiles(const std::vector<std::filesystem::path>& arguments,
                                                    const std::filesystem::path& skip);

// The entry for one file, typed by its content: a BMP file as a 24-bit BMP (other
// variants converted), a PNG as is, and with `scenarios` any file compressed.
// Throws ToolError for files that are neither, or that cannot be read.
PackedEntry prepareEntry(const std::filesystem::path& file, std::string name, bool scenarios);

}  // namespace morv::tools
