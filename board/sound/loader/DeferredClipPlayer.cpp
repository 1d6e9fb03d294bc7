#include "DeferredClipPlayer.h"

#include "ProgramFiles.h"

#include <QDir>
#include <QLibrary>

namespace orrinvale {

namespace {
using MakePlayer = ClipPlayer* (*)(const char* decoder, const char* const* clips, int count);
}

DeferredClipPlayer::DeferredClipPlayer(std::string pluginFolder, std::vector<std::string> clips)
    : folder_(std::move(pluginFolder)), clips_(std::move(clips))
{
}

// The player is destroyed while the plugin stays loaded: the library is
// never unloaded, so its code outlives every object it made.
DeferredClipPlayer::~DeferredClipPlayer() = default;

void DeferredClipPlayer::load()
{
    if (tried_)
        return;
    tried_ = true;
    const QDir folder(QString::fromStdString(folder_));
    QLibrary plugin(folder.filePath(QString::fromLatin1(files::kAudioPlugin)));
    const auto make = reinterpret_cast<MakePlayer>(plugin.resolve("orrinvale_make_clip_player"));
    if (!make)
        return;  // no plugin: the quiz plays silently
    std::vector<const char*> paths;
    for (const std::string& clip : clips_)
        paths.push_back(clip.c_str());
    const std::string decoder = folder.filePath(QString::fromLatin1(files::kClipDecoder)).toStdString();
    player_.reset(make(decoder.c_str(), paths.data(), static_cast<int>(paths.size())));
}

void DeferredClipPlayer::play(const std::string& path)
{
    load();
    if (player_)
        player_->play(path);
}

} // namespace orrinvale
