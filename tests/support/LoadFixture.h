// The window's load with fakes for its outside services, and cursor files
// made to measure: shared by the tests of the load, the skin and the cursor.
#pragma once

#include "Fakes.h"
#include "SkinFramework.h"
#include "WindowLoad.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orrinvale::testing {

// Keeps what the load asks of the skin engine: "load PATH", "apply HANDLE".
class FakeSkinEngine : public SkinEngine {
public:
    void load(const std::string& path) override { call("load " + path); }
    void applyTo(std::int64_t handle) override { call("apply " + std::to_string(handle)); }
    std::vector<std::string> calls;
    std::string failOn;  // the call's first word

private:
    void call(const std::string& what)
    {
        calls.push_back(what);
        if (what.rfind(failOn + ' ', 0) == 0)
            throw RuntimeError("The skin engine refused the call");
    }
};

struct Load : BoardFixture {
    FakeWindow window;
    FakeSkinEngine engine;
    FixedRandom random;
    RecordingLauncher launcher;
    StartUp startUp{board, window, engine, random, launcher, [] { return 100.0; }, "https://orrinvale.example/"};
    Load()
    {
        app.title.clear();
        folder.write(files::kStateTable, shippedStateTable());
    }
    void run() { loadWindow(startUp); }
};

// A 32 x 32 cursor file: header, one entry with the hot spot, a bitmap.
inline void put16(std::string& f, int v)
{
    f += static_cast<char>(v & 0xFF);
    f += static_cast<char>((v >> 8) & 0xFF);
}
inline void put32(std::string& f, std::uint32_t v)
{
    put16(f, static_cast<int>(v & 0xFFFF));
    put16(f, static_cast<int>(v >> 16));
}

// The start of a bitmap's header (little-endian), or of a PNG's (big-endian).
inline std::string bitmapPicture(std::uint32_t width, std::uint32_t height)
{
    std::string p;
    put32(p, 40);
    put32(p, width);
    put32(p, 2 * height);  // colour and mask rows
    return p + std::string(28, '\0');
}
inline std::string pngPicture(std::uint32_t width, std::uint32_t height)
{
    std::string p("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
    for (const std::uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            p += static_cast<char>((v >> shift) & 0xFF);
    return p + std::string(8, '\0');
}

// A cursor file whose directory lists the pictures (32 x 32 each, by the
// directory), the first with the given hot spot.
inline std::string cursorFile(int hotX, int hotY, const std::vector<std::string>& pictures = {bitmapPicture(32, 32)})
{
    std::string f;
    put16(f, 0); put16(f, 2); put16(f, static_cast<int>(pictures.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(pictures.size());
    for (const std::string& picture : pictures) {
        f += static_cast<char>(32); f += static_cast<char>(32); f += '\0'; f += '\0';
        put16(f, hotX); put16(f, hotY);
        put32(f, static_cast<std::uint32_t>(picture.size())); put32(f, offset);
        offset += static_cast<std::uint32_t>(picture.size());
    }
    for (const std::string& picture : pictures)
        f += picture;
    return f;
}

} // namespace orrinvale::testing
