#pragma once

#include <optional>
#include <string>

namespace Corvane::Testing
{
/** Sets an environment variable (or, given no value, removes it) and puts it back as it was. */
class EnvironmentSetting
{
public:
    EnvironmentSetting(const char *name, const std::optional<std::string> &value);
    ~EnvironmentSetting();
    EnvironmentSetting(const EnvironmentSetting &) = delete;
    EnvironmentSetting &operator=(const EnvironmentSetting &) = delete;

    /** The variable's value now, or none when it is not set. */
    static std::optional<std::string> get(const char *name);

private:
    void apply(const std::optional<std::string> &value) const;

    const char *m_name;
    std::optional<std::string> m_old;
};
} // namespace Corvane::Testing
