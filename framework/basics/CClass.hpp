#pragma once

#include <cstdint>
#include <typeinfo>

namespace Corvane::Basics
{
/**
 * The run-time record of one class: its name, its parent's name, and how many instances
 * are alive now and were ever made. Every counted class owns one, registered by name in
 * the CClassRegistry before main runs (see CORVANE_DEFINE_CLASS).
 */
class CClass
{
public:
    static constexpr int NAME_FIELD_SIZE = 128;

    /** An unregistered placeholder record; makes sure the registry exists. */
    CClass();
    explicit CClass(const char *name);
    CClass(const char *name, const char *parentName);

    /** A record of a template instantiation, named by templateRecordName. */
    CClass(const char *templateName, const std::type_info &elementType, const char *parentName);
    CClass(const char *templateName, const std::type_info &elementType, const char *parentTemplateName,
           const std::type_info &parentElementType);

    CClass(const CClass &) = delete;
    CClass &operator=(const CClass &) = delete;
    /** Leaves the registry, so that it never lists a record that is gone. */
    virtual ~CClass();

    void addInstance();
    void removeInstance();

    const char *getClassName() const { return m_className; }
    const char *getParentName() const { return m_parentName; }
    std::int32_t getInstanceCount() const { return m_instanceCount; }
    std::int32_t getTotalCount() const { return m_totalCount; }

    bool operator==(const char *name) const;
    bool operator==(const CClass &other) const;

    /** True when @p other is this class or one of its ancestors, following parent names. */
    bool isTypeOf(const CClass &other) const;

    /**
     * Builds a record name from a template name such as "TPointerCollection<TypeName>" and an
     * element type: the text before '<', then the element's unqualified name in angle brackets.
     */
    static void templateRecordName(const char *templateName, const std::type_info &elementType,
                                   char (&name)[NAME_FIELD_SIZE]);

private:
    friend class CClassRegistry;

    char m_className[NAME_FIELD_SIZE];
    char m_parentName[NAME_FIELD_SIZE];
    std::int32_t m_instanceCount = 0;
    std::int32_t m_totalCount = 0;
    CClass *m_nextWaiting = nullptr; // records built while no registry exists wait in a queue
};

/**
 * An empty base that moves the counts of T's class record: constructed after T's own bases
 * and destroyed before them, exactly as each class level must count.
 */
template <class T> class TInstanceCounter
{
protected:
    TInstanceCounter() { T::classRecord().addInstance(); }
    TInstanceCounter(const TInstanceCounter &) { T::classRecord().addInstance(); }
    TInstanceCounter &operator=(const TInstanceCounter &) { return *this; }
    ~TInstanceCounter() { T::classRecord().removeInstance(); }
};
} // namespace Corvane::Basics

#define CORVANE_CONCATENATE_(a, b) a##b
#define CORVANE_CONCATENATE(a, b) CORVANE_CONCATENATE_(a, b)

/**
 * Declares, in a public section of a counted class, its class record and getClass().
 * The class also derives privately from TInstanceCounter<Class>, which does the counting.
 */
#define CORVANE_DECLARE_CLASS                                                                  \
    static Corvane::Basics::CClass &classRecord();                                             \
    const Corvane::Basics::CClass &getClass() const override;

/**
 * Defines the class record of a counted class in its source file and registers it before
 * main runs. Write the qualified class name when outside its namespace.
 */
#define CORVANE_DEFINE_CLASS(Class, Name, ParentName)                                          \
    Corvane::Basics::CClass &Class::classRecord()                                              \
    {                                                                                          \
        static Corvane::Basics::CClass record(Name, ParentName);                               \
        return record;                                                                         \
    }                                                                                          \
    const Corvane::Basics::CClass &Class::getClass() const { return classRecord(); }           \
    [[maybe_unused]] static const Corvane::Basics::CClass &CORVANE_CONCATENATE(                \
        registeredClassRecord, __LINE__) = Class::classRecord();
