#include "MemoryCap.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>

namespace orrinvale {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// Room beyond the decoder's size at start: the largest clip's samples as
// they grow and again in its record, the libraries' probe buffer and their
// working memory (measured: 32 MiB for a clip of the largest length).
constexpr std::uint64_t kRoomBytes = 128ull * 1024 * 1024;

// The address space in use now, from /proc; 0 when it cannot be read.
std::uint64_t addressSpaceNow()
{
    std::ifstream statm("/proc/self/statm");
    std::uint64_t pages = 0;
    statm >> pages;
    return pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

} // namespace

void capDecoderMemory()
{
    const std::uint64_t now = addressSpaceNow();
    if (kAddressSanitizer || now == 0)
        return;
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0)
        return;
    // Never raises a cap the decoder was started with.
    if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur > now + kRoomBytes) {
        limit.rlim_cur = now + kRoomBytes;
        setrlimit(RLIMIT_AS, &limit);
    }
}

} // namespace orrinvale
