// The stream a saved game and the small stores are written to and read from.
#pragma once
#include "bytes/byte_stream.h"

namespace morv {

// The bytes of a save file or of one of the installation's small stores, written
// and read as little-endian fields.
class SaveStream : public ByteStream {
public:
    using ByteStream::ByteStream;
};

}  // namespace morv
