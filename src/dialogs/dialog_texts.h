// Every text the save and load dialogs and the settings sheet show, in UTF-8.
#pragma once

namespace morv::dialog_text {

// --- Save and load dialogs ---
inline constexpr const char* kSaveTitle = "게임 저장";
inline constexpr const char* kLoadTitle = "게임 불러오기";
inline constexpr const char* kSaveButton = "게임 저장";
inline constexpr const char* kLoadButton = "게임 불러오기";
inline constexpr const char* kDeleteButton = "파일 삭제";
inline constexpr const char* kCancelButton = "취소";
inline constexpr const char* kSaveSlotCaptions[5] = {"SAVE DATA 1", "SAVE DATA 2", "SAVE DATA 3", "SAVE DATA 4",
                                                     "SAVE DATA 5"};
inline constexpr const char* kLoadSlotCaptions[5] = {"LOAD DATA 1", "LOAD DATA 2", "LOAD DATA 3", "LOADDATA 4",
                                                     "LOAD DATA 5"};
inline constexpr const char* kOverwriteQuestion = "기존 데이터에 덮어 쓰시겠습니까?";
inline constexpr const char* kDeleteQuestion = "파일을 삭제하시겠습니까?";
inline constexpr const char* kNoSaveFile = "세이브 파일이 없습니다.";
inline constexpr const char* kOldVersionSave = "MORV 1.0x의 세이브 파일은 사용할 수 없습니다.";
inline constexpr const char* kOldVersionLoad = "MORV 전 버전의 세이브 파일은 사용할 수 없습니다.";
inline constexpr const char* kUnknownFormat = "알수 없는 형식의 파일입니다.";
// Sunday first.
inline constexpr const char* kDayNames[7] = {"日", "月", "火", "水", "木", "金", "土"};

// --- Settings sheet ---
inline constexpr const char* kSheetTitle = "프로그램 설정";
inline constexpr const char* kOkButton = "확인";
inline constexpr const char* kApplyButton = "적용";
inline constexpr const char* kPageTitles[5] = {"대사창 설정", "텍스트 설정", "폰트 설정", "사운드 설정", "기타 설정"};

// Text window page.
inline constexpr const char* kWindowColor1 = "색 1";
inline constexpr const char* kWindowColor2 = "색 2";
inline constexpr const char* kHighlightColor = "강조색";
inline constexpr const char* kTransparencyGroup = "투과율";
inline constexpr const char* kTransparencies[5] = {"0%", "12.5%", "25%", "50%", "100%"};
inline constexpr const char* kGradationGroup = "그라데이션";
inline constexpr const char* kGradations[5] = {"없음", "세로방향", "가로방향", "좌상->우하", "좌하->우상"};
inline constexpr const char* kFrameGroup = "테두리";
inline constexpr const char* kFrames[4] = {"보통테두리", "간이테두리", "테두리없음", "스킨 사용"};

// Text page.
inline constexpr const char* kTextColor = "TextColor";
inline constexpr const char* kAddCharacter = "캐릭터추가";
inline constexpr const char* kRemoveCharacter = "캐릭터제거";
inline constexpr const char* kNoColor = "색을 적용안함";
inline constexpr const char* kTextSpeed = "대사 속도";
inline constexpr const char* kAutoSpeed = "자동진행 속도";
inline constexpr const char* kLineSpacing = "행간 간격";
inline constexpr const char* kWindowMargin = "대사창 여백";
inline constexpr const char* kSlow = "느림";
inline constexpr const char* kFast = "빠름";
inline constexpr const char* kSmall = "작음";
inline constexpr const char* kLarge = "큼";
inline constexpr const char* kNamePrompt = "캐릭터명을 입력하세요.";
inline constexpr const char* kTooManyCharacters = "캐릭터별 대사색 설정은 최대 50개까지 가능합니다.";
// "%s" is the character's name.
inline constexpr const char* kRemoveCharacterQuestion = "%s의 색 정보를 삭제하시겠습니까?";

// Font page.
inline constexpr const char* kFontSize = "폰트 크기";
inline constexpr const char* kFontLargest = "최대";
inline constexpr const char* kFontSmallest = "최소";
inline constexpr const char* kFontAntialiasing = "안티앨리아싱";
inline constexpr const char* kBold = "진하게";
inline constexpr const char* kShadow = "그림자";
inline constexpr const char* kOutline = "테두리";
inline constexpr const char* kItalic = "이탤릭체";
inline constexpr const char* kUnderline = "밑줄";
inline constexpr const char* kStrikeOut = "취소선";
inline constexpr const char* kFontColorGroup = "기본 폰트 색상";

// Sound page.
inline constexpr const char* kBgmOutputGroup = "BGM 출력 장치";
inline constexpr const char* kPcm = "PCM";
inline constexpr const char* kCdda = "CDDA";
inline constexpr const char* kBgm = "BGM";
inline constexpr const char* kEffects = "효과음";
inline constexpr const char* kVoice = "음성";
inline constexpr const char* kQuiet = "소";
inline constexpr const char* kLoud = "대";
inline constexpr const char* kQuieterBgmWithVoice = "음성재생시 BGM의 음량을 작게";
inline constexpr const char* kFadeEveryBgm = "모든 BGM 변경시 페이드아웃/인";

// Other settings page.
inline constexpr const char* kAntialiasingGroup = "Anti-aliasing";
inline constexpr const char* kImageAntialiasing = "안티앨리아싱 사용";
inline constexpr const char* kPngAlpha = "PNG의 안티앨리아싱에는 이미지 자체 알파값 사용";
inline constexpr const char* kHistorySize = "지나간 대사 보존 분량";
inline constexpr const char* kPreloadImages = "미리 읽을 이미지 분량";
inline constexpr const char* kLeaveAsIs = "특별한 이유가 없는 경우 초기상태로 놔두는 것이 좋습니다.";
inline constexpr const char* kRestartQuestion = "이 값은 MORV이 재시작 된 후에 적용됩니다. \n변경하시겠습니까?";

}  // namespace morv::dialog_text
