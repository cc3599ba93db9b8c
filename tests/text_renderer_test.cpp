// Laying out and typing the dialogue text.
#include <gtest/gtest.h>

#include "display/text_renderer.h"
#include "fixed_width_font.h"
#include "surface_test_pixels.h"
#include "text_canvas.h"

namespace morv {
namespace {

using testing::DrawnText;
const std::string kGa = "\xB0\xA1";  // "가"

// A window of 106 x 80 pixels at the screen's corner: nine one-byte characters per
// line (x from 6 up to 100), two lines per page (bottoms 30 and 60).
class TextRendererTest : public ::testing::Test {
protected:
    TextRendererTest() {
        config.textWindowRect = {0, 0, 106, 80};
        config.textWindowOutline = 2;
        window = std::make_unique<TextWindow>(config, 32, PixelFormat::Xrgb8888, 120, 90, messages);
        renderer = std::make_unique<TextRenderer>(config, fonts, 120, 90);
    }
    // The characters drawn in color (the black shadow passes left out).
    std::vector<DrawnText> colored() const {
        std::vector<DrawnText> result;
        for (const DrawnText& d : fonts.drawn)
            if (d.color != 0) result.push_back(d);
        return result;
    }
    int show(std::string_view text, bool gradual = false) {
        WindowCanvas c = canvas.canvas();
        return renderer->showMessage(c, *window, text, gradual);
    }
    int next() {
        WindowCanvas c = canvas.canvas();
        return renderer->revealNext(c, *window);
    }

    GameConfig config;
    testing::FixedWidthFontFactory fonts;
    testing::RecordedMessages messages;
    testing::TextCanvas canvas{120, 90, PixelFormat::Xrgb8888};
    std::unique_ptr<TextWindow> window;
    std::unique_ptr<TextRenderer> renderer;
};

TEST_F(TextRendererTest, TwoByteCharactersMoveToTheNextLineWhole) {
    EXPECT_EQ(show("aaaa" + kGa + kGa + kGa), TextRenderer::kFinished);
    std::vector<DrawnText> drawn = colored();
    ASSERT_EQ(drawn.size(), 7u);
    EXPECT_EQ(drawn[5].x, 6 + 40 + 20);
    EXPECT_EQ(drawn[5].y, 30 - 24);
    EXPECT_EQ(drawn[6].text, kGa);  // 86 + 20 passes 100: the whole character goes down
    EXPECT_EQ(drawn[6].x, 6);
    EXPECT_EQ(drawn[6].y, 60 - 24);
    EXPECT_EQ(renderer->cursorX(), 26);
    EXPECT_EQ(renderer->cursorY(), 60);
}

TEST_F(TextRendererTest, AFullPageStopsAtTheCharacterThatDoesNotFitAndStartsTheNextPageWithIt) {
    EXPECT_EQ(show("abcdefghijklmnopqrs"), TextRenderer::kPageFull);
    EXPECT_EQ(colored().size(), 18u);
    EXPECT_TRUE(renderer->atPageStart());
    fonts.drawn.clear();
    EXPECT_EQ(next(), TextRenderer::kDrawn);
    ASSERT_EQ(colored().size(), 1u);
    EXPECT_EQ(colored()[0].text, "s");
    EXPECT_EQ(colored()[0].x, 6);
    EXPECT_EQ(colored()[0].y, 6);
    EXPECT_EQ(renderer->backlog().pageStartText(), "s");
    EXPECT_EQ(next(), TextRenderer::kFinished);
}

TEST_F(TextRendererTest, GradualMessagesRevealOneCharacterAtATime) {
    EXPECT_EQ(show("ab" + kGa, true), TextRenderer::kDrawn);
    EXPECT_EQ(colored().size(), 1u);
    EXPECT_EQ(next(), TextRenderer::kDrawn);
    EXPECT_EQ(next(), TextRenderer::kDrawn);
    EXPECT_EQ(colored().back().text, kGa);
    EXPECT_EQ(next(), TextRenderer::kFinished);
    EXPECT_EQ(colored().size(), 3u);
    // The text layer reached the frame: the fake font marks each cell's top row.
    EXPECT_EQ(test::pixelAt(canvas.frame(), 6, 6) & 0xFFFFFF, 0xF0F0F0u);
}

TEST_F(TextRendererTest, ShadowAndOutlinePassesComeBeforeTheCharacter) {
    config.textOutline = true;
    renderer->resetFont();
    show("a");
    ASSERT_EQ(fonts.drawn.size(), 6u);
    const int expected[][2] = {{8, 8}, {5, 6}, {7, 6}, {6, 5}, {6, 7}, {6, 6}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(fonts.drawn[i].x, expected[i][0]);
        EXPECT_EQ(fonts.drawn[i].y, expected[i][1]);
        EXPECT_EQ(fonts.drawn[i].color, i < 5 ? 0u : config.textColor);
    }
}

TEST_F(TextRendererTest, SpeakersTakeTheirListedColor) {
    const ConfigColor narrator = configColor(10, 200, 30);
    config.characterColors[2] = {"Narrator", narrator};
    show("[narrator]Hi");
    for (const DrawnText& d : colored()) EXPECT_EQ(d.color, narrator);
    EXPECT_EQ(renderer->textColor(), narrator);
    EXPECT_EQ(colored().front().text, "[");  // the name stays part of the text

    renderer->setTextColor(configColor(1, 2, 3));
    fonts.drawn.clear();
    show(" no speaker");
    EXPECT_EQ(colored().front().color, configColor(1, 2, 3));
    fonts.drawn.clear();
    show("]x");  // "]" first: no name
    EXPECT_EQ(colored().front().color, configColor(1, 2, 3));
    fonts.drawn.clear();
    show("[Stranger]x");
    EXPECT_EQ(colored().front().color, config.textColor);
}

TEST_F(TextRendererTest, NewLineReportsAFullPage) {
    WindowCanvas c = canvas.canvas();
    EXPECT_FALSE(renderer->newLine(c, *window));  // at page start a blank message opens the page first
    EXPECT_EQ(renderer->backlog().size(), 2);
    EXPECT_EQ(renderer->backlog().at(0).text, " ");
    EXPECT_EQ(renderer->cursorY(), 60);
    EXPECT_TRUE(renderer->newLine(c, *window));
    EXPECT_TRUE(renderer->atPageStart());
    renderer->setTextColor(5);
    renderer->resetPage(true);
    EXPECT_EQ(renderer->textColor(), config.textColor);
    EXPECT_EQ(renderer->backlog().size(), 3);
    renderer->resetPage(false);
    EXPECT_EQ(renderer->backlog().size(), 4);
}

TEST_F(TextRendererTest, RedrawPageDrawsTheCurrentPageFromTheBacklog) {
    show("old page text that fills it up");  // a page of 18, then -1
    WindowCanvas c = canvas.canvas();
    renderer->revealRest(c, *window);  // the rest starts the next page
    show("zz");
    fonts.drawn.clear();
    renderer->redrawPage(c, *window, false);
    std::string text;
    for (const DrawnText& d : colored()) text += d.text;
    EXPECT_EQ(text, " fills it upzz");
    EXPECT_EQ(colored().back().y, 60 - 24);
    EXPECT_EQ(renderer->cursorX(), 56);

    // A line break that fills the page ends the redraw at page start.
    renderer->newLine(c, *window);
    renderer->redrawPage(c, *window, false);
    EXPECT_TRUE(renderer->atPageStart());
}

TEST_F(TextRendererTest, FontChangesFollowTheSizeWordsAndTypeBits) {
    renderer->setFont("++");
    EXPECT_EQ(renderer->font().record.height, 26);
    renderer->setFont("2");
    renderer->setFont("--");  // 0 falls back to the configured size
    EXPECT_EQ(renderer->font().record.height, 24);
    renderer->setFont("30", std::string_view("Face"), 1 | 8 | 32);
    const StyledFont& font = renderer->font();
    EXPECT_EQ(font.record.faceName, "Face");
    EXPECT_EQ(font.record.weight, FontRecord::kWeightBold);
    EXPECT_FALSE(font.shadow);
    EXPECT_TRUE(font.record.italic);
    EXPECT_TRUE(font.record.strikeOut);
    EXPECT_EQ(fonts.created.back(), font.record);
    SavedFont saved = renderer->fontForSaving();
    EXPECT_EQ(saved.height, 30);
    EXPECT_EQ(saved.type, 1 | 8 | 32);
    EXPECT_EQ(renderer->backlog().size(), 4);
    EXPECT_EQ(renderer->backlog().at(3).font, font);

    // A face name longer than 31 bytes is cut before the character that would pass it.
    std::string longName = "a";
    for (int i = 0; i < 20; ++i) longName += kGa;
    renderer->setFont("0", std::string_view(longName));
    EXPECT_EQ(renderer->font().record.faceName.size(), 31u);
    renderer->setFont("0", std::string_view("b" + longName));
    EXPECT_EQ(renderer->font().record.faceName.size(), 30u);

    renderer->resetFont();
    EXPECT_EQ(renderer->font().record, config.font);
    EXPECT_TRUE(renderer->font().shadow);
    EXPECT_EQ(renderer->fontForSaving().type, 1 | 2);
}

}  // namespace
}  // namespace morv
