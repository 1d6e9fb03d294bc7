// A hard cap on the decoder's memory, whatever a clip holds. At the cap an
// allocation fails, the libraries give up on the clip with AVERROR(ENOMEM),
// and it is refused as a bad clip; the next is decoded afresh.
#pragma once

namespace orrinvale {

// Caps the decoder's address space at what it has now, with its libraries
// loaded, and room for the largest clip we accept. Not under
// AddressSanitizer, whose shadow takes terabytes of address space.
void capDecoderMemory();

} // namespace orrinvale
