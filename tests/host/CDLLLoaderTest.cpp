#include "framework/host/CDLLLoader.hpp"

#include "framework/basics/CException.hpp"
#include "framework/io/Log.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

using Corvane::Basics::CString;
using Corvane::Exceptions::CException;
using Corvane::Host::CDLLLoader;
using Corvane::Testing::TemporaryFolder;

namespace
{
using Answer = int (*)(int);

int ask(const CDLLLoader &loader, int question)
{
    auto answer = reinterpret_cast<Answer>(loader.getFunction("corvaneTestLibraryAnswer"));
    return answer != nullptr ? answer(question) : -1;
}
} // namespace

TEST(CDLLLoader, LoadsARealLibraryAndFindsItsFunction)
{
    CDLLLoader loader;
    EXPECT_STREQ(loader.getLibraryPath().getString(), " ");
    EXPECT_EQ(loader.getFunction("corvaneTestLibraryAnswer"), nullptr);

    EXPECT_NE(loader.loadDll(HOST_TEST_LIBRARY), nullptr);
    EXPECT_STREQ(loader.getLibraryPath().getString(), HOST_TEST_LIBRARY);
    EXPECT_EQ(ask(loader, 7), 43);
    EXPECT_EQ(loader.getFunction("noSuchFunction"), nullptr);

    loader.unloadDll();
    EXPECT_EQ(loader.getModuleHandle(), nullptr);
    EXPECT_EQ(loader.getFunction("corvaneTestLibraryAnswer"), nullptr);

    const CDLLLoader atOnce{CString(HOST_TEST_LIBRARY)};
    EXPECT_EQ(ask(atOnce, 1), 7);
}

TEST(CDLLLoader, TellsWhyALibraryCannotBeHad)
{
    TemporaryFolder folder;
    const std::string missing = folder.file("missing.so");
    try
    {
        CDLLLoader loader{CString(missing.c_str())};
        FAIL() << "a missing library loaded";
    }
    catch (const CException &exception)
    {
        EXPECT_EQ(exception.getErrorReason().getString(), missing + " doesnt exist");
        EXPECT_STREQ(exception.getFunctionName().getString(), "CDLLLoader::loadDll(const CString &)");
    }

    const std::string log = folder.file("log.txt");
    ASSERT_TRUE(Corvane::IO::openLog(log.c_str()));
    CDLLLoader loader;
    EXPECT_EQ(loader.loadDll(folder.write("text.so", "not a library").c_str()), nullptr);
    Corvane::IO::closeLog();
    EXPECT_EQ(TemporaryFolder::read(log).rfind("Cannot load the library " + folder.file("text.so") + ": ", 0), 0U);
}

TEST(CDLLLoader, ABareNameIsTheFileInTheWorkingFolder)
{
    TemporaryFolder folder;
    std::filesystem::copy_file(HOST_TEST_LIBRARY, folder.file("libanswer.so"));
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    CDLLLoader loader;
    EXPECT_NE(loader.loadDll("libanswer.so"), nullptr);
    EXPECT_EQ(ask(loader, 2), 13);
    // A system library by its bare name is not in this folder.
    EXPECT_THROW(loader.loadDll("libc.so.6"), CException);
    std::filesystem::current_path(previous);
}
