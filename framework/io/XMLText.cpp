#include "framework/io/XMLText.hpp"

#include <cstring>
#include <string>

namespace Corvane::IO
{
namespace
{
struct Entity
{
    char character;
    const char *text;
};

constexpr Entity ENTITIES[] = {{'&', "&amp;"},  {'"', "&quot;"},  {'>', "&gt;"},
                               {'<', "&lt;"},   {'\n', "&#10;"}, {'\r', "&#13;"}};
} // namespace

Basics::CString escapeXMLText(const Basics::CString &text)
{
    std::string escaped;
    for (const char *c = text.getString(); *c != '\0'; c++)
    {
        const char *entity = nullptr;
        for (const Entity &candidate : ENTITIES)
            if (candidate.character == *c)
                entity = candidate.text;
        if (entity != nullptr)
            escaped += entity;
        else
            escaped += *c;
    }
    return Basics::CString(escaped.c_str());
}

Basics::CString unescapeXMLText(const Basics::CString &text)
{
    std::string plain;
    for (const char *c = text.getString(); *c != '\0';)
    {
        const Entity *found = nullptr;
        if (*c == '&')
            for (const Entity &candidate : ENTITIES)
                if (std::strncmp(c, candidate.text, std::strlen(candidate.text)) == 0)
                    found = &candidate;
        plain += found != nullptr ? found->character : *c;
        c += found != nullptr ? std::strlen(found->text) : 1;
    }
    return Basics::CString(plain.c_str());
}
} // namespace Corvane::IO
