// Where practice keeps its schedule between runs. The store says on its own
// what went wrong with the file, once; practice goes on either way.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace orrinvale {

class ProgressStore {
public:
    // The most a kept text may hold: what is saved is always read back.
    static constexpr std::size_t kMostBytes = 64 * 1024;

    virtual ~ProgressStore() = default;
    // The kept text; nullopt when there is none to read (first run, or a
    // file that cannot be read, which the store then leaves alone).
    virtual std::optional<std::string> load() = 0;
    // The kept text is not a schedule: it is moved aside, not overwritten.
    virtual void setAside() = 0;
    // Replaces the kept text whole, or leaves the old one whole.
    virtual void save(const std::string& text) = 0;
    // Tells the player something about what is kept (on standard error).
    virtual void tell(const std::string& what) = 0;
};

} // namespace orrinvale
