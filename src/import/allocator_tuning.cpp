#include "import/allocator_tuning.h"

#include <cstddef> // defines __GLIBC__ on glibc systems

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace qw {

void TuneAllocatorForLargeTexts() {
#if defined(__GLIBC__)
    // Buffers up to 32 MB (glibc's largest threshold) come from the heap, and
    // up to 512 MB of freed heap stays with the process.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
#endif
}

} // namespace qw
