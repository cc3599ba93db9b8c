// A platform without a display, for tests and morv-headless.
#pragma once
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/event_script.h"
#include "platform/frame_mailbox.h"
#include "platform/headless/frame_image.h"
#include "platform/overlay_painter.h"
#include "platform/headless/recording_audio.h"
#include "platform/headless/virtual_clock.h"
#include "platform/platform.h"

namespace morv {

struct HeadlessOptions {
    int desktopDepth = 32;
    std::vector<EventStep> events;
    std::filesystem::path outDir;   // snapshots and trace.txt; empty keeps the trace in memory only
    uint64_t maxMs = 600000;
    bool traceCommands = false;
    bool tracePresents = false;
    bool traceVolume = false;  // "audio volume" and "cd volume" lines (fades write many)
};

// A platform without a display: a virtual clock, events and answers taken from
// a script, every message recorded in the trace, frames kept in memory.
class HeadlessPlatform : public Platform {
public:
    explicit HeadlessPlatform(HeadlessOptions options = {});
    ~HeadlessPlatform() override;

    Clock& clock() override { return clock_; }
    MessageBoxes& messages() override;
    EventSource& events() override;
    WindowSystem& window() override;
    Trace& trace() override;
    DisplayDevice& display() override;
    std::unique_ptr<MediaPlayer> createMediaPlayer() override;
    std::unique_ptr<CdAudioPlayer> createCdAudioPlayer(const std::string& trackDirectory) override;

    VirtualClock& virtualClock() { return clock_; }
    // What the audio players were asked to do.
    HeadlessAudio& audio() { return audio_; }
    // The sound on `channel` ends by itself: the player's notification is posted.
    void endAudio(int channel);
    // The CD track plays to its end: the completion is posted when its play asked for it.
    void endCdTrack();
    // Answers for the next questions or input boxes ("ok", "cancel" or a text).
    void queueAnswer(const std::string& answer) { answers_.push_back(answer); }
    // Draws open menus and boxes into snapshots; without one snapshots show the frame only.
    void setOverlayPainter(std::unique_ptr<OverlayPainter> painter) { painter_ = std::move(painter); }
    // The menus and box open now.
    const OverlayView& overlay() const { return overlay_; }
    // Documents handed to the desktop's opener.
    const std::vector<std::string>& documentsOpened() const { return documentsOpened_; }
    // Tells the event script when the engine waits for the player.
    void setIdleProbe(std::function<bool()> probe) { idleProbe_ = std::move(probe); }
    // The last presented frame (white until something is presented), as of this
    // call: a later present shows in the next call's answer.
    const FrameImage& frame() const;
    int presentCount() const { return presentCount_; }
    // Every trace line written so far, with its time prefix.
    const std::vector<std::string>& traceLines() const { return traceLines_; }
    const std::vector<std::string>& messagesShown() const { return messagesShown_; }
    int windowWidth() const { return windowWidth_; }
    int windowHeight() const { return windowHeight_; }
    const std::string& windowTitle() const { return windowTitle_; }
    bool windowOpen() const { return windowOpen_; }
    PointerPosition pointer() const { return pointer_; }
    // The game's own icon and pointer shape, once set (width 0 before).
    const RgbaPicture& icon() const { return icon_; }
    const RgbaPicture& cursor() const { return cursor_; }

private:
    class Messages;
    class Events;
    class Window;
    class TraceFile;
    class Display;
    friend class Display;
    friend class Messages;
    friend class Events;
    friend class Window;
    friend class TraceFile;

    void writeTrace(const std::string& line);
    AudioTraceSink audioTraceSink();
    void postMediaNotify(int code);
    void writeSnapshot(const std::string& name);
    // Writes the snapshots whose time has come (checked at every present and poll,
    // so that frames in the middle of a transition can be taken).
    void takeDueSnapshots();
    std::optional<std::string> nextAnswer();
    // Shows a box for the snapshots asked for it, then takes it away.
    void showBox(BoxKind kind, const std::string& caption, const std::string& text);
    // Hands the dialog the script's control steps until it closes.
    void runDialog(DialogForm& form);
    // The popup menu at `at` until a script step chooses or dismisses it.
    std::optional<MenuItem> trackPopup(PointerPosition at);
    MenuStates refreshedMenus() const;

    HeadlessOptions options_;
    VirtualClock clock_;
    std::unique_ptr<Messages> messages_;
    std::unique_ptr<Events> events_;
    std::unique_ptr<Window> window_;
    std::unique_ptr<TraceFile> trace_;
    std::unique_ptr<Display> display_;
    std::deque<std::string> answers_;
    std::deque<std::string> boxSnapshots_;
    std::unique_ptr<OverlayPainter> painter_;
    OverlayView overlay_;
    std::function<MenuStates()> menuRefresh_;
    std::vector<std::string> documentsOpened_;
    std::function<bool()> idleProbe_;
    FrameCopy presented_;
    // The presented frame as red, green, blue; made again from presented_ when stale.
    mutable FrameImage frame_;
    mutable bool frameStale_ = false;
    HeadlessAudio audio_;
    int presentCount_ = 0;
    struct TimedSnapshot {
        uint64_t due;
        std::string name;
    };
    std::vector<TimedSnapshot> timedSnapshots_;
    std::vector<std::string> traceLines_;
    std::ofstream traceOut_;
    std::vector<std::string> messagesShown_;
    int windowWidth_ = 0;
    int windowHeight_ = 0;
    std::string windowTitle_;
    bool windowOpen_ = false;
    PointerPosition pointer_;
    RgbaPicture icon_;
    RgbaPicture cursor_;
};

}  // namespace morv
