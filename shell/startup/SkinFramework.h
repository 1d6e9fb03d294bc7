// The skin engine: takes calls by dispatch id, loads a skin file and applies
// it to a window. A skin file is a Qt style sheet in UTF-8 that changes only
// the window's look (see SkinSheet.h); any other skin fails to load.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace orrinvale {

using DispValue = std::variant<std::monostate, std::int32_t, bool, std::string>;
enum class CallKind { Method, PropertyGet, PropertyPut };

class SkinEngine {
public:
    virtual ~SkinEngine() = default;
    virtual DispValue invoke(int dispId, CallKind kind, const std::vector<DispValue>& args) = 0;
};

namespace skin {
inline constexpr int kApplyWindow = 3;   // method: window handle
inline constexpr int kLoadSkin = 2;      // method: file path, ini name
inline constexpr int kFlags = 1;         // property: 32-bit flags
inline constexpr int kOption5 = 5;       // property: boolean option
inline constexpr int kOption10 = 10;     // property: boolean option
inline constexpr std::size_t kMaxFileBytes = 1 << 20;
// A picture a skin names: a plain file of at most this size, and all the
// pictures of a skin together of at most as many pixels as four windows at
// twice the screen's scale (784 x 624 each at a scale of one).
inline constexpr std::uintmax_t kMaxPictureBytes = 4u << 20;
inline constexpr long long kMaxPixels = 4LL * (2 * 784) * (2 * 624);
} // namespace skin

// The width and height of a picture file as its reader finds them without
// decoding the picture, or nothing when it cannot tell.
struct PictureSize {
    long long width = 0;
    long long height = 0;
};
using PictureSizer = std::function<std::optional<PictureSize>(const std::string& path)>;
// Whether the toolkit reads a style sheet whole (it drops one it cannot).
using SheetVerdict = std::function<bool(const std::string& styleSheet)>;

class SkinFramework : public SkinEngine {
public:
    // Called by the apply call with the window's handle and the style sheet.
    using Applier = std::function<void(std::int64_t handle, const std::string& styleSheet)>;
    // Without a sizer, a skin that names a picture does not load; without a
    // verdict, the sheet is taken as our own check reads it.
    explicit SkinFramework(Applier applier, PictureSizer sizer = {}, SheetVerdict verdict = {})
        : applier_(std::move(applier)), sizer_(std::move(sizer)), verdict_(std::move(verdict))
    {
    }

    DispValue invoke(int dispId, CallKind kind, const std::vector<DispValue>& args) override;

    const std::string& styleSheet() const { return styleSheet_; }
    std::int32_t flags() const { return flags_; }

private:
    void load(const std::string& path);

    Applier applier_;
    PictureSizer sizer_;
    SheetVerdict verdict_;
    std::string styleSheet_;
    bool loaded_ = false;
    std::int32_t flags_ = 0;
    bool option5_ = false;
    bool option10_ = false;
};

// Reads a skin file: UTF-8 text of at most kMaxFileBytes, not empty.
// Raises a RuntimeError that says what is wrong.
std::string readSkinFile(const std::string& path);

} // namespace orrinvale
