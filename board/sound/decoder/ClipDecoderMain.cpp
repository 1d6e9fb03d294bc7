// The clip decoder: a small program of its own that the quiz starts once to
// turn its sound clips into raw samples.
// The media libraries behind the decoding are large and parse whatever file
// lies in the sounds folder. In a process of their own, their memory is
// given back as soon as the clips are decoded, and a clip that makes them
// fail or hang cannot take the quiz with it.
//   orrinvale-decoder <clip>...
// Writes one record per clip, in order, to standard output.
#include "ClipRecords.h"
#include "DecodeClip.h"
#include "MemoryCap.h"

extern "C" {
#include <libavutil/log.h>
}

#include <cstdio>
#include <new>
#include <string>

int main(int argc, char* argv[])
{
    // The quiz reads only the records: the libraries' complaints stay quiet.
    av_log_set_level(AV_LOG_QUIET);
    orrinvale::capDecoderMemory();
    for (int i = 1; i < argc; ++i) {
        std::string record;
        try {
            record = orrinvale::clipRecord(
                orrinvale::decodeClip(argv[i], static_cast<std::size_t>(orrinvale::kMaxClipBytes)));
        } catch (const std::bad_alloc&) {
            // The clip took the decoder to its cap: a bad clip, and what it
            // took is given back for the next.
            record = orrinvale::clipRecord(std::nullopt);
        }
        if (std::fwrite(record.data(), 1, record.size(), stdout) != record.size() || std::fflush(stdout) != 0)
            return 1;  // the quiz has gone: nobody reads the rest
    }
    return 0;
}
