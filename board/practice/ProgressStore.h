// Where practice keeps its schedule between runs. The store says on its own
// what went wrong with the file, once; practice goes on either way.
#pragma once

#include <optional>
#include <string>

namespace orrinvale {

class ProgressStore {
public:
    virtual ~ProgressStore() = default;
    // The kept text; nullopt when there is none to read (first run, or a
    // file that cannot be read, which the store then leaves alone).
    virtual std::optional<std::string> load() = 0;
    // The kept text is not a schedule: it is moved aside, not overwritten.
    virtual void setAside() = 0;
    // Replaces the kept text whole, or leaves the old one whole.
    virtual void save(const std::string& text) = 0;
};

} // namespace orrinvale
