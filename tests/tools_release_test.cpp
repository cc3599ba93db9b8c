// The demo packed into its release variant plays and unpacks identically.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "support/headless_run.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace morv {
namespace {

using testing::readFile;
using testing::TempDir;

int runTool(const std::string& command) {
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string quote(const fs::path& path) { return "'" + path.string() + "'"; }

// The demo's files below `root` whose extension is one of `extensions`, as relative paths.
std::vector<fs::path> demoFiles(const std::vector<std::string>& extensions) {
    std::vector<fs::path> found;
    for (const auto& item : fs::recursive_directory_iterator(MORV_DEMO_GAME)) {
        const std::string extension = item.path().extension().string();
        if (std::find(extensions.begin(), extensions.end(), extension) != extensions.end()) {
            found.push_back(item.path().lexically_relative(MORV_DEMO_GAME));
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

// The demo's release variant, built next to the test program: its configuration
// without DEBUG and naming the two archives that morv-pack writes.
fs::path buildReleaseDemo() {
    const fs::path release = fs::path(MORV_PACK_BIN).parent_path() / "demo-release";
    fs::remove_all(release);
    fs::create_directories(release);
    std::string config = readFile(fs::path(MORV_DEMO_GAME) / "morv.ini");
    const size_t debug = config.find("\nDEBUG\n");
    EXPECT_NE(debug, std::string::npos);
    config.replace(debug, 7, "\nCG_DIRECTORY = images.qxa\nSCENARIO_DIRECTORY = scenario.qxa\n");
    std::ofstream(release / "morv.ini", std::ios::binary) << config;

    auto pack = [&](const std::string& archive, const std::string& option, const std::vector<fs::path>& files) {
        std::string command = "cd " + quote(MORV_DEMO_GAME) + " && " + quote(MORV_PACK_BIN) + " " +
                              quote(release / archive) + option;
        for (const fs::path& file : files) command += " " + quote(file);
        EXPECT_EQ(runTool(command), 0) << command;
    };
    pack("images.qxa", "", demoFiles({".bmp", ".png"}));
    pack("scenario.qxa", " --scenarios", demoFiles({".txt"}));
    // Music, voices, sound effects, movies, Flash files and effect libraries stay loose files.
    for (const fs::path& file : demoFiles({".ogg", ".wav", ".mpg", ".swf", ".so"})) {
        fs::create_directories((release / file).parent_path());
        fs::copy_file(fs::path(MORV_DEMO_GAME) / file, release / file);
    }
    return release;
}

TEST(ToolsRelease, TheDemoPlaysTheSameFromItsArchivesAndUnpacksToTheSameBytes) {
    const fs::path release = buildReleaseDemo();
    EXPECT_EQ(runTool(quote(MORV_CHECK_BIN) + " " + quote(release)), 0);

    const std::string events = readFile(MORV_DEMO_EVENTS);
    TempDir looseOut, releaseOut;
    auto loose = testing::runHeadless(MORV_DEMO_GAME, events, looseOut.path());
    auto packed = testing::runHeadless(release, events, releaseOut.path());
    EXPECT_EQ(loose.exitCode, 0);
    EXPECT_EQ(packed.exitCode, 0);
    ASSERT_GT(loose.trace.size(), 10u);
    EXPECT_EQ(packed.trace, loose.trace);
    int snapshots = 0;
    for (const auto& item : fs::directory_iterator(looseOut.path())) {
        if (item.path().extension() != ".png") continue;
        ++snapshots;
        EXPECT_EQ(readFile(releaseOut.path() / item.path().filename()), readFile(item.path())) << item.path();
    }
    EXPECT_GT(snapshots, 5);

    TempDir unpacked;
    for (const char* archive : {"images.qxa", "scenario.qxa"}) {
        EXPECT_EQ(runTool(quote(MORV_UNPACK_BIN) + " " + quote(release / archive) + " --out " + quote(unpacked.path())),
                  0);
    }
    const auto originals = demoFiles({".bmp", ".png", ".txt"});
    ASSERT_FALSE(originals.empty());
    for (const fs::path& file : originals) {
        EXPECT_EQ(readFile(unpacked.path() / file), readFile(fs::path(MORV_DEMO_GAME) / file)) << file;
    }
}

TEST(ToolsRelease, UnpackRefusesEntriesThatLeaveTheOutputDirectory) {
    TempDir dir;
    // One entry named "..\..\x" holding "hi".
    std::string archive("QXA100\x01\0\0\0\x07\0\0\0..\\..\\x", 21);
    archive += std::string("\x22\0\0\0\x02\0\0\0\x02\0\0\0\x00", 13);
    archive += "hi";
    dir.write("evil.qxa", archive);
    EXPECT_EQ(runTool(quote(MORV_UNPACK_BIN) + " " + quote(dir.path() / "evil.qxa") + " --out " +
                      quote(dir.path() / "out" / "deep")),
              1);
    EXPECT_FALSE(fs::exists(dir.path() / "x"));
    EXPECT_FALSE(fs::exists(dir.path() / "out" / "x"));
}

}  // namespace
}  // namespace morv
