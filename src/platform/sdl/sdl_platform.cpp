// The real program's platform on SDL2.
#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#include <cstdio>

#include "platform/mixer/mixer_movie_sound.h"
#include "platform/mixer/sdl_cd_audio.h"
#include "platform/mixer/sdl_mixer_device.h"
#include "platform/mixer/sdl_mixer_player.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_events.h"
#include "platform/sdl/sdl_message_boxes.h"
#include "platform/sdl/sdl_window.h"

namespace morv {

SdlPlatform::SdlPlatform() {
    // A signal ends the program as usual; only the close box asks first.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "morv: cannot start SDL video: %s\n", SDL_GetError());
        return;
    }
    ready_ = true;
    window_ = std::make_unique<SdlWindow>();
    display_ = std::make_unique<SdlDisplay>(*window_);
    window_->setDisplay(*display_);
    events_ = std::make_unique<SdlEvents>(*display_, *window_);
    const uint32_t mediaEvent = SDL_RegisterEvents(1);
    events_->setMediaEventType(mediaEvent);
    // Called on the audio thread: SDL's queue is the one thread-safe way to the main loop.
    audio_ = std::make_unique<SdlMixerDevice>([mediaEvent](int code) {
        if (mediaEvent == static_cast<uint32_t>(-1)) return;
        SDL_Event event{};
        event.type = mediaEvent;
        event.user.code = code;
        SDL_PushEvent(&event);
    });
    movieSound_ = std::make_unique<MixerMovieSound>(*audio_);
    messages_ = std::make_unique<SdlMessageBoxes>(*window_, *display_);
}

SdlPlatform::~SdlPlatform() {
    movieSound_.reset();
    audio_.reset();
    messages_.reset();
    events_.reset();
    display_.reset();
    window_.reset();
    if (ready_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
}

MessageBoxes& SdlPlatform::messages() { return *messages_; }
EventSource& SdlPlatform::events() { return *events_; }
WindowSystem& SdlPlatform::window() { return *window_; }
DisplayDevice& SdlPlatform::display() { return *display_; }

std::unique_ptr<MediaPlayer> SdlPlatform::createMediaPlayer() {
    return std::make_unique<SdlMixerPlayer>(*audio_, files(), clock_, movieSound_.get());
}

std::unique_ptr<CdAudioPlayer> SdlPlatform::createCdAudioPlayer(const std::string& trackDirectory) {
    return std::make_unique<SdlCdAudio>(*audio_, files(), trackDirectory);
}

}  // namespace morv
