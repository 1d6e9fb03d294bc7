// The cursor file reader: any bytes give a hot spot inside the image, or a
// RuntimeError, and nothing is read past the end.
#include "CursorFile.h"
#include "RuntimeError.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A copy of exactly `size` bytes, so that any read past it is caught.
    const std::vector<unsigned char> bytes(data, data + size);
    try {
        const orrinvale::HotSpot hot = orrinvale::parseCursorHotSpot(bytes.data(), bytes.size());
        if (hot.x < 0 || hot.y < 0 || hot.x > 255 || hot.y > 255)
            std::abort();
    } catch (const orrinvale::RuntimeError&) {
    }
    return 0;
}
