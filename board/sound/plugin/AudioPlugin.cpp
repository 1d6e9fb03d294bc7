// The sound clips' player as a plugin of its own. The audio libraries it
// needs take a while to load, so the program loads this plugin only after
// its window has been painted.
#include "MediaClipPlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT orrinvale::ClipPlayer* orrinvale_make_clip_player(const char* decoder,
                                                                             const char* const* clips, int count)
{
    orrinvale::MediaClipPlayer::silenceMediaWarnings();
    auto* player = new orrinvale::MediaClipPlayer(decoder);
    player->prepare(std::vector<std::string>(clips, clips + count));
    return player;
}
