#pragma once

#include "caltypes.h"

#include <ostream>

namespace ql {
// Readable rectangles in failure messages.
inline void PrintTo(const TRect &r, std::ostream *os)
{
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
} // namespace ql
