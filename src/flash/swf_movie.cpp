// A whole Flash movie read into memory: its characters and its timelines.
#include "flash/swf_movie.h"

#include <algorithm>
#include <string>

#include "flash/swf_limits.h"
#include "flash/swf_reader.h"

namespace morv::swf {

namespace {

enum TagCode : uint16_t {
    kEnd = 0,
    kShowFrame = 1,
    kDefineShape = 2,
    kPlaceObject = 4,
    kRemoveObject = 5,
    kDefineBits = 6,
    kJpegTables = 8,
    kSetBackgroundColor = 9,
    kDoAction = 12,
    kDefineBitsLossless = 20,
    kDefineBitsJpeg2 = 21,
    kDefineShape2 = 22,
    kPlaceObject2 = 26,
    kRemoveObject2 = 28,
    kDefineShape3 = 32,
    kDefineBitsJpeg3 = 35,
    kDefineBitsLossless2 = 36,
    kDefineSprite = 39,
    kPlaceObject3 = 70,
    kDefineShape4 = 83,
};

struct Tag {
    uint16_t code;
    std::string_view body;
};

Tag readTag(Reader& reader) {
    const uint16_t codeAndLength = reader.u16();
    uint32_t length = codeAndLength & 0x3f;
    if (length == 0x3f) length = reader.u32();
    if (length > reader.remaining()) throw FormatError("tag longer than the file");
    return {static_cast<uint16_t>(codeAndLength >> 6), reader.bytes(length)};
}

// PlaceObject2 and PlaceObject3 share their fields after the flags.
DisplayChange readPlace(Reader& reader, bool version3) {
    const uint8_t flags = reader.u8();
    const uint8_t flags2 = version3 ? reader.u8() : 0;
    DisplayChange change;
    change.depth = reader.u16();
    const bool hasCharacter = flags & 0x02;
    const bool move = flags & 0x01;
    change.kind = move ? (hasCharacter ? DisplayChange::Replace : DisplayChange::Modify) : DisplayChange::Place;
    if (version3 && ((flags2 & 0x08) || ((flags2 & 0x10) && hasCharacter))) reader.string();  // class name
    if (hasCharacter) change.characterId = reader.u16();
    if (flags & 0x04) change.matrix = reader.matrix();
    if (flags & 0x08) change.colorTransform = reader.colorTransform(true);
    if (flags & 0x10) reader.u16();  // morph ratio
    if (flags & 0x20) reader.string();  // instance name
    if (flags & 0x40) change.clipDepth = reader.u16();
    // Filters, blend modes and clip actions are not drawn.
    return change;
}

// True when the action list holds a stop action.
bool actionsStop(std::string_view body) {
    Reader reader(body);
    while (!reader.atEnd()) {
        const uint8_t code = reader.u8();
        if (code == 0x00) return false;
        if (code == 0x07) return true;
        if (code >= 0x80) reader.skip(reader.u16());
    }
    return false;
}

class MovieReader {
public:
    explicit MovieReader(Movie& movie) : movie_(movie) {}

    // Reads the tags of the main timeline (mainTimeline) or of a sprite. Definition
    // tags count only on the main timeline.
    void readTimeline(std::string_view tags, Timeline& timeline, bool mainTimeline) {
        Reader reader(tags);
        std::vector<DisplayChange> pending;
        while (!reader.atEnd()) {
            const Tag tag = readTag(reader);
            if (tag.code == kEnd) break;
            Reader body(tag.body);
            switch (tag.code) {
                case kShowFrame:
                    // Frames past the limit are dropped; the movie ends at the limit.
                    if (static_cast<int>(timeline.frames.size()) >= kMaxFrames) return;
                    timeline.frames.push_back(std::move(pending));
                    pending.clear();
                    break;
                case kPlaceObject: {
                    DisplayChange change;
                    change.characterId = body.u16();
                    change.depth = body.u16();
                    change.matrix = body.matrix();
                    if (!body.atEnd()) change.colorTransform = body.colorTransform(false);
                    pending.push_back(change);
                    break;
                }
                case kPlaceObject2:
                case kPlaceObject3:
                    pending.push_back(readPlace(body, tag.code == kPlaceObject3));
                    break;
                case kRemoveObject:
                case kRemoveObject2: {
                    DisplayChange change;
                    change.kind = DisplayChange::Remove;
                    if (tag.code == kRemoveObject) body.u16();
                    change.depth = body.u16();
                    pending.push_back(change);
                    break;
                }
                case kDoAction:
                    if (mainTimeline && !movie_.stopFrame && actionsStop(tag.body))
                        movie_.stopFrame = static_cast<int>(timeline.frames.size());
                    break;
                default:
                    if (mainTimeline) readDefinition(tag, body);
                    break;
            }
        }
    }

private:
    void readDefinition(const Tag& tag, Reader& body) {
        switch (tag.code) {
            case kSetBackgroundColor:
                movie_.background = body.rgb();
                break;
            case kDefineShape:
            case kDefineShape2:
            case kDefineShape3:
            case kDefineShape4: {
                const int version = tag.code == kDefineShape ? 1 : tag.code == kDefineShape2 ? 2 : tag.code == kDefineShape3 ? 3 : 4;
                const uint16_t id = body.u16();
                define(id, readShape(body, version, edgeBudget_));
                break;
            }
            case kJpegTables:
                jpegTables_.assign(tag.body);
                break;
            case kDefineBits: {
                const uint16_t id = body.u16();
                defineBitmap(id, decodeJpeg(body.bytes(body.remaining()), jpegTables_, {}));
                break;
            }
            case kDefineBitsJpeg2:
            case kDefineBitsJpeg3: {
                const uint16_t id = body.u16();
                std::string_view alpha;
                uint32_t jpegSize = static_cast<uint32_t>(body.remaining());
                if (tag.code == kDefineBitsJpeg3) jpegSize = body.u32();
                const std::string_view jpeg = body.bytes(jpegSize);
                if (tag.code == kDefineBitsJpeg3) alpha = body.bytes(body.remaining());
                defineBitmap(id, decodeJpeg(jpeg, jpegTables_, alpha));
                break;
            }
            case kDefineBitsLossless:
            case kDefineBitsLossless2: {
                const uint16_t id = body.u16();
                defineBitmap(id, decodeLossless(body.bytes(body.remaining()), tag.code == kDefineBitsLossless ? 1 : 2));
                break;
            }
            case kDefineSprite: {
                const uint16_t id = body.u16();
                body.u16();  // frame count: the frames are counted as they are read
                Sprite sprite;
                readTimeline(body.bytes(body.remaining()), sprite.timeline, false);
                define(id, std::move(sprite));
                break;
            }
            default:
                break;  // sounds, fonts, text, scripts and the rest are not played
        }
    }

    // A bitmap that cannot be decoded is left out; shapes filled with it draw nothing there.
    void defineBitmap(uint16_t id, std::optional<Bitmap> bitmap) {
        if (!bitmap) return;
        bitmapPixels_ += static_cast<long long>(bitmap->width) * bitmap->height;
        if (bitmapPixels_ > kMaxAllBitmapPixels) throw FormatError("bitmaps too big");
        define(id, std::move(*bitmap));
    }

    // The first definition of an id stands.
    void define(uint16_t id, Character character) { movie_.characters.try_emplace(id, std::move(character)); }

    Movie& movie_;
    std::string jpegTables_;
    long long edgeBudget_ = kMaxEdges;
    long long bitmapPixels_ = 0;
};

}  // namespace

int Movie::lastFrame() const {
    int frames = std::min<int>(header.frameCount, static_cast<int>(timeline.frames.size()));
    if (stopFrame) frames = std::min(frames, *stopFrame + 1);
    return frames - 1;
}

const Character* Movie::character(uint16_t id) const {
    auto found = characters.find(id);
    return found == characters.end() ? nullptr : &found->second;
}

std::unique_ptr<Movie> readMovie(std::string_view bytes) {
    auto file = readMovieFile(bytes);
    if (!file) return nullptr;
    auto movie = std::make_unique<Movie>();
    movie->header = file->header;
    try {
        MovieReader(*movie).readTimeline(file->tags, movie->timeline, true);
    } catch (const FormatError&) {
        return nullptr;
    }
    if (movie->lastFrame() < 0) return nullptr;
    return movie;
}

}  // namespace morv::swf
