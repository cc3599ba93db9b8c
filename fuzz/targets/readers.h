#pragma once
// One function per reader that the fuzz targets drive.
#include <string_view>

namespace morv::fuzz {

void readConfiguration(std::string_view bytes);
void readScenarioScript(std::string_view bytes);
void readShowScript(std::string_view bytes);
void readButtonScript(std::string_view bytes);
void readArchive(std::string_view bytes);
void readBmpFiles(std::string_view bytes);
void readPngFiles(std::string_view bytes);
void readIconFiles(std::string_view bytes);
void readReadLog(std::string_view bytes);
void readFlagFiles(std::string_view bytes);
void readEventFile(std::string_view bytes);
void readFlashFile(std::string_view bytes);
void readMovieFile(std::string_view bytes);
void readRippleArguments(std::string_view bytes);
void readUserSettingsFile(std::string_view bytes);
void readSaveFile(std::string_view bytes);

}  // namespace morv::fuzz
