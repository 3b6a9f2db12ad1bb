#include "framework/basics/CSystemString.hpp"

#include "framework/basics/CStringTokeniser.hpp"

#include <cstring>

namespace Corvane::Basics
{
CORVANE_DEFINE_CLASS(CSystemString, "CSystemString", "CCountedObject")

const char *const CSystemString::PATH_SEPARATOR = "/";

CSystemString::CSystemString() = default;
CSystemString::CSystemString(const char *text) : CString(text) {}
CSystemString::CSystemString(const CString &text) : CString(text.getString()) {}
CSystemString::CSystemString(const CSystemString &other) : CString(other), TInstanceCounter<CSystemString>(other) {}
CSystemString::CSystemString(CSystemString &&other) noexcept : CString(std::move(other)) {}

CSystemString &CSystemString::operator=(const char *text)
{
    setString(text);
    return *this;
}

CSystemString &CSystemString::operator=(const CSystemString &other)
{
    if (this != &other)
        setString(other);
    return *this;
}

CSystemString &CSystemString::operator=(CSystemString &&other) noexcept
{
    CString::operator=(std::move(other));
    return *this;
}

CSystemString &CSystemString::operator+=(const char *text)
{
    appendPathSeparator();
    appendString(text);
    return *this;
}

CSystemString &CSystemString::operator+=(const CString &text)
{
    return *this += text.getString();
}

long CSystemString::findLastBeforeEnd(char character) const
{
    const char *found = std::strrchr(getString(), character);
    return found != nullptr ? found - getString() : -1;
}

bool CSystemString::endsWith(const CString &suffix) const
{
    return endsWith(suffix.getString());
}

bool CSystemString::endsWith(const char *suffix) const
{
    if (suffix == nullptr)
        return true;
    const std::size_t length = static_cast<std::size_t>(getSize() - 1);
    const std::size_t suffixLength = std::strlen(suffix);
    return suffixLength <= length && std::memcmp(getString() + length - suffixLength, suffix, suffixLength) == 0;
}

bool CSystemString::hasFileExtension() const
{
    return findLastBeforeEnd('.') > 0;
}

void CSystemString::appendFileExtension(const CString &extension, bool replace)
{
    appendFileExtension(extension.getString(), replace);
}

void CSystemString::appendFileExtension(const char *extension, bool replace)
{
    if (replace && hasFileExtension())
        removeFileExtension();
    appendCharacter('.');
    appendString(extension);
}

long CSystemString::removeFileExtension()
{
    const long dot = findLastBeforeEnd('.');
    if (dot > 0)
        setString(getSubString(0, dot - 1));
    return dot;
}

bool CSystemString::isFolderPath() const
{
    return !hasFileExtension();
}

void CSystemString::removeFileName()
{
    const long separator = findLastBeforeEnd(SEPARATOR);
    if (separator >= 0)
        setString(getSubString(0, separator));
}

CSystemString CSystemString::getFolder() const
{
    if (isFolderPath())
        return *this;
    const long separator = findLastBeforeEnd(SEPARATOR);
    return separator >= 0 ? CSystemString(getSubString(0, separator)) : CSystemString();
}

void CSystemString::appendPathSeparator()
{
    appendString(PATH_SEPARATOR);
}

void CSystemString::appendPath(const CString &part)
{
    if (characterAt(getSize() - 2) != SEPARATOR)
        appendPathSeparator();
    appendString(part);
}

CSystemString CSystemString::getDrive(bool toSeparator) const
{
    if (!toSeparator)
        return CSystemString(getSubString(0, 0));
    const long separator = findFirst(SEPARATOR);
    return separator >= 0 ? CSystemString(getSubString(0, separator)) : CSystemString();
}

CSystemString CSystemString::getFileExtension() const
{
    const long dot = findLastBeforeEnd('.');
    return dot >= 0 ? CSystemString(getSubString(dot, getSize() - 2)) : CSystemString();
}

CSystemString CSystemString::getFileName() const
{
    const long separator = findLastBeforeEnd(SEPARATOR);
    return separator >= 0 ? CSystemString(getSubString(separator + 1, getSize() - 2)) : CSystemString();
}

long CSystemString::getNumberOfPathComponents() const
{
    CStringTokeniser pieces(getString(), SEPARATOR);
    return pieces.countTokens();
}

std::vector<CString> CSystemString::getPathPieces() const
{
    std::vector<CString> pieces;
    CString piece;
    for (const char *c = getString();; c++)
    {
        if (*c != SEPARATOR && *c != '\0')
        {
            piece.appendCharacter(*c);
            continue;
        }
        if (piece.getSize() > 1)
            pieces.push_back(std::move(piece));
        piece = "";
        if (*c == '\0')
            return pieces;
    }
}

std::unique_ptr<CString> CSystemString::getPathComponent(long index) const
{
    std::vector<CString> pieces = getPathPieces();
    if (index < 0 || index >= static_cast<long>(pieces.size()))
        return nullptr;
    auto piece = std::make_unique<CString>(pieces[static_cast<std::size_t>(index)]);
    if (index == 0)
        piece->appendString(PATH_SEPARATOR);
    return piece;
}

CString CSystemString::getLastPathComponent() const
{
    std::vector<CString> pieces = getPathPieces();
    return pieces.empty() ? CString(nullptr) : pieces.back();
}

void CSystemString::removeLastPathComponent()
{
    const long separator = findLastBeforeEnd(SEPARATOR);
    if (separator > 1)
        setString(getSubString(0, separator - 1));
}

void CSystemString::removeFirstPathComponent()
{
    const long separator = findFirst(SEPARATOR);
    if (separator >= 0)
        setString(getSubString(separator + 1, getSize() - 2));
}

void CSystemString::convertSlashes()
{
    replaceCharacter('\\', SEPARATOR);
}
} // namespace Corvane::Basics
