// Fuzz input written to a file of its own, for readers that take a path.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace orrinvale::fuzzing {

inline std::filesystem::path scratchFolder()
{
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() / ("orrinvale-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

inline void writeFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        std::abort();
    if (size)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
}

} // namespace orrinvale::fuzzing
