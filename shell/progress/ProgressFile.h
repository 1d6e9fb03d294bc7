// The practice progress file: one small text file under the user's state
// folder ($XDG_STATE_HOME/orrinvale/progress, by default
// ~/.local/state/orrinvale/progress). It is replaced whole (written to a
// temporary file beside it, flushed to disk, then renamed over it), so a kill
// at any moment leaves the old file or the new one. Whatever fails, play
// goes on; what failed is said once on standard error.
#pragma once

#include "BoardMap.h"
#include "ProgressStore.h"

#include <functional>
#include <ostream>
#include <string>

namespace orrinvale {

class ProgressFile : public ProgressStore {
public:
    // Empty `path`: there is nowhere to keep progress (no home folder).
    explicit ProgressFile(std::string path, std::ostream& complaints);

    std::optional<std::string> load() override;
    void setAside() override;
    void save(const std::string& text) override;
    void tell(const std::string& what) override;
    // Removes the file; false (and said) when it is there and stays.
    bool forget();

    const std::string& path() const { return path_; }


private:
    void complain(const std::string& what);

    std::string path_;
    std::ostream& complaints_;
    bool complained_ = false;
    bool keepOff_ = false;  // a file that could not be read is never overwritten
};

// Where progress on a map is kept, from the environment as `variable` reads
// it: the states' in "progress", as always; each other map's in a file of its
// own, so no map's lines crowd out another's.
std::string progressFilePath(const std::function<std::string(const char*)>& variable,
                             const std::string& mapId = statesMap().id);

} // namespace orrinvale
