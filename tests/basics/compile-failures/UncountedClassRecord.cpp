// Must not compile: class records of classes that do not count their instances in them. The
// build of this file is expected to stop at the check of the record macros, with its message.
#include "framework/basics/CCountedObject.hpp"

#if defined(UNCOUNTED_CLASS)
class CUncounted : public Corvane::Basics::CCountedObject
{
public:
    CORVANE_DECLARE_CLASS
};

CORVANE_DEFINE_CLASS(CUncounted, "CUncounted", "CCountedObject")
#elif defined(UNCOUNTED_TEMPLATE)
template <class T> class TUncounted : public Corvane::Basics::CCountedObject
{
public:
    CORVANE_TEMPLATE_CLASS(TUncounted, T, "TUncounted<TypeName>", "CCountedObject")
};

const Corvane::Basics::CClass &record = TUncounted<int>::classRecord();
#endif
