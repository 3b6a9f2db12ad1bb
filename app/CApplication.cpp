#include "app/CApplication.hpp"

#include <limits.h>
#include <unistd.h>

#include <memory>

namespace Corvane::Orvo
{
using Basics::CString;
using Basics::CSystemString;

namespace
{
std::unique_ptr<CString> productName;
std::unique_ptr<CString> companyName;
std::unique_ptr<CString> versionString;
std::unique_ptr<CString> legalNotice;
std::unique_ptr<CString> description;
std::unique_ptr<CString> registryPath;
std::unique_ptr<CSystemString> applicationPath;
GUI::Windows::IWindow *mainWindow = nullptr;

template <class Text> Text *slot(std::unique_ptr<Text> &text)
{
    if (!text)
        text = std::make_unique<Text>(nullptr);
    return text.get();
}

template <class Text> void set(std::unique_ptr<Text> &text, const CString &value)
{
    slot(text)->setString(value);
}
} // namespace

void CApplication::setProductName(const CString &name) { set(productName, name); }
void CApplication::setCompanyName(const CString &name) { set(companyName, name); }
void CApplication::setVersionString(const CString &version) { set(versionString, version); }
void CApplication::setLegalNotice(const CString &notice) { set(legalNotice, notice); }
void CApplication::setDescription(const CString &text) { set(description, text); }
void CApplication::setRegistryPath(const CString &path) { set(registryPath, path); }
void CApplication::setApplicationPath(const CSystemString &path) { set(applicationPath, path); }

CString *CApplication::getProductName() { return slot(productName); }
CString *CApplication::getCompanyName() { return slot(companyName); }
CString *CApplication::getVersionString() { return slot(versionString); }
CString *CApplication::getLegalNotice() { return slot(legalNotice); }
CString *CApplication::getDescription() { return slot(description); }
CString *CApplication::getRegistryPath() { return slot(registryPath); }
CSystemString *CApplication::getApplicationPath() { return slot(applicationPath); }

void CApplication::setMainWindow(GUI::Windows::IWindow *window) { mainWindow = window; }
GUI::Windows::IWindow *CApplication::getMainWindow() { return mainWindow; }

void CApplication::initialiseApplication()
{
    char executable[PATH_MAX + 1] = {};
    const ssize_t length = readlink("/proc/self/exe", executable, PATH_MAX);
    CSystemString folder(length > 0 ? executable : " ");
    folder.removeFileName();
    setApplicationPath(folder);
}

void CApplication::releaseApplication()
{
    productName.reset();
    companyName.reset();
    versionString.reset();
    legalNotice.reset();
    description.reset();
    registryPath.reset();
    applicationPath.reset();
}
} // namespace Corvane::Orvo
