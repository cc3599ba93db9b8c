// A Flash body's claimed size is a limit the decoder fills, never an allocation made up front.
#include <gtest/gtest.h>

#include <atomic>

#include "flash/swf_file.h"
#include "flash/swf_movie.h"
#include "support/archive_builder.h"
#include "support/swf_builder.h"

#ifdef __SANITIZE_ADDRESS__
// The sanitizer runtime's hook on every allocation (GCC ships no header for it).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onAllocate)(const volatile void*, size_t),
                                                         void (*onFree)(const volatile void*));
#endif

namespace morv {
namespace {

#ifdef __SANITIZE_ADDRESS__
std::atomic<size_t> largestAllocation{0};

void noteAllocation(const volatile void*, size_t size) {
    size_t largest = largestAllocation.load();
    while (size > largest && !largestAllocation.compare_exchange_weak(largest, size)) {
    }
}
void noteFree(const volatile void*) {}

// The largest single allocation `body` makes (the sanitizer's allocator reports each one).
template <typename Body>
size_t largestAllocationOf(Body body) {
    static const bool installed = __sanitizer_install_malloc_and_free_hooks(noteAllocation, noteFree) != 0;
    EXPECT_TRUE(installed);
    largestAllocation = 0;
    body();
    return largestAllocation.load();
}
#endif

std::string withClaimedLength(std::string file, uint32_t length) {
    for (int i = 0; i < 4; ++i) file[4 + static_cast<size_t>(i)] = static_cast<char>(length >> (8 * i));
    return file;
}

TEST(FlashBodies, InflatedDataGrowsToItsExactSize) {
    const std::string zeros(300000, '\0');
    const std::string packed = testing::deflate(zeros);
    EXPECT_EQ(swf::inflateExactly(packed, zeros.size()), zeros) << "larger than the first piece of output";
    EXPECT_EQ(swf::inflateExactly(packed, 1000), std::string(1000, '\0')) << "the claim stops the output";
    EXPECT_FALSE(swf::inflateExactly(packed, zeros.size() + 1)) << "a body shorter than its claim";
    EXPECT_EQ(swf::inflateExactly("", 0), "");
}

TEST(FlashBodies, AFewBytesClaimingSixtyMebibytesAllocateLittle) {
#ifndef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "allocations are watched through the address sanitizer";
#else
    testing::SwfWriter swf(32, 32, 12);
    swf.showFrame();
    for (char compression : {'C', 'Z'}) {
        SCOPED_TRACE(compression);
        const std::string file = withClaimedLength(swf.file(compression), 60u << 20);
        const size_t largest = largestAllocationOf([&] { EXPECT_EQ(swf::readMovie(file), nullptr); });
        // The LZMA decoder's dictionary (8 MiB here) is its own; the body is not made up front.
        EXPECT_LT(largest, size_t{16} << 20);
    }
    const std::string packed = testing::deflate("short");
    EXPECT_LT(largestAllocationOf([&] { EXPECT_FALSE(swf::inflateExactly(packed, 60u << 20)); }), size_t{1} << 20);
#endif
}

}  // namespace
}  // namespace morv
