#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace Corvane::WindowBench
{
/** A point in a window's client coordinates. */
struct SPoint
{
    long x = 0;
    long y = 0;
};

/** A rectangle in a window's client coordinates, written "WxH+X+Y" as X11 geometries are. */
struct SArea
{
    long width = 0;
    long height = 0;
    long x = 0;
    long y = 0;

    bool isEmpty() const
    {
        return width <= 0 || height <= 0;
    }
    /** Whether the two rectangles share at least one pixel. */
    bool meets(const SArea &other) const;
};

/** One key to type: a key symbol name ("1", "Return", "a") and the modifiers held while it is pressed. */
struct SKeyStroke
{
    std::vector<std::string> modifiers;
    std::string key;
};

/** What the tool was asked to do. */
enum class EMode
{
    FIRST_PAINT,
    KEY_TO_DAMAGE,
    IDLE_CPU,
    HELP,
    USAGE_ERROR
};

/** A parsed command line; only the fields of its mode are meaningful. */
struct SCommand
{
    EMode mode = EMode::USAGE_ERROR;
    /** For USAGE_ERROR: what was wrong. */
    std::string problem;

    /** FIRST_PAINT: the program and its arguments, and how long to watch it idle afterwards (0: not at all). */
    std::vector<std::string> program;
    double idleSeconds = 0;

    /** KEY_TO_DAMAGE: the window's exact title, where to click, what to type, and the area whose repaint ends it. */
    std::string windowName;
    bool clicks = false;
    SPoint click;
    std::vector<SKeyStroke> keys;
    SArea area;

    /** IDLE_CPU: the process to watch and for how long. */
    pid_t pid = 0;
    double seconds = 0;
};

/** Parses "WxH+X+Y" with a positive width and height; false when @p text is anything else. */
bool parseArea(const std::string &text, SArea &area);

/** Parses "X,Y"; false when @p text is anything else. */
bool parsePoint(const std::string &text, SPoint &point);

/**
 * Parses a list of key strokes separated by blanks, each a key symbol name with optional
 * modifiers before it ("1 4 0 Return", "ctrl+a"). The modifiers are shift, ctrl (or control),
 * alt and super. An empty list is valid. On failure @p problem names the faulty stroke.
 */
bool parseKeys(const std::string &text, std::vector<SKeyStroke> &keys, std::string &problem);

/** Parses a number of seconds greater than 0 and at most a day. */
bool parseSeconds(const std::string &text, double &seconds);

/** Parses the arguments after the tool's own name. */
SCommand parseCommandLine(const std::vector<std::string> &arguments);

/** The usage text, for --help and after a usage error. */
const char *usageText();
} // namespace Corvane::WindowBench
