// A hard cap on the decoder's memory, whatever a clip holds. At the cap an
// allocation fails: where the libraries give up on the clip with
// AVERROR(ENOMEM), or the decoder's own code runs out, the clip is refused
// as a bad clip and the next is decoded afresh. (What the libraries keep of
// a clip between two packets is bounded apart, well below it: see
// ClipViewInput.)
#pragma once

namespace orrinvale {

// Caps the decoder's address space at what it has now, with its libraries
// loaded, and room for the largest clip we accept. Not under
// AddressSanitizer, whose shadow takes terabytes of address space.
void capDecoderMemory();

} // namespace orrinvale
