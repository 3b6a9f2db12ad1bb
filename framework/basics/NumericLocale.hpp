#pragma once

#include <locale.h>

namespace Corvane::Basics
{
/**
 * Makes the C library read and write numbers with the point as decimal separator for as long
 * as it lives, whatever locale the process has set: "%f" output and typed input must not change
 * with the user's language settings.
 */
class CNumericLocale
{
public:
    CNumericLocale() : m_previous(uselocale(pointLocale())) {}
    ~CNumericLocale() { uselocale(m_previous); }
    CNumericLocale(const CNumericLocale &) = delete;
    CNumericLocale &operator=(const CNumericLocale &) = delete;

    /** The "C" locale, made once. */
    static locale_t pointLocale()
    {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        return locale;
    }

private:
    locale_t m_previous;
};
} // namespace Corvane::Basics
