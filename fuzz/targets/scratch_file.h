#pragma once
// Game files of the fuzz targets, written into the current directory.
#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <string_view>

namespace morv::fuzz {

// Plain system calls: a stream's buffer per input would cost more than the write.
inline void writeScratchFile(const std::string& name, std::string_view bytes) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return;
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
}

}  // namespace morv::fuzz
