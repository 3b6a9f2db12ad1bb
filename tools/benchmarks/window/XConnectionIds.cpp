// Xlib keeps the connection's id block only in its private display record, so this one file reads
// it there; Xlibint.h also defines macros (min, max, Data...) that must not leak into other files.
#include "tools/benchmarks/window/XConnectionIds.hpp"

#include <X11/Xlibint.h>

namespace Corvane::WindowBench
{
XID connectionIdBase(Display *display)
{
    return display->resource_base;
}

XID connectionIdMask(Display *display)
{
    return display->resource_mask;
}
} // namespace Corvane::WindowBench
