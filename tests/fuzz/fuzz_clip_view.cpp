// The reader of the clips' container headers: any bytes give a view FFmpeg
// may read, or a refusal, in bounded time and memory. The view is read
// whole in odd-sized pieces: no piece reads past what it asked for, and
// together they give exactly the view's size, as far as the file holds it.
#include "ContainerHeaders.h"
#include "FuzzFile.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto path = orrinvale::fuzzing::scratchFolder() / "clip";
    orrinvale::fuzzing::writeFile(path, data, size);
    orrinvale::ClipFile file(path.string());
    const std::optional<orrinvale::ClipView> view = orrinvale::viewOfClip(file);
    if (!view)
        return 0;
    std::int64_t position = 0;
    for (std::size_t piece = 1;; piece = piece * 3 % 4099 + 1) {
        // A copy of exactly `piece` bytes, so that a write past it is caught.
        std::vector<char> into(piece);
        const std::size_t got = view->read(file, position, into.data(), piece);
        if (got > piece)
            std::abort();
        position += static_cast<std::int64_t>(got);
        if (got < piece)
            break;
    }
    // Only the view's own bytes come out, never more.
    if (position > view->size())
        std::abort();
    return 0;
}
