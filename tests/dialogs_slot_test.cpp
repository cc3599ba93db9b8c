// The save and load dialogs: what each slot button shows, pixel by pixel, and how
// the dialogs answer clicks and scrolling.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "config/game_config.h"
#include "dialogs/slot_dialogs.h"
#include "dialogs_support.h"
#include "display/surface.h"
#include "fixed_width_font.h"
#include "platform/cp949.h"
#include "platform/file_resolver.h"
#include "saves/save_game.h"
#include "saves/save_stream.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

constexpr int kGameWidth = 128;
constexpr int kGameHeight = 96;
constexpr uint32_t kWhite = 0xFFFFFF;

// Every pixel tells its own place: red the column, green the row, blue their sum.
uint16_t placePixel(int x, int y) {
    return static_cast<uint16_t>((x % 32) << 11 | (y % 64) << 5 | ((x + y) % 32));
}

std::string saveFile(const std::string& comment, int weekday = 2) {
    SaveGame game;
    game.savedAt = {2026, 12, 8, weekday, 18, 5};
    game.comment = comment;
    for (int y = 0; y < kGameHeight; ++y) {
        for (int x = 0; x < kGameWidth; ++x) game.picture.push_back(placePixel(x, y));
    }
    game.scenarioName = "scenario.txt";
    SaveStream stream = SaveStream::forSaving();
    writeSaveGame(stream, game);
    return *stream.fileBytes();
}

uint32_t pixelAt(const Surface& surface, int x, int y) {
    uint32_t pixel;
    std::memcpy(&pixel, surface.row(y) + x * 4, 4);
    return pixel & 0xFFFFFF;
}

struct SlotFixture {
    SlotFixture() : files(dir.path()), font(14, &drawn) {
        config.saveDirectory = "save\\";
        config.windowWidth = kGameWidth;
        config.windowHeight = kGameHeight;
    }
    void write(int slot, const std::string& bytes) {
        char name[32];
        std::snprintf(name, sizeof name, "save/Save%04d.dat", slot);
        dir.write(name, bytes);
    }
    bool exists(int slot) const {
        char name[32];
        std::snprintf(name, sizeof name, "save\\Save%04d.dat", slot);
        return files.exists(name);
    }
    // The texts drawn into the pictures since the last call, as UTF-8.
    std::vector<std::string> texts() {
        std::vector<std::string> out;
        for (const DrawnText& text : drawn) out.push_back(cp949::toUtf8(text.text));
        drawn.clear();
        return out;
    }
    const DrawnText* drawnAt(int x, int y) const {
        for (const DrawnText& text : drawn) {
            if (text.x == x && text.y == y) return &text;
        }
        return nullptr;
    }

    TempDir dir;
    FileResolver files;
    GameConfig config;
    AnsweringBoxes boxes;
    std::vector<DrawnText> drawn;
    FixedWidthFont font;
};

ControlEvent click(int id, ControlEvent::Kind kind = ControlEvent::Kind::Click) {
    ControlEvent event;
    event.kind = kind;
    event.id = id;
    return event;
}

ControlEvent scroll(int step, int position = 0) {
    ControlEvent event;
    event.kind = ControlEvent::Kind::Scroll;
    event.id = SlotDialog::kScrollBar;
    event.value = step;
    event.position = position;
    return event;
}

TEST(SaveDialogPictures, EmptySlotsShowTheirNumberAndNoFileOnWhite) {
    SlotFixture f;
    SaveDialog dialog(f.config, f.files, f.boxes, f.font);
    const Surface& picture = dialog.buttonPicture(0);
    ASSERT_EQ(picture.width(), 420);
    ASSERT_EQ(picture.height(), 70);
    ASSERT_NE(f.drawnAt(5, 10), nullptr);
    EXPECT_EQ(f.drawnAt(5, 10)->text, " 1");
    ASSERT_NE(f.drawnAt(50, 15), nullptr);
    EXPECT_EQ(cp949::toUtf8(f.drawnAt(50, 15)->text), "세이브 파일이 없습니다.");
    EXPECT_EQ(f.texts().size(), 10u);  // five numbers, five messages
    // White everywhere but the text: the fixed font marks only its cells' top rows.
    EXPECT_EQ(pixelAt(picture, 0, 0), kWhite);
    EXPECT_EQ(pixelAt(picture, 419, 69), kWhite);
    EXPECT_EQ(pixelAt(picture, 2, 2), kWhite);  // the frame of a button without the focus
    EXPECT_EQ(pixelAt(picture, 100, 40), kWhite);
    EXPECT_EQ(pixelAt(picture, 50, 15), 0u);  // the message's first pixel, in black
}

TEST(SaveDialogPictures, ASavedSlotShowsItsDateCommentAndSampledThumbnail) {
    SlotFixture f;
    f.write(2, saveFile("hello"));
    SaveDialog dialog(f.config, f.files, f.boxes, f.font);
    const Surface& picture = dialog.buttonPicture(1);
    ASSERT_NE(f.drawnAt(130, 5), nullptr);
    EXPECT_EQ(cp949::toUtf8(f.drawnAt(130, 5)->text), "2026/12/08(火) 18:05");
    ASSERT_NE(f.drawnAt(130, 25), nullptr);
    EXPECT_EQ(f.drawnAt(130, 25)->text, "hello");
    int messages = 0;
    for (const DrawnText& text : f.drawn) messages += text.x == 50 && text.y == 15 ? 1 : 0;
    EXPECT_EQ(messages, 4);  // the four empty slots only
    // The 64 × 48 picture at (50, 10). Shown row y comes from source row
    // 95 - 96 × (47 - y) / 48 = 2y + 1 and column j from 2j, each channel cut to five bits:
    // (0, 0) from source (0, 1): red 0, green 1 >> 1 = 0, blue 1 -> 0x000008;
    EXPECT_EQ(pixelAt(picture, 50, 10), 0x000008u);
    // (3, 10) from (6, 21): red 6, green 21 >> 1 = 10, blue 27 -> 0x3050D8;
    EXPECT_EQ(pixelAt(picture, 53, 20), 0x3050D8u);
    // (63, 47) from (126, 95): red 30, green 95 % 64 = 31 >> 1 = 15, blue 221 % 32 = 29 -> 0xF078E8.
    EXPECT_EQ(pixelAt(picture, 113, 57), 0xF078E8u);
    // Just outside the picture the button is white.
    EXPECT_EQ(pixelAt(picture, 49, 10), kWhite);
    EXPECT_EQ(pixelAt(picture, 114, 57), kWhite);
    EXPECT_EQ(pixelAt(picture, 50, 58), kWhite);
}

TEST(SaveDialogPictures, ALongCommentEndsAtAWholeCharacterWithin270Pixels) {
    SlotFixture f;
    // One narrow character (10 px) and twenty wide ones (20 px): 10 + 13 × 20 = 270 fits exactly.
    std::string comment = "a";
    for (int i = 0; i < 20; ++i) comment += cp949("가");
    f.write(1, saveFile(comment));
    f.write(2, saveFile(cp949("가") + comment));
    SaveDialog dialog(f.config, f.files, f.boxes, f.font);
    dialog.buttonPicture(0);
    std::vector<std::string> comments;
    for (const DrawnText& text : f.drawn) {
        if (text.x == 130 && text.y == 25) comments.push_back(text.text);
    }
    ASSERT_EQ(comments.size(), 2u);
    EXPECT_EQ(comments[0], comment.substr(0, 1 + 13 * 2));
    // Starting wide, the narrow character would end at 270 too; the next wide one would not fit.
    EXPECT_EQ(comments[1], (cp949("가") + comment).substr(0, 2 + 1 + 12 * 2));
}

TEST(SaveDialogPictures, FilesThatAreNotThisVersionsSavesSayWhy) {
    SlotFixture f;
    f.write(1, "MORV SaveV1.000 legacy body");
    std::string other = saveFile("x");
    other.replace(0, 14, "MORVSaveV1.001");
    f.write(2, other);
    f.write(3, "MORVSaveV1");  // ten bytes
    std::string damaged = saveFile("x");
    damaged.resize(40);
    f.write(4, damaged);
    f.write(5, saveFile("fine", 9));  // a day of the week out of range

    SaveDialog save(f.config, f.files, f.boxes, f.font);
    save.buttonPicture(0);
    std::vector<std::string> texts = f.texts();
    EXPECT_EQ(texts[1], "알수 없는 형식의 파일입니다.");
    EXPECT_EQ(texts[3], "MORV 1.0x의 세이브 파일은 사용할 수 없습니다.");
    EXPECT_EQ(texts[5], "알수 없는 형식의 파일입니다.");
    EXPECT_EQ(texts[7], "알수 없는 형식의 파일입니다.");
    EXPECT_EQ(texts[9], "2026/12/08(  ) 18:05");

    LoadDialog load(f.config, f.files, f.boxes, f.font);
    load.buttonPicture(0);
    texts = f.texts();
    EXPECT_EQ(texts[3], "MORV 전 버전의 세이브 파일은 사용할 수 없습니다.");
}

TEST(SaveDialogChoice, OverwritingAsksAndAnEmptySlotIsTakenAtOnce) {
    SlotFixture f;
    f.write(2, saveFile("old"));
    SaveDialog dialog(f.config, f.files, f.boxes, f.font);
    dialog.handle(click(SaveDialog::kSaveButton));  // nothing selected: nothing happens
    EXPECT_FALSE(dialog.closed());
    dialog.handle(click(10002));
    EXPECT_EQ(dialog.selected(), 2);
    f.boxes.answers = {false, true};
    dialog.handle(click(SaveDialog::kSaveButton));
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(f.boxes.shown, std::vector<std::string>{"기존 데이터에 덮어 쓰시겠습니까?"});
    dialog.handle(click(SaveDialog::kSaveButton));
    EXPECT_TRUE(dialog.closed());
    EXPECT_EQ(dialog.result(), 2);

    SaveDialog empty(f.config, f.files, f.boxes, f.font);
    f.boxes.shown.clear();
    empty.handle(click(10003, ControlEvent::Kind::DoubleClick));
    EXPECT_TRUE(f.boxes.shown.empty());
    EXPECT_EQ(empty.result(), 3);
    EXPECT_EQ(empty.resultText(), "3");

    SaveDialog cancelled(f.config, f.files, f.boxes, f.font);
    cancelled.handle(click(10001));
    cancelled.handle(click(SlotDialog::kCancelButton));
    EXPECT_TRUE(cancelled.closed());
    EXPECT_EQ(cancelled.result(), 0);
}

TEST(SaveDialogChoice, DeletingAsksOnlyForAnExistingFile) {
    SlotFixture f;
    f.write(2, saveFile("old"));
    SaveDialog dialog(f.config, f.files, f.boxes, f.font);
    dialog.handle(click(10001));
    dialog.handle(click(SlotDialog::kDeleteButton));
    EXPECT_TRUE(f.boxes.shown.empty());
    dialog.handle(click(10002));
    f.boxes.answers = {false};
    dialog.handle(click(SlotDialog::kDeleteButton));
    EXPECT_TRUE(f.exists(2));
    dialog.handle(click(SlotDialog::kDeleteButton));
    EXPECT_FALSE(f.exists(2));
    EXPECT_EQ(f.boxes.shown.size(), 2u);
    EXPECT_EQ(f.boxes.shown[1], "파일을 삭제하시겠습니까?");
    EXPECT_FALSE(dialog.closed());
    // The slot is drawn again as empty.
    f.drawn.clear();
    dialog.buttonPicture(1);
    ASSERT_NE(f.drawnAt(50, 15), nullptr);
    EXPECT_EQ(cp949::toUtf8(f.drawnAt(50, 15)->text), "세이브 파일이 없습니다.");
}

TEST(SaveDialogScrolling, TheTopStaysWithinZeroAndFortyFiveAndTheFocusFollows) {
    SlotFixture f;
    SaveDialog dialog(f.config, f.files, f.boxes, f.font);
    dialog.handle(scroll(ControlEvent::LineUp));
    EXPECT_EQ(dialog.top(), 0);
    dialog.handle(click(10003));
    EXPECT_EQ(dialog.focused(), 3);
    EXPECT_EQ(pixelAt(dialog.buttonPicture(2), 2, 2), 0x8080FFu);
    EXPECT_EQ(pixelAt(dialog.buttonPicture(2), 416, 66), 0x8080FFu);
    EXPECT_EQ(pixelAt(dialog.buttonPicture(2), 417, 67), kWhite);
    EXPECT_EQ(pixelAt(dialog.buttonPicture(2), 3, 3), kWhite);
    EXPECT_EQ(pixelAt(dialog.buttonPicture(1), 2, 2), kWhite);
    dialog.handle(scroll(ControlEvent::LineDown));
    EXPECT_EQ(dialog.top(), 1);
    EXPECT_EQ(dialog.focused(), 3);  // still on view
    EXPECT_EQ(pixelAt(dialog.buttonPicture(1), 2, 2), 0x8080FFu);
    dialog.handle(scroll(ControlEvent::PageDown));
    EXPECT_EQ(dialog.top(), 6);
    EXPECT_EQ(dialog.focused(), 0);  // gone from view: the dialog has it
    for (int i = 0; i < 10; ++i) dialog.handle(scroll(ControlEvent::PageDown));
    EXPECT_EQ(dialog.top(), 45);
    dialog.handle(scroll(ControlEvent::LineDown));
    EXPECT_EQ(dialog.top(), 45);
    f.drawn.clear();
    dialog.buttonPicture(4);
    EXPECT_NE(f.drawnAt(5, 10), nullptr);
    EXPECT_EQ(f.drawnAt(5, 10)->text, "46");
    dialog.handle(scroll(ControlEvent::Thumb, 49));
    EXPECT_EQ(dialog.top(), 45);
    dialog.handle(scroll(ControlEvent::Thumb, 1));
    EXPECT_EQ(dialog.top(), 1);
    EXPECT_EQ(dialog.focused(), 3);  // the selected slot is on view again
    dialog.handle(scroll(ControlEvent::PageUp));
    EXPECT_EQ(dialog.top(), 0);
    // The fifth button of the view is slot top + 5.
    dialog.handle(scroll(ControlEvent::Thumb, 20));
    dialog.handle(click(10005));
    EXPECT_EQ(dialog.selected(), 25);
}

TEST(LoadDialog, ListsOnlyExistingSlotsOneToFiftyInOrder) {
    SlotFixture f;
    for (int slot : {7, 3, 50, 90}) f.write(slot, saveFile("s"));
    f.dir.write("save/save0090.dat", saveFile("previous"));
    LoadDialog dialog(f.config, f.files, f.boxes, f.font);
    EXPECT_EQ(dialog.slots(), (std::vector<int>{3, 7, 50}));
    dialog.buttonPicture(0);
    EXPECT_NE(f.drawnAt(5, 10), nullptr);
    // Each saved slot shows its number, date and comment; positions past the list show no number and no file.
    std::vector<std::string> texts = f.texts();
    ASSERT_EQ(texts.size(), 11u);
    EXPECT_EQ(texts[0], " 3");
    EXPECT_EQ(texts[3], " 7");
    EXPECT_EQ(texts[6], "50");
    EXPECT_EQ(texts[9], "세이브 파일이 없습니다.");
    EXPECT_EQ(texts[10], "세이브 파일이 없습니다.");
    // Three slots: nothing to scroll.
    dialog.handle(scroll(ControlEvent::PageDown));
    EXPECT_EQ(dialog.top(), 0);
    dialog.handle(click(10007));
    dialog.handle(click(LoadDialog::kLoadButton));
    EXPECT_EQ(dialog.result(), 7);
}

TEST(LoadDialog, WithoutFilesItsMainButtonDoesNothing) {
    SlotFixture f;
    LoadDialog dialog(f.config, f.files, f.boxes, f.font);
    dialog.buttonPicture(0);
    std::vector<std::string> texts = f.texts();
    EXPECT_EQ(texts, std::vector<std::string>(5, "세이브 파일이 없습니다."));
    dialog.handle(click(10006, ControlEvent::Kind::DoubleClick));
    dialog.handle(click(LoadDialog::kLoadButton));
    dialog.handle(click(SlotDialog::kDeleteButton));
    EXPECT_FALSE(dialog.closed());
    EXPECT_TRUE(f.boxes.shown.empty());
}

TEST(LoadDialog, DeletingClosesWithMinusOneAndTheReopenedListIsShorter) {
    SlotFixture f;
    for (int slot : {4, 9}) f.write(slot, saveFile("s"));
    LoadDialog first(f.config, f.files, f.boxes, f.font);
    first.handle(click(10006));
    f.boxes.answers = {false};
    first.handle(click(SlotDialog::kDeleteButton));
    EXPECT_FALSE(first.closed());
    first.handle(click(SlotDialog::kDeleteButton));
    EXPECT_TRUE(first.closed());
    EXPECT_EQ(first.result(), -1);
    EXPECT_EQ(first.resultText(), "-1");
    EXPECT_FALSE(f.exists(4));
    LoadDialog again(f.config, f.files, f.boxes, f.font);
    EXPECT_EQ(again.slots(), std::vector<int>{9});
}

TEST(SlotDialogView, ShowsFiveSlotPicturesTheScrollBarAndTheButtons) {
    SlotFixture f;
    SaveDialog dialog(f.config, f.files, f.boxes, f.font);
    DialogView view = dialog.view();
    EXPECT_EQ(view.name, "save");
    EXPECT_EQ(view.title, "게임 저장");
    ASSERT_EQ(view.controls.size(), 9u);
    EXPECT_EQ(view.controls[0].id, 10001);
    EXPECT_EQ(view.controls[0].picture.width, 420);
    EXPECT_EQ(view.controls[3].caption, "SAVE DATA 4");
    EXPECT_EQ(view.controls[5].maximum, 49);
    EXPECT_EQ(view.controls[6].caption, "게임 저장");
    EXPECT_EQ(view.controls[8].id, 1006);

    LoadDialog load(f.config, f.files, f.boxes, f.font);
    view = load.view();
    EXPECT_EQ(view.controls[3].caption, "LOADDATA 4");
    EXPECT_EQ(view.controls[6].id, 1014);
    ControlEvent escape;
    escape.id = kCancelControl;
    load.handle(escape);
    EXPECT_EQ(load.result(), 0);
}

}  // namespace
}  // namespace morv::testing
