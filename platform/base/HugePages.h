#pragma once
// Large buffers that are filled at once (a received body, a serialised document, the text of
// a long list) are asked to be backed by huge pages where the system offers them on request:
// one page fault then maps 2 MiB instead of 4 KiB, and filling the buffer costs far less
// time in the kernel. Only whole huge pages inside the buffer are concerned, so no memory
// outside it becomes resident; without support this does nothing.
#include <cstddef>

namespace base {

// The size from which a buffer is worth the advice.
inline constexpr std::size_t kHugePageWorthy = std::size_t{4} << 20;

// Advises the whole huge pages inside [data, data + bytes) before they are first written.
void AdviseHugePages(void* data, std::size_t bytes);

}  // namespace base
