// A movie file read with FFmpeg: its pictures in order, and its sound for the mixer.
#include "platform/video/movie_stream.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <chrono>
#include <optional>
#include <vector>

namespace morv {

namespace {

using SteadyClock = std::chrono::steady_clock;

// How long FFmpeg may take to open a file, and to read one packet, before it is
// interrupted: a file that makes it wait never holds the game.
constexpr auto kOpenTimeout = std::chrono::seconds(5);
constexpr auto kReadTimeout = std::chrono::seconds(2);
// Bytes and time FFmpeg may look into the file to find its streams.
constexpr int64_t kProbeBytes = 8 << 20;
constexpr int64_t kAnalyzeMicroseconds = 5'000'000;
// A picture whose time has none, or jumps far ahead, follows the last one at most this late.
constexpr int64_t kDefaultGapMs = 40;
constexpr int64_t kMaxGapMs = 5000;
// A stream that yields no picture after this many packets, or fails to decode
// this many in a row, has gone bad and ends the movie.
constexpr int kMaxPacketsPerPicture = 20000;
constexpr int kMaxFailedPackets = 200;

struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct CodecFree {
    void operator()(AVCodecContext* codec) const { avcodec_free_context(&codec); }
};
struct FormatClose {
    void operator()(AVFormatContext* format) const { avformat_close_input(&format); }
};
struct ResamplerFree {
    void operator()(SwrContext* swr) const { swr_free(&swr); }
};

// The time of `pts` in ms after `start` in the time base, or none when it has none or is absurd.
std::optional<int64_t> millisecondsOf(int64_t pts, int64_t start, AVRational base) {
    if (pts == AV_NOPTS_VALUE || base.num <= 0 || base.den <= 0) return std::nullopt;
    int64_t offset = 0;
    if (__builtin_sub_overflow(pts, start == AV_NOPTS_VALUE ? 0 : start, &offset)) return std::nullopt;
    return av_rescale_q(offset, base, AVRational{1, 1000});
}

std::unique_ptr<AVCodecContext, CodecFree> openDecoder(const AVStream& stream) {
    const AVCodec* codec = avcodec_find_decoder(stream.codecpar->codec_id);
    if (!codec) return nullptr;
    std::unique_ptr<AVCodecContext, CodecFree> context(avcodec_alloc_context3(codec));
    if (!context || avcodec_parameters_to_context(context.get(), stream.codecpar) < 0) return nullptr;
    // One thread: the same pictures on every run, and nothing left running behind a close.
    context->thread_count = 1;
    if (avcodec_open2(context.get(), codec, nullptr) < 0) return nullptr;
    return context;
}

}  // namespace

MoviePicture::MoviePicture() : frame_(av_frame_alloc()) {}
MoviePicture::~MoviePicture() { av_frame_free(&frame_); }
MoviePicture::MoviePicture(MoviePicture&& other) noexcept : timeMs(other.timeMs), frame_(other.frame_) {
    other.frame_ = av_frame_alloc();
}
MoviePicture& MoviePicture::operator=(MoviePicture&& other) noexcept {
    std::swap(frame_, other.frame_);
    timeMs = other.timeMs;
    av_frame_unref(other.frame_);
    return *this;
}
bool MoviePicture::empty() const { return !frame_ || !frame_->data[0]; }

struct MovieStream::Impl {
    std::unique_ptr<AVFormatContext, FormatClose> format;
    std::unique_ptr<AVCodecContext, CodecFree> video;
    std::unique_ptr<AVCodecContext, CodecFree> sound;
    std::unique_ptr<SwrContext, ResamplerFree> resampler;
    std::unique_ptr<AVPacket, PacketFree> packet{av_packet_alloc()};
    std::unique_ptr<AVFrame, FrameFree> soundFrame{av_frame_alloc()};
    std::vector<int16_t> samples;
    SoundSink sink;
    int videoIndex = -1;
    int soundIndex = -1;
    bool endOfFile = false;
    std::optional<int64_t> lastPictureMs;
    // The latest time the first picture (after the start or a seek) may have.
    int64_t firstPictureLatestMs = kMaxGapMs;
    int64_t soundFromMs = 0;
    SteadyClock::time_point deadline = SteadyClock::now() + kOpenTimeout;

    static int interrupted(void* opaque) {
        return SteadyClock::now() > static_cast<Impl*>(opaque)->deadline ? 1 : 0;
    }

    const AVStream& stream(int index) const { return *format->streams[index]; }

    bool openFile(const std::filesystem::path& file) {
        AVFormatContext* context = avformat_alloc_context();
        if (!context || !packet || !soundFrame) {
            avformat_free_context(context);
            return false;
        }
        context->interrupt_callback = {&Impl::interrupted, this};
        context->probesize = kProbeBytes;
        context->max_analyze_duration = kAnalyzeMicroseconds;
        // On failure FFmpeg frees the context itself.
        if (avformat_open_input(&context, file.c_str(), nullptr, nullptr) < 0) return false;
        format.reset(context);
        if (avformat_find_stream_info(context, nullptr) < 0) return false;
        videoIndex = av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        if (videoIndex < 0) return false;
        const AVCodecParameters& picture = *stream(videoIndex).codecpar;
        if (picture.width <= 0 || picture.height <= 0 || picture.width > kMaxSide || picture.height > kMaxSide)
            return false;
        video = openDecoder(stream(videoIndex));
        if (!video) return false;
        if (sink) openSound();
        for (unsigned i = 0; i < context->nb_streams; ++i) {
            if (static_cast<int>(i) != videoIndex && static_cast<int>(i) != soundIndex)
                context->streams[i]->discard = AVDISCARD_ALL;
        }
        return true;
    }

    // A sound stream that cannot be decoded leaves the movie silent.
    void openSound() {
        const int index = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, videoIndex, nullptr, 0);
        if (index < 0) return;
        auto decoder = openDecoder(stream(index));
        if (!decoder || decoder->sample_rate <= 0 || decoder->ch_layout.nb_channels <= 0) return;
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        SwrContext* swr = nullptr;
        if (swr_alloc_set_opts2(&swr, &stereo, AV_SAMPLE_FMT_S16, kSoundRate, &decoder->ch_layout,
                                decoder->sample_fmt, decoder->sample_rate, 0, nullptr) < 0 ||
            swr_init(swr) < 0) {
            swr_free(&swr);
            return;
        }
        resampler.reset(swr);
        sound = std::move(decoder);
        soundIndex = index;
    }

    bool nextPicture(MoviePicture& picture) {
        int failed = 0;
        for (int packets = 0; packets < kMaxPacketsPerPicture; ++packets) {
            av_frame_unref(picture.frame());
            const int received = avcodec_receive_frame(video.get(), picture.frame());
            if (received == 0) return acceptPicture(picture);
            if (received != AVERROR(EAGAIN) || endOfFile) return false;
            deadline = SteadyClock::now() + kReadTimeout;
            if (av_read_frame(format.get(), packet.get()) < 0) {
                // The end of the file, or a read that failed: what the decoders hold comes out.
                endOfFile = true;
                avcodec_send_packet(video.get(), nullptr);
                if (sound) decodeSound(nullptr);
                continue;
            }
            if (packet->stream_index == videoIndex) {
                failed = avcodec_send_packet(video.get(), packet.get()) < 0 ? failed + 1 : 0;
            } else if (packet->stream_index == soundIndex) {
                decodeSound(packet.get());
            }
            av_packet_unref(packet.get());
            if (failed > kMaxFailedPackets) return false;
        }
        return false;
    }

    bool acceptPicture(MoviePicture& picture) {
        AVFrame& frame = *picture.frame();
        if (frame.width <= 0 || frame.height <= 0 || frame.width > kMaxSide || frame.height > kMaxSide) return false;
        const AVStream& source = stream(videoIndex);
        std::optional<int64_t> ms = millisecondsOf(frame.best_effort_timestamp, source.start_time, source.time_base);
        const int64_t last = lastPictureMs.value_or(0);
        const int64_t earliest = lastPictureMs ? last : 0;
        const int64_t latest = lastPictureMs ? last + kMaxGapMs : firstPictureLatestMs;
        int64_t time = ms.value_or(lastPictureMs ? last + kDefaultGapMs : 0);
        time = std::clamp(time, earliest, latest);
        picture.timeMs = time;
        lastPictureMs = time;
        return true;
    }

    // Decodes one sound packet (none: what the decoder still holds) and hands its samples on.
    void decodeSound(const AVPacket* soundPacket) {
        if (avcodec_send_packet(sound.get(), soundPacket) < 0) return;
        while (avcodec_receive_frame(sound.get(), soundFrame.get()) == 0) {
            AVFrame& frame = *soundFrame;
            const AVStream& source = stream(soundIndex);
            const auto ms = millisecondsOf(frame.best_effort_timestamp, source.start_time, source.time_base);
            const int64_t endMs = ms.value_or(soundFromMs) + int64_t{frame.nb_samples} * 1000 /
                                                                 std::max(frame.sample_rate, 1);
            if (endMs >= soundFromMs && frame.nb_samples > 0) resample(frame);
            av_frame_unref(soundFrame.get());
        }
    }

    void resample(const AVFrame& frame) {
        const int capacity = swr_get_out_samples(resampler.get(), frame.nb_samples);
        if (capacity <= 0) return;
        samples.resize(static_cast<size_t>(capacity) * kSoundChannels);
        uint8_t* out[] = {reinterpret_cast<uint8_t*>(samples.data())};
        const int converted = swr_convert(resampler.get(), out, capacity,
                                          const_cast<const uint8_t**>(frame.extended_data), frame.nb_samples);
        if (converted > 0) sink(samples.data(), converted);
    }

    bool seek(int64_t ms) {
        const AVStream& source = stream(videoIndex);
        const int64_t start = source.start_time == AV_NOPTS_VALUE ? 0 : source.start_time;
        const int64_t target = av_rescale_q(std::max<int64_t>(ms, 0), AVRational{1, 1000}, source.time_base) + start;
        deadline = SteadyClock::now() + kReadTimeout;
        if (av_seek_frame(format.get(), videoIndex, target, AVSEEK_FLAG_BACKWARD) < 0) return false;
        avcodec_flush_buffers(video.get());
        if (sound) {
            avcodec_flush_buffers(sound.get());
            swr_init(resampler.get());
        }
        endOfFile = false;
        lastPictureMs.reset();
        firstPictureLatestMs = std::max<int64_t>(ms, 0) + kMaxGapMs;
        soundFromMs = ms;
        return true;
    }
};

MovieStream::MovieStream(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
MovieStream::~MovieStream() = default;

std::unique_ptr<MovieStream> MovieStream::open(const std::filesystem::path& file, SoundSink sink) {
    av_log_set_level(AV_LOG_QUIET);
    auto impl = std::make_unique<Impl>();
    impl->sink = std::move(sink);
    if (!impl->openFile(file)) return nullptr;
    return std::unique_ptr<MovieStream>(new MovieStream(std::move(impl)));
}

int MovieStream::width() const { return impl_->video->width; }
int MovieStream::height() const { return impl_->video->height; }
bool MovieStream::hasSound() const { return impl_->sound != nullptr; }
bool MovieStream::nextPicture(MoviePicture& picture) { return impl_->nextPicture(picture); }
bool MovieStream::seek(int64_t ms) { return impl_->seek(ms); }
void MovieStream::dropSoundBefore(int64_t ms) { impl_->soundFromMs = ms; }

}  // namespace morv
