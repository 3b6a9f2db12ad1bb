#pragma once

#include "framework/basics/CClassRegistry.hpp"

namespace Corvane::IO
{
class CTextStream;

/**
 * Writes the class information table of @p registry: every record that ever had an instance, in
 * slot order, with its live and total counts, and their sums. Nothing without a stream open for
 * writing.
 */
void writeClassReport(const Basics::CClassRegistry &registry, CTextStream *stream);

/**
 * Writes the class report, sorted by name, to @p path when it is not null, then destroys the
 * registry (not the records). A record built afterwards starts a new registry.
 */
void shutdownClassRegistry(const char *path);
} // namespace Corvane::IO
