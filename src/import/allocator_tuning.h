#pragma once

namespace qw {

// Keeps the large text buffers of a book in the heap once they were freed, so
// that reopening, refitting and converting reuse memory the program already
// touched instead of mapping fresh pages each time (first touches of fresh
// pages cost more than the passes over the text themselves).
void TuneAllocatorForLargeTexts();

} // namespace qw
