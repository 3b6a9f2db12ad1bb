#pragma once

#include "framework/basics/CString.hpp"

namespace Corvane::IO
{
/**
 * Replaces the characters XML files cannot hold literally by their entities: & " > < and the
 * line feed and carriage return (&#10; and &#13;, so every value fits on one line).
 */
Basics::CString escapeXMLText(const Basics::CString &text);

/**
 * The reverse of escapeXMLText, in one pass from left to right: every entity is decoded once and
 * anything else, a bare '&' or an unknown entity included, is kept as it is.
 */
Basics::CString unescapeXMLText(const Basics::CString &text);
} // namespace Corvane::IO
