#pragma once

#include <string>

namespace Corvane::Testing
{
/** A fresh folder under the system's temporary folder, removed with everything in it. */
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    /** The folder's path, without a final separator. */
    const std::string &path() const { return m_path; }
    /** path() + "/" + @p name. */
    std::string file(const std::string &name) const;
    /** Writes @p content to the named file and answers its path. */
    std::string write(const std::string &name, const std::string &content) const;
    /** The whole content of a file, or an empty text when it cannot be read. */
    static std::string read(const std::string &path);

private:
    std::string m_path;
};
} // namespace Corvane::Testing
