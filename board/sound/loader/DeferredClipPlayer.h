// Stands in for the clip player until the audio plugin has been loaded after
// the window's first paint. A clip asked for before that loads the plugin
// at once; a plugin that cannot be loaded leaves the quiz silent.
#pragma once

#include "Platform.h"

#include <memory>
#include <string>
#include <vector>

namespace orrinvale {

class DeferredClipPlayer : public ClipPlayer {
public:
    // `pluginFolder` holds the plugin and the clip decoder; `clips` are
    // decoded as soon as the plugin loads.
    DeferredClipPlayer(std::string pluginFolder, std::vector<std::string> clips);
    ~DeferredClipPlayer() override;

    void load();
    void play(const std::string& path) override;
    bool loaded() const { return player_ != nullptr; }

private:
    std::string folder_;
    std::vector<std::string> clips_;
    std::unique_ptr<ClipPlayer> player_;
    bool tried_ = false;
};

} // namespace orrinvale
