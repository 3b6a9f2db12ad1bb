#pragma once

#include "framework/basics/CString.hpp"

#include <vector>

namespace Corvane::Basics
{
/**
 * A CString that holds a file path, with '/' as the separator. Searches for the separator and
 * for the extension's dot go backwards from the last character. On /dir/file.png: the file name
 * is file.png, the folder /dir/, the extension .png, and the drive "/".
 */
class CSystemString : public CString, private TInstanceCounter<CSystemString>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr char SEPARATOR = '/';
    static const char *const PATH_SEPARATOR;

    CSystemString();
    CSystemString(const char *text);
    CSystemString(const CString &text);
    CSystemString(const CSystemString &other);
    CSystemString(CSystemString &&other) noexcept;

    using CString::operator=;
    CSystemString &operator=(const char *text) override;
    CSystemString &operator=(const CSystemString &other);
    CSystemString &operator=(CSystemString &&other) noexcept;

    /** Appends a separator, then the text: /dir += x.png gives /dir/x.png. */
    CSystemString &operator+=(const char *text) override;
    CSystemString &operator+=(const CString &text) override;

    /** True when the text ends with @p suffix; an empty suffix always ends it, a longer one never. */
    virtual bool endsWith(const CString &suffix) const;
    virtual bool endsWith(const char *suffix) const;

    /** A '.' after the first character. */
    virtual bool hasFileExtension() const;
    /** Appends "." and @p extension; with @p replace an existing extension goes first. */
    virtual void appendFileExtension(const CString &extension, bool replace);
    virtual void appendFileExtension(const char *extension, bool replace);
    /** Cuts at the last '.' when it is after the first character; the dot's index, or -1 or 0. */
    virtual long removeFileExtension();
    virtual bool isFolderPath() const;
    /** Keeps the text up to and including the last separator. */
    virtual void removeFileName();
    /** The whole text for a folder path, else up to and including the last separator. */
    virtual CSystemString getFolder() const;
    virtual void appendPathSeparator();
    /** Appends @p part after exactly one separator. */
    virtual void appendPath(const CString &part);
    /** With @p toSeparator the text up to the first separator included, else the first character. */
    virtual CSystemString getDrive(bool toSeparator) const;
    virtual CSystemString getFileExtension() const;
    virtual CSystemString getFileName() const;
    /** The number of non-empty pieces between separators. */
    virtual long getNumberOfPathComponents() const;
    /** Piece @p index (the first one with a separator appended), or null past the last piece. */
    virtual std::unique_ptr<CString> getPathComponent(long index) const;
    /** The last piece, or a single blank when there is none. */
    virtual CString getLastPathComponent() const;
    /** Cuts before the last separator when it stands after index 1. */
    virtual void removeLastPathComponent();
    /** Keeps the text after the first separator. */
    virtual void removeFirstPathComponent();
    /** Turns the foreign separator '\' into '/'. */
    virtual void convertSlashes();

private:
    /** The non-empty pieces between separators, in order. */
    std::vector<CString> getPathPieces() const;
    /** Index of the last @p character before the terminator, or -1. */
    long findLastBeforeEnd(char character) const;
};
} // namespace Corvane::Basics
