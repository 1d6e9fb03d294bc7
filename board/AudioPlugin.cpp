// The sound clips' player as a plugin of its own. The media libraries it
// needs are many and slow to load, so the program loads this plugin only
// after its window has been painted.
#include "MediaClipPlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT orrinvale::ClipPlayer* orrinvale_make_clip_player(const char* const* clips, int count)
{
    orrinvale::MediaClipPlayer::silenceMediaWarnings();
    auto* player = new orrinvale::MediaClipPlayer;
    player->prepare(std::vector<std::string>(clips, clips + count));
    return player;
}
