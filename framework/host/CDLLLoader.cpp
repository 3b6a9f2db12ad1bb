#include "framework/host/CDLLLoader.hpp"

#include "framework/basics/CException.hpp"
#include "framework/basics/CSystemString.hpp"
#include "framework/host/FileFunctions.hpp"
#include "framework/io/Log.hpp"

#include <dlfcn.h>

namespace Corvane::Host
{
CORVANE_DEFINE_CLASS(CDLLLoader, "CDLLLoader", "CCountedObject")

CDLLLoader::CDLLLoader() : m_libraryPath(nullptr) {}

CDLLLoader::CDLLLoader(const Basics::CString &path) : CDLLLoader()
{
    loadDll(path);
}

CDLLLoader::~CDLLLoader()
{
    unloadDll();
}

CDLLLoader::ModuleHandle CDLLLoader::loadDll(const Basics::CString &path)
{
    if (!fileExists(Basics::CSystemString(path)))
    {
        Basics::CString reason(path);
        reason.appendString(" doesnt exist");
        throw Exceptions::CException(reason, "CDLLLoader::loadDll(const CString &)");
    }
    unloadDll();
    m_libraryPath = path;
    // dlopen searches the library path for a bare name; "./" keeps it to the file checked above.
    Basics::CString loadPath(path.findFirst(Basics::CSystemString::SEPARATOR) < 0 ? "./" : "");
    loadPath.appendString(path);
    m_module = dlopen(loadPath.getString(), RTLD_NOW | RTLD_LOCAL);
    if (m_module == nullptr)
        IO::logMessage("Cannot load the library %s: %s", path.getString(), dlerror());
    return m_module;
}

void *CDLLLoader::getFunction(const Basics::CString &name) const
{
    return m_module != nullptr ? dlsym(m_module, name.getString()) : nullptr;
}

void CDLLLoader::unloadDll()
{
    if (m_module != nullptr)
        dlclose(m_module);
    m_module = nullptr;
}
} // namespace Corvane::Host
