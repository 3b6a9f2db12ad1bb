#pragma once

#include <cstddef>
#include <string>

namespace Corvane::GUI::Controls
{
/**
 * Steps through UTF-8 texts by characters and words. Offsets are byte offsets; a byte that
 * continues a sequence (10xxxxxx) belongs to the character before it, so any bytes at all, valid
 * UTF-8 or not, are stepped through without ever stopping inside a character.
 */
namespace Utf8Text
{
/** The start of the character after the one at @p offset; the text's size at the end. */
std::size_t nextCharacter(const std::string &text, std::size_t offset);
/** The start of the character before @p offset; 0 at the start. */
std::size_t previousCharacter(const std::string &text, std::size_t offset);
/** @p offset, moved back to the start of the character it lies in. */
std::size_t characterStart(const std::string &text, std::size_t offset);
std::size_t countCharacters(const std::string &text);
/** The number of bytes of the first @p count characters (the whole text when it has fewer). */
std::size_t bytesOfCharacters(const std::string &text, std::size_t count);

/** Letters, digits, the underscore and every character beyond ASCII (é, ü, ß) make words. */
bool isWordCharacter(const std::string &text, std::size_t offset);
/** From @p offset over anything that is no word, then to the end of the word that follows. */
std::size_t nextWordEnd(const std::string &text, std::size_t offset);
/** Back from @p offset over anything that is no word, then to the start of the word before. */
std::size_t previousWordStart(const std::string &text, std::size_t offset);

/** The text up to its first line break: a one-line field takes no more of a pasted text. */
std::string firstLine(const std::string &text);
} // namespace Utf8Text
} // namespace Corvane::GUI::Controls
