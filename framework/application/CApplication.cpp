#include "framework/application/CApplication.hpp"

#include "framework/host/FileFunctions.hpp"
#include "framework/platform/IPlatformDriver.hpp"

#include <memory>

namespace Corvane::Application
{
using Basics::CString;
using Basics::CSystemString;

namespace
{
struct SApplicationRecord
{
    std::unique_ptr<CString> productName;
    std::unique_ptr<CString> companyName;
    std::unique_ptr<CString> versionString;
    std::unique_ptr<CString> legalNotice;
    std::unique_ptr<CString> description;
    std::unique_ptr<CString> registryPath;
    std::unique_ptr<CSystemString> applicationPath;
    GUI::Windows::IWindow *mainWindow = nullptr;
};

/**
 * Made on first use, after the class records of the texts, so that texts a program never released
 * still go before those records at the end of the process.
 */
SApplicationRecord &record()
{
    static SApplicationRecord values;
    return values;
}

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

void CApplication::setProductName(const CString &name) { set(record().productName, name); }
void CApplication::setCompanyName(const CString &name) { set(record().companyName, name); }
void CApplication::setVersionString(const CString &version) { set(record().versionString, version); }
void CApplication::setLegalNotice(const CString &notice) { set(record().legalNotice, notice); }
void CApplication::setDescription(const CString &text) { set(record().description, text); }
void CApplication::setRegistryPath(const CString &path) { set(record().registryPath, path); }
void CApplication::setApplicationPath(const CSystemString &path) { set(record().applicationPath, path); }

CString *CApplication::getProductName() { return slot(record().productName); }
CString *CApplication::getCompanyName() { return slot(record().companyName); }
CString *CApplication::getVersionString() { return slot(record().versionString); }
CString *CApplication::getLegalNotice() { return slot(record().legalNotice); }
CString *CApplication::getDescription() { return slot(record().description); }
CString *CApplication::getRegistryPath() { return slot(record().registryPath); }
CSystemString *CApplication::getApplicationPath() { return slot(record().applicationPath); }

void CApplication::setMainWindow(GUI::Windows::IWindow *window) { record().mainWindow = window; }
GUI::Windows::IWindow *CApplication::getMainWindow() { return record().mainWindow; }

void CApplication::initialiseApplication()
{
    CString folder(" ");
    Host::getApplicationPath(folder, true);
    setApplicationPath(folder);
}

void CApplication::releaseApplication()
{
    record().productName.reset();
    record().companyName.reset();
    record().versionString.reset();
    record().legalNotice.reset();
    record().description.reset();
    record().registryPath.reset();
    record().applicationPath.reset();
}
int CApplication::runMessageLoop()
{
    Platform::IPlatformDriver &driver = Platform::getPlatformDriver();
    while (driver.dispatchMessage(true) != Platform::EDispatch::QUIT)
    {
    }
    const int code = driver.getQuitCode();
    // The request is answered: a later loop (a test's, or a second window's) runs afresh.
    driver.resetQuit();
    return code;
}

void CApplication::postQuit()
{
    Platform::getPlatformDriver().postQuit(0);
}
} // namespace Corvane::Application
