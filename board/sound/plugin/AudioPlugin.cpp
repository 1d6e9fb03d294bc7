// The sound clips' player as a plugin of its own. Connecting to the sound
// server is left until after the first paint, so the program loads this
// plugin only after its window has been painted.
#include "PulseClipPlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT orrinvale::ClipPlayer* orrinvale_make_clip_player(const char* decoder,
                                                                             const char* const* clips, int count)
{
    auto* player = new orrinvale::PulseClipPlayer(decoder);
    player->prepare(std::vector<std::string>(clips, clips + count));
    return player;
}
