#pragma once

#include "framework/platform/PlatformMessage.hpp"

namespace Corvane::Platform
{
/**
 * Device pixels per logical pixel, and the only place that converts between the two: everything
 * above the seam speaks logical pixels, the platform speaks device pixels.
 */
struct SDeviceScale
{
    int factor = 1;

    int toDevice(int logical) const { return logical * factor; }
    /** Rounds towards minus infinity, so a position just left of the window stays left of it. */
    int toLogical(int device) const { return device >= 0 ? device / factor : -((-device + factor - 1) / factor); }

    SPoint toDevice(const SPoint &point) const { return SPoint{toDevice(point.x), toDevice(point.y)}; }
    SPoint toLogical(const SPoint &point) const { return SPoint{toLogical(point.x), toLogical(point.y)}; }
    SSize toDevice(const SSize &size) const { return SSize{toDevice(size.width), toDevice(size.height)}; }
    SSize toLogical(const SSize &size) const { return SSize{toLogical(size.width), toLogical(size.height)}; }
    SArea toDevice(const SArea &area) const
    {
        return SArea{toDevice(area.x), toDevice(area.y), toDevice(area.width), toDevice(area.height)};
    }
    SArea toLogical(const SArea &area) const
    {
        return SArea{toLogical(area.x), toLogical(area.y), toLogical(area.width), toLogical(area.height)};
    }
};
} // namespace Corvane::Platform
