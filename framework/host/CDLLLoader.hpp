#pragma once

#include "framework/basics/CString.hpp"

namespace Corvane::Host
{
/** A shared library loaded into the process for as long as the loader holds it. */
class CDLLLoader : public Basics::CCountedObject, private Basics::TInstanceCounter<CDLLLoader>
{
public:
    CORVANE_DECLARE_CLASS

    /** What the system hands out for a loaded library. */
    using ModuleHandle = void *;

    /** Nothing loaded. */
    CDLLLoader();
    /** Loads @p path at once; throws as loadDll does. */
    explicit CDLLLoader(const Basics::CString &path);
    CDLLLoader(const CDLLLoader &) = delete;
    CDLLLoader &operator=(const CDLLLoader &) = delete;
    ~CDLLLoader() override;

    /**
     * Loads the library file @p path, first letting go of any library loaded before, and answers its
     * handle, or null when the system cannot load it (the log says why). A path without a folder
     * names a file in the working folder, the file that was checked, never a namesake found on the
     * system's library path. Throws a CException when the file does not exist.
     */
    ModuleHandle loadDll(const Basics::CString &path);
    /** The address of the exported symbol @p name, or null. */
    void *getFunction(const Basics::CString &name) const;
    void unloadDll();

    ModuleHandle getModuleHandle() const { return m_module; }
    /** The path last loaded, or a single blank before any. */
    const Basics::CString &getLibraryPath() const { return m_libraryPath; }

private:
    Basics::CString m_libraryPath;
    ModuleHandle m_module = nullptr;
};
} // namespace Corvane::Host
