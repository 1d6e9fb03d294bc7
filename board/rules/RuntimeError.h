// A run-time error raised inside one of the window's handlers. Its text is
// what the error report box shows as the error's description.
#pragma once

#include <stdexcept>
#include <string>

namespace orrinvale {

class RuntimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Descriptions for the errors the board raises itself.
namespace errors {
inline constexpr const char* kSubscriptOutOfRange = "Subscript out of range";
inline constexpr const char* kOverflow = "Overflow";
inline constexpr const char* kOutOfMemory = "Out of memory";
std::string missingElement(long long index);  // a control array element that does not exist
} // namespace errors

} // namespace orrinvale
