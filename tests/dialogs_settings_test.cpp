// The settings sheet and its five pages: what each shows, edits and writes back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/game_config.h"
#include "dialogs/font_page.h"
#include "dialogs/other_page.h"
#include "dialogs/set_property.h"
#include "dialogs/settings_target.h"
#include "dialogs/sound_page.h"
#include "dialogs/text_page.h"
#include "dialogs/window_page.h"
#include "dialogs_support.h"
#include "support/temp_dir.h"

namespace morv::testing {
namespace {

// Notes every operation accepting the sheet asks for; the switches flip as the menu flips them.
class RecordingTarget : public SettingsApplier, public SoundSwitches {
public:
    explicit RecordingTarget(GameConfig& config) : config_(config) {}
    void applyTextWindow() override { calls.push_back("textWindow"); }
    void applyTextSettings() override { calls.push_back("textSettings"); }
    void applyFont() override { calls.push_back("font"); }
    void applyBgmVolume() override { calls.push_back("bgmVolume " + std::to_string(config_.bgmVolume)); }
    void applyEffectVolume() override { calls.push_back("effectVolume " + std::to_string(config_.effectVolume)); }
    void applyVoiceVolume() override { calls.push_back("voiceVolume " + std::to_string(config_.voiceVolume)); }
    void switchBgmOutput() override { calls.push_back("switchOutput"); }
    void toggleBgm() override {
        config_.bgmOn = !config_.bgmOn;
        calls.push_back("menu bgm");
    }
    void toggleEffects() override {
        config_.effectsOn = !config_.effectsOn;
        calls.push_back("menu effects");
    }
    void toggleVoice() override {
        config_.voiceOn = !config_.voiceOn;
        calls.push_back("menu voice");
    }
    std::vector<std::string> calls;

private:
    GameConfig& config_;
};

ControlEvent click(int id) {
    ControlEvent event;
    event.id = id;
    return event;
}

ControlEvent valued(ControlEvent::Kind kind, int id, int value, std::string text = {}) {
    ControlEvent event;
    event.kind = kind;
    event.id = id;
    event.value = value;
    event.text = std::move(text);
    return event;
}

const DialogControl* controlWithId(const DialogView& view, int id) {
    for (const DialogControl& control : view.controls) {
        if (control.id == id) return &control;
    }
    return nullptr;
}

struct SheetFixture {
    SheetFixture() : target(config) {}
    std::unique_ptr<CSetProperty> open(CSetProperty::Page page, std::vector<std::string> faces = {}) {
        return std::make_unique<CSetProperty>(config, boxes, SettingsTarget{target, target}, std::move(faces), page);
    }
    GameConfig config;
    AnsweringBoxes boxes;
    RecordingTarget target;
};

TEST(SettingsSheet, OpensAtItsPageAndAppliesOnlyWhenAPageChanged) {
    SheetFixture f;
    auto sheet = f.open(CSetProperty::TextPage);
    DialogView view = sheet->view();
    EXPECT_EQ(view.title, "프로그램 설정");
    EXPECT_EQ(view.tabs, (std::vector<std::string>{"대사창 설정", "텍스트 설정", "폰트 설정", "사운드 설정", "기타 설정"}));
    EXPECT_EQ(view.tab, 1);
    EXPECT_FALSE(controlWithId(view, CSetProperty::kApplyButton)->enabled);
    sheet->handle(click(CSetProperty::kApplyButton));
    EXPECT_TRUE(f.target.calls.empty());
    sheet->handle(valued(ControlEvent::Kind::SliderRelease, CTextPage::kTextSpeed, 3));
    EXPECT_TRUE(controlWithId(sheet->view(), CSetProperty::kApplyButton)->enabled);
    sheet->handle(click(CSetProperty::kApplyButton));
    EXPECT_EQ(f.config.textSpeed, 3);
    EXPECT_EQ(f.target.calls, std::vector<std::string>{"textSettings"});
    EXPECT_FALSE(sheet->applyEnabled());
    EXPECT_FALSE(sheet->closed());
    // A page that comes to the front later copies the values of that moment.
    f.config.textHistorySize = 777;
    sheet->handle(valued(ControlEvent::Kind::Tab, 0, CSetProperty::OtherPage));
    EXPECT_EQ(controlWithId(sheet->view(), COtherPage::kHistoryField)->text, "777");
    // OK accepts every page opened (the window page never was).
    f.target.calls.clear();
    sheet->handle(click(CSetProperty::kOkButton));
    EXPECT_TRUE(sheet->closed());
    EXPECT_EQ(sheet->resultText(), "ok");
    EXPECT_EQ(f.target.calls, std::vector<std::string>{"textSettings"});
}

TEST(SettingsWindowPage, TicksTheConfiguredRadiosAndWritesColoursAndChoices) {
    SheetFixture f;
    f.config.textWindowAlpha = 3;
    f.config.textWindowGradation = 0;
    f.config.textWindowOutline = 2;
    auto sheet = f.open(CSetProperty::WindowPage);
    DialogView view = sheet->view();
    for (int id = 20001; id <= 20014; ++id) {
        const bool ticked = id == 20004 || id == 20006 || id == 20013;
        ASSERT_NE(controlWithId(view, id), nullptr) << id;
        EXPECT_EQ(controlWithId(view, id)->checked, ticked) << id;
    }
    EXPECT_EQ(controlWithId(view, 20010)->caption, "좌하->우상");
    // The chooser starts from the current colour; a cancelled chooser changes nothing.
    f.config.textWindowColor2 = configColor(0x10, 0x20, 0x30);
    sheet = f.open(CSetProperty::WindowPage);
    f.boxes.colors = {std::nullopt, 0xAABBCC};
    sheet->handle(click(CWindowPage::kColor2));
    EXPECT_FALSE(sheet->applyEnabled());
    sheet->handle(click(CWindowPage::kColor2));
    EXPECT_EQ(f.boxes.colorsOffered, (std::vector<uint32_t>{0x102030, 0x102030}));
    // The page keeps its custom colours from one chooser to the next; another page has its own.
    EXPECT_EQ(f.boxes.firstCustomSeen, (std::vector<uint32_t>{0xFFFFFF, 0x123456}));
    sheet->handle(valued(ControlEvent::Kind::Tab, 0, CSetProperty::FontPage));
    sheet->handle(click(CFontPage::kColorSwatch));
    EXPECT_EQ(f.boxes.firstCustomSeen.back(), 0xFFFFFFu);
    sheet->handle(valued(ControlEvent::Kind::Tab, 0, CSetProperty::WindowPage));
    EXPECT_EQ(controlWithId(sheet->view(), CWindowPage::kColor2)->color, 0xAABBCCu);
    sheet->handle(click(20002));
    sheet->handle(click(20010));
    sheet->handle(click(20014));
    EXPECT_EQ(f.config.textWindowAlpha, 3);  // nothing written before accepting
    sheet->handle(click(CSetProperty::kOkButton));
    EXPECT_EQ(f.config.textWindowColor2, configColor(0xAA, 0xBB, 0xCC));
    EXPECT_EQ(f.config.textWindowAlpha, 1);
    EXPECT_EQ(f.config.textWindowGradation, 4);
    EXPECT_EQ(f.config.textWindowOutline, 3);
    EXPECT_EQ(f.target.calls, (std::vector<std::string>{"textWindow", "font"}));
}

void name(GameConfig& config, int index, const char* text) {
    config.characterColors[static_cast<size_t>(index)] = {cp949(text), configColor(index, 0, 0)};
}

TEST(SettingsTextPage, AddsACharacterIntoTheFirstFreeEntryAndRefusesTheFiftyFirst) {
    SheetFixture f;
    name(f.config, 0, "철수");
    auto sheet = f.open(CSetProperty::TextPage);
    auto& page = static_cast<CTextPage&>(sheet->page(CSetProperty::TextPage));
    EXPECT_EQ(page.selected(), 0);
    // Cancelling the name box or the chooser adds nothing.
    sheet->handle(click(CTextPage::kAddButton));
    f.boxes.names = {std::string("영희")};
    sheet->handle(click(CTextPage::kAddButton));
    EXPECT_EQ(page.entries()[1].name, "");
    f.boxes.names = {std::string("영희")};
    f.boxes.colors = {0x0000FF};
    sheet->handle(click(CTextPage::kAddButton));
    EXPECT_EQ(page.entries()[1].name, cp949("영희"));
    EXPECT_EQ(page.entries()[1].color, configColor(0, 0, 255));
    EXPECT_EQ(f.boxes.shown[0], "캐릭터명을 입력하세요.");
    EXPECT_EQ(controlWithId(sheet->view(), CTextPage::kCharacterList)->items,
              (std::vector<std::string>{"철수", "영희"}));
    EXPECT_FALSE(controlWithId(sheet->view(), CTextPage::kNoColorCheck)->enabled);

    for (int i = 0; i < GameConfig::kCharacterColors; ++i) name(f.config, i, "x");
    sheet = f.open(CSetProperty::TextPage);
    f.boxes.shown.clear();
    f.boxes.names = {std::string("51st")};
    f.boxes.colors = {0x123456};
    sheet->handle(click(CTextPage::kAddButton));
    EXPECT_EQ(f.boxes.shown.back(), "캐릭터별 대사색 설정은 최대 50개까지 가능합니다.");
    EXPECT_FALSE(sheet->applyEnabled());
    sheet->handle(click(CSetProperty::kOkButton));
    EXPECT_EQ(f.config.characterColors[49].name, "x");
}

TEST(SettingsTextPage, RemovingACharacterTakesEveryEntryOfItsNameAndKeepsTheRestInOrder) {
    SheetFixture f;
    name(f.config, 0, "Kim");
    name(f.config, 1, "Lee");
    name(f.config, 2, "KIM");
    name(f.config, 3, "Park");
    auto sheet = f.open(CSetProperty::TextPage);
    f.boxes.answers = {false, true};
    sheet->handle(click(CTextPage::kRemoveButton));
    EXPECT_EQ(f.boxes.shown.back(), "Kim의 색 정보를 삭제하시겠습니까?");
    EXPECT_FALSE(sheet->applyEnabled());
    sheet->handle(click(CTextPage::kRemoveButton));
    sheet->handle(click(CSetProperty::kOkButton));
    EXPECT_EQ(f.config.characterColors[0].name, "Lee");
    EXPECT_EQ(f.config.characterColors[0].color, configColor(1, 0, 0));
    EXPECT_EQ(f.config.characterColors[1].name, "Park");
    EXPECT_EQ(f.config.characterColors[1].color, configColor(3, 0, 0));
    EXPECT_EQ(f.config.characterColors[2].name, "");
    EXPECT_EQ(f.config.characterColors[3].name, "");
}

TEST(SettingsTextPage, SlidersAndTheSelectedSwatchRoundTrip) {
    SheetFixture f;
    name(f.config, 0, "a");
    name(f.config, 1, "b");
    auto sheet = f.open(CSetProperty::TextPage);
    sheet->handle(valued(ControlEvent::Kind::Select, CTextPage::kCharacterList, 1));
    EXPECT_EQ(controlWithId(sheet->view(), CTextPage::kColorSwatch)->color, 0x010000u);  // red 1
    f.boxes.colors = {0x00FF00};
    sheet->handle(click(CTextPage::kColorSwatch));
    sheet->handle(valued(ControlEvent::Kind::SliderRelease, CTextPage::kAutoSpeed, 10));
    sheet->handle(valued(ControlEvent::Kind::SliderRelease, CTextPage::kLineSpacing, 0));
    sheet->handle(valued(ControlEvent::Kind::SliderRelease, CTextPage::kWindowMargin, 42));
    sheet->handle(click(CSetProperty::kOkButton));
    EXPECT_EQ(f.config.characterColors[1].color, configColor(0, 255, 0));
    EXPECT_EQ(f.config.autoSpeed, 10);
    EXPECT_EQ(f.config.lineSpacing, 0);
    EXPECT_EQ(f.config.windowMargin, 10);
}

TEST(SettingsFontPage, ListsTheFacesAndWritesTheWholeFont) {
    SheetFixture f;
    f.config.font.faceName = "nanumgothic";
    f.config.font.height = 24;
    auto sheet = f.open(CSetProperty::FontPage, {"DejaVu", "NanumGothic", "NanumMyeongjo"});
    DialogView view = sheet->view();
    EXPECT_EQ(controlWithId(view, CFontPage::kFaceList)->value, 1);  // case ignored
    EXPECT_EQ(controlWithId(view, CFontPage::kSizeSlider)->value, -24);
    EXPECT_EQ(controlWithId(view, CFontPage::kSizeSlider)->minimum, -34);
    EXPECT_EQ(controlWithId(view, CFontPage::kSizeSlider)->maximum, -14);
    EXPECT_FALSE(controlWithId(view, CFontPage::kAntialiasingCheck)->enabled);
    sheet->handle(valued(ControlEvent::Kind::Select, CFontPage::kFaceList, 2));
    sheet->handle(valued(ControlEvent::Kind::SliderRelease, CFontPage::kSizeSlider, -30));
    sheet->handle(valued(ControlEvent::Kind::Check, CFontPage::kBoldCheck, 0));
    sheet->handle(valued(ControlEvent::Kind::Check, CFontPage::kShadowCheck, 0));
    sheet->handle(valued(ControlEvent::Kind::Check, CFontPage::kOutlineCheck, 1));
    sheet->handle(valued(ControlEvent::Kind::Check, CFontPage::kItalicCheck, 1));
    sheet->handle(valued(ControlEvent::Kind::Check, CFontPage::kUnderlineCheck, 1));
    sheet->handle(valued(ControlEvent::Kind::Check, CFontPage::kStrikeOutCheck, 1));
    f.boxes.colors = {0x102030};
    sheet->handle(click(CFontPage::kColorSwatch));
    sheet->handle(click(CSetProperty::kOkButton));
    EXPECT_EQ(f.config.font.faceName, "NanumMyeongjo");
    EXPECT_EQ(f.config.font.height, 30);
    EXPECT_EQ(f.config.font.weight, 400);
    EXPECT_FALSE(f.config.textShadow);
    EXPECT_TRUE(f.config.textOutline);
    EXPECT_EQ(f.config.font.italic, 1);
    EXPECT_EQ(f.config.font.underline, 1);
    EXPECT_EQ(f.config.font.strikeOut, 1);
    EXPECT_EQ(f.config.textColor, configColor(0x10, 0x20, 0x30));
    EXPECT_EQ(f.target.calls, std::vector<std::string>{"font"});
}

TEST(SettingsSoundPage, VolumesActAtOnceAndCancelPutsTheReferenceBack) {
    SheetFixture f;
    f.config.bgmVolume = -1000;
    auto sheet = f.open(CSetProperty::SoundPage);
    EXPECT_EQ(controlWithId(sheet->view(), CSoundPage::kBgmSlider)->value, 4000);
    sheet->handle(valued(ControlEvent::Kind::SliderRelease, CSoundPage::kBgmSlider, 2000));
    EXPECT_EQ(f.config.bgmVolume, -3000);
    EXPECT_EQ(f.target.calls, std::vector<std::string>{"bgmVolume -3000"});
    sheet->handle(click(kCancelControl));
    EXPECT_EQ(f.config.bgmVolume, -1000);
    EXPECT_EQ(f.target.calls[1], "bgmVolume -1000");
    EXPECT_EQ(sheet->resultText(), "cancel");

    // After Apply the new volume is the one Cancel comes back to.
    f.target.calls.clear();
    sheet = f.open(CSetProperty::SoundPage);
    sheet->handle(valued(ControlEvent::Kind::SliderRelease, CSoundPage::kEffectSlider, 5000));
    sheet->handle(click(CSetProperty::kApplyButton));
    sheet->handle(valued(ControlEvent::Kind::SliderRelease, CSoundPage::kEffectSlider, 0));
    sheet->handle(click(kCancelControl));
    EXPECT_EQ(f.config.effectVolume, 0);
}

TEST(SettingsSoundPage, SwitchesFlipByTheMenuAndWithoutVoiceItsSwitchStaysAsItIs) {
    SheetFixture f;
    f.config.voiceAvailable = false;
    f.config.voiceOn = true;
    f.config.bgmOutputChangeable = false;
    auto sheet = f.open(CSetProperty::SoundPage);
    DialogView view = sheet->view();
    EXPECT_FALSE(controlWithId(view, CSoundPage::kVoiceCheck)->enabled);
    EXPECT_FALSE(controlWithId(view, CSoundPage::kVoiceCheck)->checked);
    EXPECT_FALSE(controlWithId(view, CSoundPage::kVoiceSlider)->enabled);
    EXPECT_FALSE(controlWithId(view, CSoundPage::kPcmRadio)->enabled);
    EXPECT_FALSE(controlWithId(view, CSoundPage::kCddaRadio)->enabled);
    EXPECT_FALSE(controlWithId(view, CSoundPage::kQuieterBgmCheck)->enabled);
    sheet->handle(valued(ControlEvent::Kind::Check, CSoundPage::kVoiceCheck, 1));
    sheet->handle(click(CSoundPage::kCddaRadio));
    sheet->handle(valued(ControlEvent::Kind::Check, CSoundPage::kEffectsCheck, 0));
    sheet->handle(valued(ControlEvent::Kind::Check, CSoundPage::kFadeCheck, 1));
    sheet->handle(click(CSetProperty::kOkButton));
    EXPECT_EQ(f.target.calls, std::vector<std::string>{"menu effects"});
    EXPECT_TRUE(f.config.voiceOn);
    EXPECT_TRUE(f.config.bgmIsPcm);
    EXPECT_FALSE(f.config.effectsOn);
    EXPECT_TRUE(f.config.fadeOnBgmChange);

    f.config.voiceAvailable = true;
    f.config.bgmOutputChangeable = true;
    f.target.calls.clear();
    sheet = f.open(CSetProperty::SoundPage);
    sheet->handle(valued(ControlEvent::Kind::Check, CSoundPage::kVoiceCheck, 0));
    sheet->handle(click(CSoundPage::kCddaRadio));
    sheet->handle(click(CSetProperty::kOkButton));
    EXPECT_EQ(f.target.calls, (std::vector<std::string>{"menu voice", "switchOutput"}));
    EXPECT_FALSE(f.config.voiceOn);
    EXPECT_FALSE(f.config.bgmIsPcm);
}

TEST(SettingsOtherPage, TheRestartQuestionIsAskedOncePerFieldAndCancelKeepsTheStoredValue) {
    SheetFixture f;
    f.config.textHistorySize = 5000;
    f.config.imageAntialiasing = false;
    auto sheet = f.open(CSetProperty::OtherPage);
    DialogView view = sheet->view();
    EXPECT_FALSE(controlWithId(view, COtherPage::kPngAlphaCheck)->enabled);
    EXPECT_FALSE(controlWithId(view, COtherPage::kPreloadField)->enabled);
    f.boxes.answers = {false, true};
    sheet->handle(valued(ControlEvent::Kind::Edit, COtherPage::kHistoryField, 0, "100"));
    EXPECT_EQ(controlWithId(sheet->view(), COtherPage::kHistoryField)->text, "5000");
    sheet->handle(valued(ControlEvent::Kind::Edit, COtherPage::kHistoryField, 0, "200"));
    sheet->handle(valued(ControlEvent::Kind::Edit, COtherPage::kHistoryField, 0, "300000"));
    sheet->handle(valued(ControlEvent::Kind::Edit, COtherPage::kHistoryField, 0, "12x"));
    EXPECT_EQ(f.boxes.shown, (std::vector<std::string>(2, "이 값은 MORV이 재시작 된 후에 적용됩니다. \n변경하시겠습니까?")));
    sheet->handle(valued(ControlEvent::Kind::Check, COtherPage::kAntialiasingCheck, 1));
    EXPECT_TRUE(controlWithId(sheet->view(), COtherPage::kPngAlphaCheck)->enabled);
    sheet->handle(valued(ControlEvent::Kind::Check, COtherPage::kPngAlphaCheck, 0));
    sheet->handle(click(CSetProperty::kOkButton));
    EXPECT_EQ(f.config.textHistorySize, 100000);
    EXPECT_TRUE(f.config.imageAntialiasing);
    EXPECT_FALSE(f.config.usePngAlpha);
    EXPECT_EQ(f.config.imagesToPreload, 5);
}

}  // namespace
}  // namespace morv::testing
