// Packing, reading back and extracting archives.
#include <gtest/gtest.h>

#include "archive/archive_extractor.h"
#include "archive/archive_writer.h"
#include "archive/pack_source.h"
#include "archive/tool_error.h"
#include "image/image_archive.h"
#include "image/image_decoders.h"
#include "platform/file_resolver.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

namespace morv {
namespace {

using testing::cp949;
using testing::putU16;
using testing::putU32;
using testing::TempDir;
using tools::ArchiveWriter;
using tools::ToolError;

// A 2 x 2 BMP file of `bits` per pixel: 8 bits with a four-color palette, else 24.
std::string bmpFile(int bits) {
    const bool indexed = bits == 8;
    const uint32_t palette = indexed ? 4 * 4 : 0;
    const uint32_t rowBytes = 4 + (indexed ? 0 : 4);  // 2 pixels padded to 4 bytes
    std::string out = "BM";
    putU32(out, 54 + palette + rowBytes * 2);
    putU32(out, 0);
    putU32(out, 54 + palette);
    putU32(out, 40);
    putU32(out, 2);
    putU32(out, 2);
    putU16(out, 1);
    putU16(out, static_cast<uint32_t>(bits));
    putU32(out, 0);
    putU32(out, rowBytes * 2);
    out.append(16, '\0');
    if (indexed) out += std::string("\x10\x20\x30\0\x40\x50\x60\0\x70\x80\x90\0\xA0\xB0\xC0\0", 16);
    if (indexed) {
        out += std::string("\x00\x01\0\0\x02\x03\0\0", 8);
    } else {
        out += std::string("\x01\x02\x03\x04\x05\x06\0\0\x07\x08\x09\x0A\x0B\x0C\0\0", 16);
    }
    return out;
}

std::string pngFile() {
    testing::PngPicture picture;
    picture.width = 1;
    picture.height = 1;
    picture.rows = {{10, 20, 30}};
    return testing::writePng(picture);
}

std::string contentOf(const ImageArchive& archive, std::string_view name) {
    const ArchiveEntry* entry = archive.find(name);
    if (!entry) return "<missing>";
    return tools::extractedContent(archive, *entry);
}

TEST(ToolsArchive, EveryEntryTypeComesBackFromTheReaderAndTheUnpacker) {
    TempDir game;
    const std::string bmp24 = bmpFile(24), bmp8 = bmpFile(8), png = pngFile();
    const std::string scenario = cp949("text 안녕\nend\n");
    auto pack = [&](const std::string& relative, const std::string& bytes, bool scenarios, ArchiveWriter& writer) {
        const auto file = game.write(relative, bytes);
        writer.add(tools::prepareEntry(file, tools::entryNameFor(file, game.path()), scenarios));
    };
    ArchiveWriter images, scenarios;
    pack("cg/Room.bmp", bmp24, false, images);
    pack("cg/paletted.bmp", bmp8, false, images);
    pack("캐릭터/Girl.PNG", png, false, images);
    pack("시작.txt", scenario, true, scenarios);
    images.write(game.path() / "images.qxa");
    scenarios.write(game.path() / "scenario.qxa");

    FileResolver files(game.path());
    ImageArchive imageArchive(files, "images.qxa");
    ASSERT_EQ(imageArchive.entries().size(), 3u);
    EXPECT_EQ(imageArchive.version(), "100");
    // Names are the paths the scripts write, found without regard to case or separator.
    EXPECT_EQ(imageArchive.entries()[0].name, "cg\\Room.bmp");
    EXPECT_EQ(imageArchive.entries()[2].name, cp949("캐릭터\\Girl.PNG"));
    EXPECT_EQ(imageArchive.find("CG/ROOM.BMP")->type, ArchiveEntry::Bmp);
    EXPECT_EQ(imageArchive.find(cp949("캐릭터\\girl.png"))->type, ArchiveEntry::Png);

    // 24-bit BMP and PNG files are stored unchanged.
    EXPECT_EQ(contentOf(imageArchive, "cg\\room.bmp"), bmp24);
    EXPECT_EQ(contentOf(imageArchive, cp949("캐릭터\\Girl.PNG")), png);
    // Other BMP depths become 24-bit files that the engine decodes to the same pixels.
    const ArchiveEntry* paletted = imageArchive.find("cg\\paletted.bmp");
    ASSERT_NE(paletted, nullptr);
    std::string stored;
    ASSERT_TRUE(imageArchive.readStored(*paletted, stored));
    auto converted = readArchiveBmp(stored);
    auto original = readBmp(bmp8);
    ASSERT_TRUE(converted && original);
    EXPECT_EQ(testing::allPixels(*converted), testing::allPixels(*original));
    EXPECT_EQ(testing::pixelAt(*converted, 1, 0), (testing::Bgr{0xA0, 0xB0, 0xC0}));

    ImageArchive scenarioArchive(files, "scenario.qxa");
    const ArchiveEntry* text = scenarioArchive.find(cp949("시작.txt"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->type, ArchiveEntry::Compressed);
    EXPECT_EQ(text->unpackedSize, scenario.size());
    std::string read;
    ASSERT_TRUE(scenarioArchive.readRaw(cp949("시작.txt"), read));
    EXPECT_EQ(read, scenario);
    EXPECT_EQ(contentOf(scenarioArchive, cp949("시작.txt")), scenario);
}

TEST(ToolsArchive, AnEmptyArchiveHoldsOnlyItsHeader) {
    TempDir dir;
    ArchiveWriter().write(dir.path() / "empty.qxa");
    EXPECT_EQ(dir.read("empty.qxa"), std::string("QXA100\0\0\0\0", 10));
    ImageArchive archive(FileResolver(dir.path()), "empty.qxa");
    EXPECT_TRUE(archive.entries().empty());
}

TEST(ToolsArchive, RefusesNamesThatDifferOnlyByCaseAndArchivesBeyondTheirSizeLimit) {
    ArchiveWriter writer;
    writer.add({"cg\\Room.bmp", ArchiveEntry::Bmp, 1, 1, "x", {}});
    EXPECT_THROW(writer.add({"CG/room.BMP", ArchiveEntry::Bmp, 1, 1, "x", {}}), ToolError);
    EXPECT_THROW(writer.add({cp949("cg\\room.bmp"), ArchiveEntry::Bmp, 1, 1, "y", {}}), ToolError);
    writer.add({cp949("cg\\방.bmp"), ArchiveEntry::Bmp, 1, 1, "x", {}});
    EXPECT_EQ(writer.entries().size(), 2u);

    // The limit counts header, table and data: 10 + 17 + 5 + 10 bytes fit in 42.
    ArchiveWriter small(42);
    small.add({"a.bmp", ArchiveEntry::Bmp, 10, 10, std::string(10, 'a'), {}});
    EXPECT_THROW(small.add({"b.bmp", ArchiveEntry::Bmp, 1, 1, "b", {}}), ToolError);
    EXPECT_THROW(writer.add({"huge.png", ArchiveEntry::Png, 1ull << 32, 1ull << 32, "", {}}), ToolError);
}

TEST(ToolsArchive, PackingRefusesFilesItCannotType) {
    TempDir game;
    const auto text = game.write("notes.txt", "hello");
    EXPECT_THROW(tools::prepareEntry(text, "notes.txt", false), ToolError);
    const auto broken = game.write("broken.bmp", "BM\x10");
    EXPECT_THROW(tools::prepareEntry(broken, "broken.bmp", false), ToolError);
    TempDir elsewhere;
    const auto outside = elsewhere.write("a.png", pngFile());
    EXPECT_THROW(tools::entryNameFor(outside, game.path()), ToolError);
}

TEST(ToolsArchive, ExtractionStaysInsideTheOutputDirectory) {
    const std::filesystem::path out = "/tmp/out";
    EXPECT_EQ(tools::extractionPath("cg\\a.bmp", out), out / "cg" / "a.bmp");
    EXPECT_EQ(tools::extractionPath(cp949("캐릭터/b.png"), out), out / "캐릭터" / "b.png");
    for (const char* refused : {"..\\..\\x", "cg\\..\\..\\x", "..", "\\x", "/etc/passwd", "C:\\x", "", "\\"}) {
        EXPECT_FALSE(tools::extractionPath(refused, out).has_value()) << refused;
    }
}

TEST(ToolsArchive, BmpEntriesWithoutAFileHeaderAreWrittenBackAsCompleteFiles) {
    TempDir dir;
    std::string headless = bmpFile(24);
    headless.replace(0, 14, std::string(14, '\0'));
    ArchiveWriter writer;
    writer.add({"a.bmp", ArchiveEntry::Bmp, headless.size(), headless.size(), headless, {}});
    writer.write(dir.path() / "a.qxa");
    ImageArchive archive(FileResolver(dir.path()), "a.qxa");
    EXPECT_EQ(contentOf(archive, "a.bmp"), bmpFile(24));
}

}  // namespace
}  // namespace morv
