#include "SkinFramework.h"

#include "IconPictures.h"

#include "RuntimeError.h"
#include "SkinSheet.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

namespace orrinvale {

namespace {

bool validUtf8(const std::string& s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// Checks the pictures a skin names before Qt opens any of them: each a plain
// file (a FIFO or device could block the start for ever, a /proc entry has
// no end), small, not compressed (an SVG can unpack to gigabytes), of a size
// its reader can tell without decoding it, and all of them together within
// the pixel budget. Qt decodes a picture once for each rule and state that
// names it, so each naming counts; on a screen of a higher scale it opens
// the picture's twin "name@2x.png" (up to @9x) instead, so a twin beside a
// picture is checked and counted as well. An icon counts every picture in
// it by the picture's own header. Relative names are found beside the skin.
class PictureCheck {
public:
    PictureCheck(std::filesystem::path folder, const PictureSizer& sizer) : folder_(std::move(folder)), sizer_(sizer) {}

    std::string operator()(const std::string& url)
    {
        std::filesystem::path path(url);
        if (path.is_relative())
            path = folder_ / path;
        path = path.lexically_normal();
        count(path, url);
        for (int scale = 2; scale <= 9; ++scale) {
            std::filesystem::path twin = path;
            twin.replace_filename(path.stem().string() + "@" + std::to_string(scale) + "x" + path.extension().string());
            std::error_code ec;
            if (std::filesystem::exists(std::filesystem::symlink_status(twin, ec)))
                count(twin, url + "'s twin " + twin.filename().string());
        }
        return path.string();
    }

private:
    // Each naming of a picture counts against the budget; each file is
    // looked at once.
    void count(const std::filesystem::path& path, const std::string& url)
    {
        const std::string picture = "the picture " + url;
        auto known = pixelsOf_.find(path.string());
        if (known == pixelsOf_.end())
            known = pixelsOf_.emplace(path.string(), measure(path, picture)).first;
        if (known->second > skin::kMaxPixels - pixels_)
            throw RuntimeError(picture + " has more pixels than a skin may hold (" +
                               std::to_string(skin::kMaxPixels) + " in all)");
        pixels_ += known->second;
    }

    // The pixels Qt would decode of the file (more than the budget where
    // they would not fit in it at all).
    long long measure(const std::filesystem::path& path, const std::string& picture) const
    {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec))
            throw RuntimeError(picture + " is not a plain file");
        const auto bytes = std::filesystem::file_size(path, ec);
        if (ec || bytes == 0)
            throw RuntimeError(picture + " is empty");
        if (bytes > skin::kMaxPictureBytes)
            throw RuntimeError(picture + " is larger than 4 MiB");
        std::vector<unsigned char> head(static_cast<std::size_t>(bytes));
        std::ifstream(path, std::ios::binary)
            .read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
        if (head.size() > 1 && head[0] == 0x1F && head[1] == 0x8B)
            throw RuntimeError(picture + " is compressed");
        const auto area = [](long long width, long long height) {
            return width > skin::kMaxPixels || height > skin::kMaxPixels ? skin::kMaxPixels + 1 : width * height;
        };
        if (looksLikeIconFile(head.data(), head.size(), 1) || looksLikeIconFile(head.data(), head.size(), 2)) {
            const auto pictures = iconPictures(head.data(), head.size());
            if (!pictures)
                throw RuntimeError(picture + " is no picture whose size can be read");
            long long pixels = 0;
            for (const IconPicture& inside : *pictures)
                pixels = std::min(pixels + area(inside.width, inside.height), skin::kMaxPixels + 1);
            return pixels;
        }
        const std::optional<PictureSize> size = sizer_ ? sizer_(path.string()) : std::nullopt;
        if (!size || size->width <= 0 || size->height <= 0)
            throw RuntimeError(picture + " is no picture whose size can be read");
        return area(size->width, size->height);
    }

    std::filesystem::path folder_;
    const PictureSizer& sizer_;
    std::map<std::string, long long> pixelsOf_;
    long long pixels_ = 0;
};

} // namespace

std::string readSkinFile(const std::string& path)
{
    const std::string prefix = "The skin file " + path + " cannot be read: ";
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw RuntimeError(prefix + "it is not a plain file");
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        throw RuntimeError(prefix + ec.message());
    if (size > skin::kMaxFileBytes)
        throw RuntimeError(prefix + "it is larger than 1 MiB");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw RuntimeError(prefix + std::strerror(errno));
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        throw RuntimeError(prefix + "it is empty");
    if (!validUtf8(text) || text.find('\0') != std::string::npos)
        throw RuntimeError(prefix + "it is not UTF-8 text");
    return text;
}

void SkinFramework::load(const std::string& path)
{
    // A load that fails leaves no skin loaded.
    styleSheet_.clear();
    loaded_ = false;
    const std::string text = readSkinFile(path);
    try {
        styleSheet_ = checkedSkinSheet(
            text, PictureCheck(std::filesystem::absolute(std::filesystem::path(path)).parent_path(), sizer_));
        if (verdict_ && !verdict_(styleSheet_)) {
            styleSheet_.clear();
            throw RuntimeError("it is no style sheet Qt can read");
        }
    } catch (const RuntimeError& e) {
        throw RuntimeError("The skin file " + path + " cannot be used: " + e.what());
    }
    loaded_ = true;
}

void SkinFramework::applyTo(std::int64_t windowHandle)
{
    if (!loaded_)
        throw RuntimeError("No skin has been loaded");
    applier_(windowHandle, styleSheet_);
}

} // namespace orrinvale
