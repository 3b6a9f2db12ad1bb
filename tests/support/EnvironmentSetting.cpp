#include "tests/support/EnvironmentSetting.hpp"

#include <cstdlib>

namespace Corvane::Testing
{
EnvironmentSetting::EnvironmentSetting(const char *name, const std::optional<std::string> &value)
    : m_name(name), m_old(get(name))
{
    apply(value);
}

EnvironmentSetting::~EnvironmentSetting()
{
    apply(m_old);
}

std::optional<std::string> EnvironmentSetting::get(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void EnvironmentSetting::apply(const std::optional<std::string> &value) const
{
    if (value)
        ::setenv(m_name, value->c_str(), 1);
    else
        ::unsetenv(m_name);
}
} // namespace Corvane::Testing
