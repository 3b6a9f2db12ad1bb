#pragma once

#include <cstdint>
#include <type_traits>
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

/** Stops the build of a class record whose class does not count its instances in it. */
#define CORVANE_REQUIRE_INSTANCE_COUNTER(Class)                                                \
    static_assert(std::is_base_of_v<Corvane::Basics::TInstanceCounter<Class>, Class>,          \
                  #Class " has a class record but does not derive from TInstanceCounter<" #Class \
                  ">, so its record would never count an instance")

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
        CORVANE_REQUIRE_INSTANCE_COUNTER(Class);                                               \
        static Corvane::Basics::CClass record(Name, ParentName);                               \
        return record;                                                                         \
    }                                                                                          \
    const Corvane::Basics::CClass &Class::getClass() const { return classRecord(); }           \
    [[maybe_unused]] static const Corvane::Basics::CClass &CORVANE_CONCATENATE(                \
        registeredClassRecord, __LINE__) = Class::classRecord();

/**
 * Declares and defines, in a public section of a class template over ElementType, the record of
 * each instantiation, made on its first use. TemplateName and ParentName are patterns such as
 * "TPointerCollection<TypeName>": the element's unqualified name replaces what is in the angle
 * brackets. A parent name without brackets ("CCountedObject") is taken as it is. The template
 * derives privately from TInstanceCounter<Class> like any counted class.
 */
#define CORVANE_TEMPLATE_CLASS(Class, ElementType, TemplateName, ParentName)                   \
    static Corvane::Basics::CClass &classRecord()                                              \
    {                                                                                          \
        CORVANE_REQUIRE_INSTANCE_COUNTER(Class);                                               \
        static Corvane::Basics::CClass record(TemplateName, typeid(ElementType), ParentName,   \
                                              typeid(ElementType));                            \
        return record;                                                                         \
    }                                                                                          \
    const Corvane::Basics::CClass &getClass() const override { return classRecord(); }
