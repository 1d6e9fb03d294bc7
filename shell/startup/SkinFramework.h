// The skin engine: takes calls by dispatch id, loads a skin file and applies
// it to a window. A skin file is a Qt style sheet in UTF-8 that changes only
// the window's look (see SkinSheet.h); any other skin fails to load.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orrinvale {

// The skin engine as the window's load uses it: a skin file is loaded, then
// applied to the window. Each raises a RuntimeError that says what is wrong.
class SkinEngine {
public:
    virtual ~SkinEngine() = default;
    virtual void load(const std::string& path) = 0;
    virtual void applyTo(std::int64_t windowHandle) = 0;
};

namespace skin {
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

    // A failing load leaves no skin loaded.
    void load(const std::string& path) override;
    // Raises a RuntimeError when no skin is loaded.
    void applyTo(std::int64_t windowHandle) override;

    const std::string& styleSheet() const { return styleSheet_; }

private:

    Applier applier_;
    PictureSizer sizer_;
    SheetVerdict verdict_;
    std::string styleSheet_;
    bool loaded_ = false;
};

// Reads a skin file: UTF-8 text of at most kMaxFileBytes, not empty.
// Raises a RuntimeError that says what is wrong.
std::string readSkinFile(const std::string& path);

} // namespace orrinvale
