#pragma once

namespace ql {

// The zoom commands step by ten percent between 30 and 100. A magnification
// that is not a multiple of ten (read from the settings file) keeps to its own
// grid: Zoom In from 95 gives 105, Zoom Out from 35 gives 25.
constexpr int ZoomedIn(int magnification)
{
    return magnification < 100 ? magnification + 10 : magnification;
}

constexpr int ZoomedOut(int magnification)
{
    return magnification > 30 ? magnification - 10 : magnification;
}

} // namespace ql
