#include "SkinFramework.h"

#include "RuntimeError.h"
#include "SkinSheet.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace orrinvale {

namespace {

const char* kNotSupported = "Object doesn't support this property or method";

template <class T>
T argument(const std::vector<DispValue>& args, std::size_t k)
{
    if (k >= args.size() || !std::holds_alternative<T>(args[k]))
        throw RuntimeError("Type mismatch");
    return std::get<T>(args[k]);
}

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
        styleSheet_ = checkedSkinSheet(text);
    } catch (const RuntimeError& e) {
        throw RuntimeError("The skin file " + path + " cannot be used: " + e.what());
    }
    loaded_ = true;
}

DispValue SkinFramework::invoke(int dispId, CallKind kind, const std::vector<DispValue>& args)
{
    switch (dispId) {
    case skin::kLoadSkin:
        if (kind != CallKind::Method)
            break;
        load(argument<std::string>(args, 0));
        return true;
    case skin::kFlags:
        if (kind == CallKind::PropertyGet)
            return flags_;
        if (kind == CallKind::PropertyPut) {
            flags_ = argument<std::int32_t>(args, 0);
            return {};
        }
        break;
    case skin::kOption5:
    case skin::kOption10:
        if (kind != CallKind::PropertyPut)
            break;
        (dispId == skin::kOption5 ? option5_ : option10_) = argument<bool>(args, 0);
        return {};
    case skin::kApplyWindow:
        if (kind != CallKind::Method)
            break;
        if (!loaded_)
            throw RuntimeError("No skin has been loaded");
        applier_(argument<std::int32_t>(args, 0), styleSheet_);
        return true;
    default:
        break;
    }
    throw RuntimeError(kNotSupported);
}

} // namespace orrinvale
