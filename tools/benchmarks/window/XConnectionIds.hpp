#pragma once

#include <X11/Xlib.h>

namespace Corvane::WindowBench
{
/** The first resource id of the block the X server gave this connection: every id it makes lies in it. */
XID connectionIdBase(Display *display);

/** The bits of a resource id that vary within one connection's block (the rest name the connection). */
XID connectionIdMask(Display *display);
} // namespace Corvane::WindowBench
