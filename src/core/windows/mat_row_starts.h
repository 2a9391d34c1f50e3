#pragma once
// Where the generator stands at the start of each row of a mat. A mat's numbers run one after
// the other along its rows, so each row depends on all before it; knowing where every row
// starts lets rows be drawn side by side, and rows above the canvas and numbers right of it
// be passed over.

#include <cstdint>
#include <span>

namespace pw {

// The generator's state before rows 0 .. rows of a mat whose generator restarts at 0 and
// draws rowLength numbers per row: rows + 1 states, the last the one after the last row. The
// states are worked out once per mask and row length and kept per thread, as the same few
// textures are drawn again at every redraw. The span stays valid until the next call.
std::span<const std::uint32_t> MatRowStarts(std::uint32_t mask, int rowLength, int rows);

} // namespace pw
