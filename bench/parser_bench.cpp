// Parsing speed and memory per command for a generated 200,000-line scenario.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/cp949.h"
#include "platform/headless/headless_platform.h"
#include "script/scenario_script.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLines = 200'000;

// Lines as a scenario holds them, repeated to the wanted length.
const char* const kScenarioLines[] = {
    "window ON",
    "init 호감도 0",
    "bgm music01.ogg FADE",
    "cg cg/bg_sky.png 640",
    "text [안내]MORV 데모에 오신 것을 환영합니다. 화면을 누르면 이야기가 이어집니다.",
    "text 따뜻한 바람이 부는 봄날 오후, 나는 학교 옥상 문을 열었다.",
    "char chr/girl.png 480",
    "voice minji01.ogg",
    "text [민지]앗, 여기 있었구나! 한참 찾았잖아.",
    "select 14 그래, 같이 가자!",
    "+ 밤옥상.txt 오늘은 조금 더 여기 있을래.",
    "set 호감도 += 1",
    "// 회상이 끝나면 여기로 돌아온다.",
    "effect chime.ogg",
    "cgeffect LBLIND 1000 cg/bg_room.bmp",
    "bufferchar chr/friend.bmp 380",
    "drawbuffer 480",
    "delay 1000",
    "",
};

// The scenario file in a directory of its own, written once per run.
class GeneratedScenario {
public:
    GeneratedScenario() : directory_(fs::temp_directory_path() / "morv-parser-bench") {
        fs::create_directories(directory_);
        std::ofstream out(directory_ / "scenario.txt", std::ios::binary);
        const size_t kinds = std::size(kScenarioLines);
        for (int i = 0; i < kLines; ++i) {
            text_ += morv::cp949::fromUtf8(kScenarioLines[static_cast<size_t>(i) % kinds]);
            text_ += "\r\n";
        }
        out << text_;
    }
    ~GeneratedScenario() { fs::remove_all(directory_); }
    const fs::path& directory() const { return directory_; }
    size_t bytes() const { return text_.size(); }

private:
    fs::path directory_;
    std::string text_;
};

// Bytes allocated and not yet freed, the large blocks the allocator maps apart included.
size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_ParseScenario(benchmark::State& state) {
    GeneratedScenario scenario;
    morv::HeadlessPlatform platform;
    morv::FileResolver files(scenario.directory());
    const morv::ScriptEnvironment environment{platform.messages(), files, nullptr, true};
    size_t commands = 0;
    double heapPerCommand = 0;
    for (auto _ : state) {
        const size_t heapBefore = heapInUse();
        morv::ScenarioScript script(environment);
        if (!script.Load("scenario.txt", morv::ScriptKind::Scenario)) state.SkipWithError("cannot load");
        commands = script.commands().size();
        // The script's own text is counted apart: what matters is the cost of the records.
        const size_t heap = heapInUse() - heapBefore - script.text().capacity();
        heapPerCommand = static_cast<double>(heap) / static_cast<double>(commands);
        benchmark::DoNotOptimize(commands);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(scenario.bytes()));
    state.counters["commands"] = static_cast<double>(commands);
    state.counters["heap_bytes_per_command"] = heapPerCommand;
}
BENCHMARK(BM_ParseScenario)->Unit(benchmark::kMillisecond);

}  // namespace
