#include "framework/basics/CClass.hpp"

#include "framework/basics/CClassRegistry.hpp"

#include <cxxabi.h>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace Corvane::Basics
{
namespace
{
/** Copies a name into a fixed field: at most 127 characters, the rest of the field zeroed. */
void copyName(const char *name, char (&field)[CClass::NAME_FIELD_SIZE])
{
    std::memset(field, 0, sizeof field);
    std::strncpy(field, name != nullptr ? name : "", sizeof field - 1);
}

/** The type's readable name, as the compiler's demangler spells it ("Corvane::Basics::CString"). */
std::string readableName(const std::type_info &type)
{
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                          &std::free);
    return status == 0 && demangled ? std::string(demangled.get()) : std::string(type.name());
}

/** The unqualified name: the text after the last ':', else after the last blank. */
std::string shortName(const std::string &readable)
{
    std::size_t cut = readable.rfind(':');
    if (cut == std::string::npos)
        cut = readable.rfind(' ');
    return cut == std::string::npos ? readable : readable.substr(cut + 1);
}
} // namespace

CClass::CClass()
{
    copyName("UndefinedClass", m_className);
    copyName("UndefinedParent", m_parentName);
    CClassRegistry::getClassRegistry();
}

CClass::CClass(const char *name) : CClass(name, "UndefinedParent") {}

CClass::CClass(const char *name, const char *parentName)
{
    copyName(name, m_className);
    copyName(parentName, m_parentName);
    CClassRegistry::enrol(this);
}

CClass::CClass(const char *templateName, const std::type_info &elementType, const char *parentName)
{
    templateRecordName(templateName, elementType, m_className);
    copyName(parentName, m_parentName);
    CClassRegistry::enrol(this);
}

CClass::CClass(const char *templateName, const std::type_info &elementType, const char *parentTemplateName,
               const std::type_info &parentElementType)
{
    templateRecordName(templateName, elementType, m_className);
    templateRecordName(parentTemplateName, parentElementType, m_parentName);
    CClassRegistry::enrol(this);
}

void CClass::templateRecordName(const char *templateName, const std::type_info &elementType,
                                char (&name)[NAME_FIELD_SIZE])
{
    const std::string pattern = templateName != nullptr ? templateName : "";
    const std::size_t bracket = pattern.find('<');
    if (bracket == std::string::npos)
    {
        copyName(pattern.c_str(), name);
        return;
    }
    const std::string recordName = pattern.substr(0, bracket) + "<" + shortName(readableName(elementType)) + ">";
    copyName(recordName.c_str(), name);
}

CClass::~CClass()
{
    CClassRegistry::withdraw(this);
}

void CClass::addInstance()
{
    m_instanceCount++;
    m_totalCount++;
}

void CClass::removeInstance()
{
    m_instanceCount--;
}

bool CClass::operator==(const char *name) const
{
    return name != nullptr && std::strcmp(m_className, name) == 0;
}

bool CClass::operator==(const CClass &other) const
{
    return *this == other.m_className;
}

bool CClass::isTypeOf(const CClass &other) const
{
    const CClassRegistry *registry = CClassRegistry::getClassRegistry();
    const CClass *ancestor = registry != nullptr ? registry->getClassByName(m_parentName) : nullptr;
    // Each step climbs one level; more steps than records would mean a cycle of parent names.
    for (long steps = 0; ancestor != nullptr && steps <= registry->getNumberOfClasses(); steps++)
    {
        if (*ancestor == other)
            return true;
        ancestor = registry->getClassByName(ancestor->m_parentName);
    }
    return *this == other;
}
} // namespace Corvane::Basics
