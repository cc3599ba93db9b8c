// The headless platform: virtual time, scripted events and recorded output.
#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/save_file_dialog.h"

namespace morv {

class HeadlessPlatform::Messages : public MessageBoxes {
public:
    explicit Messages(HeadlessPlatform& owner) : owner_(owner) {}
    void error(const std::string& text) override {
        owner_.messagesShown_.push_back(text);
        owner_.showBox(BoxKind::Notice, owner_.windowTitle_, text);
        owner_.writeTrace("message " + traceQuote(text));
    }
    bool question(const std::string& text) override {
        owner_.messagesShown_.push_back(text);
        owner_.showBox(BoxKind::Question, owner_.windowTitle_, text);
        bool ok = owner_.nextAnswer().value_or("ok") != "cancel";
        owner_.writeTrace("question " + traceQuote(text) + (ok ? " -> ok" : " -> cancel"));
        return ok;
    }
    std::string input(const std::string& title) override {
        owner_.messagesShown_.push_back(title);
        std::string answer = owner_.nextAnswer().value_or("");
        owner_.showBox(BoxKind::Input, title, answer);
        owner_.writeTrace("input " + traceQuote(title) + " -> " + traceQuote(answer));
        return answer;
    }
    void runDialog(DialogForm& form) override { owner_.runDialog(form); }
    // The answer is the colour as six hexadecimal digits RRGGBB; anything else, or none, cancels.
    std::optional<uint32_t> chooseColor(uint32_t initial, CustomColors&) override {
        std::string answer = owner_.nextAnswer().value_or("cancel");
        uint32_t color = 0;
        auto [end, error] = std::from_chars(answer.data(), answer.data() + answer.size(), color, 16);
        bool chosen = answer.size() == 6 && error == std::errc() && end == answer.data() + answer.size();
        char from[8];
        std::snprintf(from, sizeof from, "%06X", initial & 0xFFFFFFu);
        owner_.writeTrace(std::string("color ") + from + " -> " + (chosen ? answer : std::string("cancel")));
        if (!chosen) return std::nullopt;
        return color;
    }
    // The answer is the name; "cancel", or none, cancels, and so does an empty
    // answer, since OK does nothing while the field is empty.
    std::optional<std::string> askName(const std::string& prompt) override {
        owner_.messagesShown_.push_back(prompt);
        std::string answer = owner_.nextAnswer().value_or("cancel");
        bool given = !answer.empty() && answer != "cancel";
        owner_.writeTrace("name " + traceQuote(prompt) + " -> " + (given ? traceQuote(answer) : "cancel"));
        if (!given) return std::nullopt;
        return answer;
    }
    // The answer is the file's name; "cancel", or none, cancels.
    std::optional<std::string> saveFileName(const std::string& defaultExtension, const std::string&) override {
        std::string answer = owner_.nextAnswer().value_or("cancel");
        if (answer == "cancel" || answer.empty()) {
            owner_.writeTrace("save-file -> cancel");
            return std::nullopt;
        }
        std::string name = withDefaultExtension(answer, defaultExtension);
        std::error_code error;
        if (std::filesystem::exists(name, error) && !question(overwriteQuestion(name))) {
            owner_.writeTrace("save-file -> cancel");
            return std::nullopt;
        }
        owner_.writeTrace("save-file -> " + traceQuote(name));
        return name;
    }

private:
    HeadlessPlatform& owner_;
};

// Feeds the event script into the main loop: timed steps hold the queue empty
// until their time has passed, input steps become window events.
class HeadlessPlatform::Events : public EventSource {
public:
    explicit Events(HeadlessPlatform& owner) : owner_(owner) {}

    // The next input step for a modal loop (the popup menu); the steps without
    // input in between take effect on the way. A quit step stays for the main loop.
    std::optional<EventStep> modalStep() {
        auto& steps = owner_.options_.events;
        while (next_ < steps.size()) {
            const EventStep& step = steps[next_];
            switch (step.kind) {
                case EventStep::Kind::Wait:
                case EventStep::Kind::UntilIdle:
                    owner_.clock_.sleep(static_cast<uint32_t>(step.a));
                    owner_.takeDueSnapshots();
                    ++next_;
                    continue;
                case EventStep::Kind::Quit:
                    return std::nullopt;
                default:
                    if (takeQuietStep(step)) {
                        ++next_;
                        continue;
                    }
                    ++next_;
                    return step;
            }
        }
        return std::nullopt;
    }

protected:
    bool pollPlatform(WindowEvent& event) override {
        if (!pending_.empty()) return takePending(event);
        owner_.clock_.ticks();  // every look at the queue takes a virtual millisecond
        owner_.takeDueSnapshots();
        uint64_t now = owner_.clock_.elapsed();
        if (now >= owner_.options_.maxMs) {
            event = quitEvent();
            return true;
        }
        auto& steps = owner_.options_.events;
        while (next_ < steps.size()) {
            const EventStep& step = steps[next_];
            switch (step.kind) {
                case EventStep::Kind::Wait:
                case EventStep::Kind::UntilIdle:
                    if (!holding_) {
                        holding_ = true;
                        holdUntil_ = now + static_cast<uint64_t>(step.a);
                    }
                    if (now < holdUntil_ &&
                        !(step.kind == EventStep::Kind::UntilIdle && owner_.idleProbe_ && owner_.idleProbe_())) {
                        return false;
                    }
                    holding_ = false;
                    ++next_;
                    continue;
                case EventStep::Kind::Quit:
                    ++next_;
                    event = quitEvent();
                    return true;
                default:
                    if (takeQuietStep(step)) {
                        ++next_;
                        continue;
                    }
                    queueInput(step);
                    ++next_;
                    if (pending_.empty()) continue;
                    return takePending(event);
            }
        }
        return false;
    }

private:
    // Carries out a step that gives the engine no input; false for input steps.
    bool takeQuietStep(const EventStep& step) {
        switch (step.kind) {
            case EventStep::Kind::Answer:
                owner_.answers_.push_back(step.text);
                return true;
            case EventStep::Kind::Snapshot:
                owner_.writeSnapshot(step.text);
                return true;
            case EventStep::Kind::SnapshotAfter:
                owner_.timedSnapshots_.push_back({owner_.clock_.elapsed() + static_cast<uint64_t>(step.a), step.text});
                return true;
            case EventStep::Kind::BoxSnapshot:
                owner_.boxSnapshots_.push_back(step.text);
                return true;
            default:
                return false;
        }
    }

    // A menu step outside the popup: a bar title opens its menu; an item of the
    // bar acts when the refreshed menu has it enabled; any other id is sent as
    // the window's menu command.
    void chooseMenu(MenuItem item) {
        OverlayView& overlay = owner_.overlay_;
        MenuPlace place = menuPlace(item);
        if (place == MenuPlace::BarTitle) {
            overlay.openColumn = barColumnOf(item).value_or(-1);
            overlay.states = owner_.refreshedMenus();
            return;
        }
        overlay.openColumn = -1;
        if (place == MenuPlace::BarEntry && !owner_.refreshedMenus().get(item).enabled) return;
        WindowEvent e;
        e.kind = WindowEvent::Kind::MenuCommand;
        e.value = static_cast<int>(item);
        pending_.push_back(e);
    }
    // Hands out the next queued input; the pointer goes where a move takes it (a
    // click's press and release come after its move, and the engine may have
    // moved the pointer in between).
    bool takePending(WindowEvent& event) {
        event = pending_.front();
        pending_.pop_front();
        if (event.kind == WindowEvent::Kind::MouseMove) owner_.pointer_ = {event.x, event.y};
        return true;
    }

    static WindowEvent quitEvent() {
        WindowEvent e;
        e.kind = WindowEvent::Kind::Quit;
        e.value = 0;
        return e;
    }

    static Key keyNamed(const std::string& name) {
        if (name == "ENTER") return Key::Enter;
        if (name == "ESCAPE") return Key::Escape;
        if (name == "SPACE") return Key::Space;
        if (name == "UP") return Key::Up;
        if (name == "DOWN") return Key::Down;
        if (name == "CTRL") return Key::Ctrl;
        return Key::Other;
    }

    void queueInput(const EventStep& step) {
        if (step.kind == EventStep::Kind::Menu) {
            chooseMenu(static_cast<MenuItem>(step.a));
            return;
        }
        // Input while a drop-down menu is open only closes it.
        if (owner_.overlay_.openColumn >= 0) {
            owner_.overlay_.openColumn = -1;
            return;
        }
        WindowEvent e;
        e.x = step.a;
        e.y = step.b;
        switch (step.kind) {
            case EventStep::Kind::Click:
            case EventStep::Kind::RightClick:
                e.button = step.kind == EventStep::Kind::Click ? MouseButton::Left : MouseButton::Right;
                e.kind = WindowEvent::Kind::MouseMove;
                pending_.push_back(e);
                e.kind = WindowEvent::Kind::MouseDown;
                pending_.push_back(e);
                e.kind = WindowEvent::Kind::MouseUp;
                pending_.push_back(e);
                break;
            case EventStep::Kind::Move:
                e.kind = WindowEvent::Kind::MouseMove;
                pending_.push_back(e);
                break;
            case EventStep::Kind::Key:
                e.key = keyNamed(step.text);
                e.kind = WindowEvent::Kind::KeyDown;
                pending_.push_back(e);
                e.kind = WindowEvent::Kind::KeyUp;
                pending_.push_back(e);
                break;
            case EventStep::Kind::KeyDown:
            case EventStep::Kind::KeyUp:
                e.key = keyNamed(step.text);
                e.kind = step.kind == EventStep::Kind::KeyDown ? WindowEvent::Kind::KeyDown : WindowEvent::Kind::KeyUp;
                pending_.push_back(e);
                break;
            case EventStep::Kind::Wheel:
                e.kind = WindowEvent::Kind::Wheel;
                e.value = step.a;
                e.x = e.y = 0;
                pending_.push_back(e);
                break;
            case EventStep::Kind::Save:
            case EventStep::Kind::Load:
                e.kind = step.kind == EventStep::Kind::Save ? WindowEvent::Kind::SaveGame : WindowEvent::Kind::LoadGame;
                e.value = step.a;
                e.x = e.y = 0;
                pending_.push_back(e);
                break;
            default:
                break;
        }
    }

    HeadlessPlatform& owner_;
    std::deque<WindowEvent> pending_;
    size_t next_ = 0;
    bool holding_ = false;
    uint64_t holdUntil_ = 0;
};

class HeadlessPlatform::Window : public WindowSystem {
public:
    explicit Window(HeadlessPlatform& owner) : owner_(owner) {}
    bool create(int width, int height, const std::string& titleUtf8) override {
        owner_.windowWidth_ = width;
        owner_.windowHeight_ = height;
        owner_.windowTitle_ = titleUtf8;
        owner_.windowOpen_ = true;
        owner_.overlay_.menuBar = true;
        owner_.frame_ = FrameImage::filled(width, height, 255, 255, 255);
        owner_.frameStale_ = false;
        return true;
    }
    void setTitle(const std::string& titleUtf8) override { owner_.windowTitle_ = titleUtf8; }
    void destroy() override { owner_.windowOpen_ = false; }
    int desktopDepth() override { return owner_.options_.desktopDepth; }
    void setIcon(const RgbaPicture& picture) override { owner_.icon_ = picture; }
    void setCursor(const RgbaPicture& picture) override { owner_.cursor_ = picture; }
    void setMenuRefresh(std::function<MenuStates()> refresh) override { owner_.menuRefresh_ = std::move(refresh); }
    void setMenuBarAttached(bool attached) override {
        owner_.overlay_.menuBar = attached;
        if (!attached) owner_.overlay_.openColumn = -1;
    }
    bool menuBarAttached() const override { return owner_.overlay_.menuBar; }
    bool menuOpen() const override { return owner_.overlay_.openColumn >= 0; }
    std::optional<MenuItem> trackPopup(PointerPosition at) override { return owner_.trackPopup(at); }
    void openDocument(const std::string& path) override {
        owner_.documentsOpened_.push_back(path);
        owner_.writeTrace("open " + traceQuote(path));
    }

private:
    HeadlessPlatform& owner_;
};

class HeadlessPlatform::TraceFile : public Trace {
public:
    explicit TraceFile(HeadlessPlatform& owner) : owner_(owner) {}
    bool wants(Topic topic) const override {
        return topic == Topic::Commands ? owner_.options_.traceCommands : owner_.options_.tracePresents;
    }
    void write(const std::string& line) override { owner_.writeTrace(line); }

private:
    HeadlessPlatform& owner_;
};

// Keeps a copy of the last presented frame's pixels; the red, green, blue picture
// is made from it only when someone looks (a snapshot or a test).
class HeadlessPlatform::Display : public DisplayDevice {
public:
    explicit Display(HeadlessPlatform& owner) : owner_(owner) {}
    bool setMode(int width, int height, PixelFormat, bool) override {
        owner_.windowWidth_ = width;
        owner_.windowHeight_ = height;
        return true;
    }
    void present(const void* pixels, int pitch, int width, int height, PixelFormat format) override {
        presentRows(pixels, pitch, width, height, format, 0, height);
    }
    void presentRows(const void* pixels, int pitch, int width, int height, PixelFormat format, int top,
                     int bottom) override {
        FrameCopy& shown = owner_.presented_;
        if (shown.width != width || shown.height != height || shown.format != format) {
            shown.width = width;
            shown.height = height;
            shown.format = format;
            shown.pixels.resize(static_cast<size_t>(shown.pitch()) * static_cast<size_t>(height));
            top = 0;
            bottom = height;
        }
        const size_t rowBytes = static_cast<size_t>(shown.pitch());
        for (int y = std::max(top, 0); y < std::min(bottom, height); ++y) {
            std::memcpy(shown.pixels.data() + rowBytes * static_cast<size_t>(y),
                        static_cast<const uint8_t*>(pixels) + static_cast<ptrdiff_t>(y) * pitch, rowBytes);
        }
        owner_.frameStale_ = true;
        ++owner_.presentCount_;
        if (owner_.options_.tracePresents) owner_.writeTrace("present " + std::to_string(owner_.presentCount_));
        owner_.takeDueSnapshots();
    }
    void restoreDesktop() override {}
    PointerPosition pointer() override { return owner_.pointer_; }
    void movePointer(PointerPosition at) override {
        owner_.pointer_ = at;
        owner_.writeTrace("pointer " + std::to_string(at.x) + " " + std::to_string(at.y));
        WindowEvent move;
        move.kind = WindowEvent::Kind::MouseMove;
        move.x = at.x;
        move.y = at.y;
        owner_.events().post(move);
    }

private:
    HeadlessPlatform& owner_;
};

HeadlessPlatform::HeadlessPlatform(HeadlessOptions options)
    : options_(std::move(options)),
      messages_(std::make_unique<Messages>(*this)),
      events_(std::make_unique<Events>(*this)),
      window_(std::make_unique<Window>(*this)),
      trace_(std::make_unique<TraceFile>(*this)),
      display_(std::make_unique<Display>(*this)) {
    if (!options_.outDir.empty()) traceOut_.open(options_.outDir / "trace.txt", std::ios::trunc);
}

HeadlessPlatform::~HeadlessPlatform() = default;

MessageBoxes& HeadlessPlatform::messages() { return *messages_; }
EventSource& HeadlessPlatform::events() { return *events_; }
WindowSystem& HeadlessPlatform::window() { return *window_; }
Trace& HeadlessPlatform::trace() { return *trace_; }
DisplayDevice& HeadlessPlatform::display() { return *display_; }

std::unique_ptr<MediaPlayer> HeadlessPlatform::createMediaPlayer() {
    return makeRecordingMediaPlayer(audio_, audioTraceSink(),
                                    HeadlessVideo{files(), clock_, [this](int code) { postMediaNotify(code); }});
}

std::unique_ptr<CdAudioPlayer> HeadlessPlatform::createCdAudioPlayer(const std::string& trackDirectory) {
    return makeRecordingCdPlayer(audio_, audioTraceSink(), files(), trackDirectory);
}

AudioTraceSink HeadlessPlatform::audioTraceSink() {
    return {[this](const std::string& line) { writeTrace(line); }, options_.traceVolume};
}

void HeadlessPlatform::endAudio(int channel) {
    if (channel < 0 || channel >= MediaPlayer::kChannels || !audio_.channels[channel].playing) return;
    audio_.channels[channel].playing = false;
    postMediaNotify(mediaEndCode(channel));
}

void HeadlessPlatform::endCdTrack() {
    if (!audio_.cdPlaying) return;
    audio_.cdPlaying = false;
    audio_.cdEnded = true;
    if (audio_.cdNotify) postMediaNotify(CdAudioPlayer::kCdPlayCompleted);
}

void HeadlessPlatform::postMediaNotify(int code) {
    WindowEvent event;
    event.kind = WindowEvent::Kind::MediaNotify;
    event.value = code;
    events_->post(event);
}

const FrameImage& HeadlessPlatform::frame() const {
    if (frameStale_) {
        toRgb(presented_, frame_);
        frameStale_ = false;
    }
    return frame_;
}

void HeadlessPlatform::writeTrace(const std::string& line) {
    std::string stamped = "[";
    stamped.append(std::to_string(clock_.elapsed())).append("] ").append(line);
    traceLines_.push_back(stamped);
    if (traceOut_.is_open()) traceOut_ << stamped << std::endl;
}

void HeadlessPlatform::writeSnapshot(const std::string& name) {
    const std::string path = (options_.outDir / (name + ".png")).string();
    bool written = painter_ && overlay_.anythingOpen() ? writePng(painter_->paint(frame(), overlay_), path)
                                                       : writePng(frame(), path);
    writeTrace("snapshot " + traceQuote(name) + (written ? "" : " failed"));
}

void HeadlessPlatform::takeDueSnapshots() {
    for (auto it = timedSnapshots_.begin(); it != timedSnapshots_.end();) {
        if (it->due <= clock_.elapsed()) {
            writeSnapshot(it->name);
            it = timedSnapshots_.erase(it);
        } else {
            ++it;
        }
    }
}

void HeadlessPlatform::showBox(BoxKind kind, const std::string& caption, const std::string& text) {
    if (boxSnapshots_.empty()) return;
    overlay_.box = BoxView{kind, caption, text};
    while (!boxSnapshots_.empty()) {
        writeSnapshot(boxSnapshots_.front());
        boxSnapshots_.pop_front();
    }
    overlay_.box.reset();
}

namespace {

// A script step as a control event for the open dialog; none for steps that are not one.
std::optional<ControlEvent> controlEvent(const EventStep& step) {
    ControlEvent event;
    event.id = step.a;
    event.value = step.b;
    switch (step.kind) {
        case EventStep::Kind::Control:
            event.kind = ControlEvent::Kind::Click;
            break;
        case EventStep::Kind::DoubleClick:
            event.kind = ControlEvent::Kind::DoubleClick;
            break;
        case EventStep::Kind::Scroll:
            event.kind = ControlEvent::Kind::Scroll;
            event.id = kScrollBarControl;
            event.value = step.a;
            event.position = step.b;
            break;
        case EventStep::Kind::Slider:
            event.kind = ControlEvent::Kind::SliderRelease;
            break;
        case EventStep::Kind::Check:
            event.kind = ControlEvent::Kind::Check;
            break;
        case EventStep::Kind::Select:
            event.kind = ControlEvent::Kind::Select;
            break;
        case EventStep::Kind::Edit:
            event.kind = ControlEvent::Kind::Edit;
            event.text = step.text;
            break;
        case EventStep::Kind::Tab:
            event.kind = ControlEvent::Kind::Tab;
            event.id = 0;
            event.value = step.a - 1;
            break;
        case EventStep::Kind::Key:
            // Escape cancels the dialog; other keys do nothing in it.
            if (step.text != "ESCAPE") return std::nullopt;
            event.kind = ControlEvent::Kind::Click;
            event.id = kCancelControl;
            break;
        default:
            return std::nullopt;
    }
    return event;
}

}  // namespace

void HeadlessPlatform::runDialog(DialogForm& form) {
    const std::string name = form.view().name;
    writeTrace("dialog open " + name);
    // A dialog over a dialog (the colour chooser's owner) keeps the one below for the snapshots' sake.
    std::optional<DialogView> below = overlay_.dialog;
    while (!form.closed()) {
        overlay_.dialog = form.view();
        std::optional<EventStep> step = events_->modalStep();
        // The script has no more for the dialog (or quits): it is cancelled.
        if (!step) {
            ControlEvent cancel;
            cancel.id = kCancelControl;
            form.handle(cancel);
            break;
        }
        if (auto event = controlEvent(*step)) form.handle(*event);
    }
    overlay_.dialog = below;
    writeTrace("dialog close " + name + " -> " + form.resultText());
}

MenuStates HeadlessPlatform::refreshedMenus() const { return menuRefresh_ ? menuRefresh_() : MenuStates{}; }

std::optional<MenuItem> HeadlessPlatform::trackPopup(PointerPosition at) {
    overlay_.popupAt = at;
    overlay_.states = refreshedMenus();
    writeTrace("popup " + std::to_string(at.x) + " " + std::to_string(at.y));
    std::optional<MenuItem> chosen;
    // A menu step chooses an enabled item of the popup (a disabled one leaves it
    // open); any other input dismisses it.
    while (auto step = events_->modalStep()) {
        if (step->kind != EventStep::Kind::Menu) break;
        MenuItem item = static_cast<MenuItem>(step->a);
        if (menuPlace(item) != MenuPlace::Popup) break;
        if (overlay_.states.get(item).enabled) {
            chosen = item;
            break;
        }
    }
    overlay_.popupAt.reset();
    writeTrace(chosen ? "popup chose " + std::to_string(static_cast<int>(*chosen)) : std::string("popup closed"));
    return chosen;
}

std::optional<std::string> HeadlessPlatform::nextAnswer() {
    if (answers_.empty()) return std::nullopt;
    std::string answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace morv
