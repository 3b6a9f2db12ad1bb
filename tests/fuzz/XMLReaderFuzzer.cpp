// Feeds arbitrary bytes to the XML reader. Besides crashes, hangs and memory errors it catches:
// a tree that is not freed with its document, and a written tree that does not read back into
// the same file (writing what was read, reading that and writing again must give the same bytes).
#include "framework/io/CXMLDocument.hpp"
#include "framework/io/Log.hpp"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

using Corvane::IO::CXMLDocument;
using Corvane::IO::CXMLNode;

namespace
{
std::string temporaryPath(const char *name)
{
    const char *folder = std::getenv("TMPDIR");
    return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/corvane-fuzz-" +
           std::to_string(getpid()) + "-" + name;
}

const std::string INPUT = temporaryPath("input.xml");
const std::string FIRST_COPY = temporaryPath("first.xml");
const std::string SECOND_COPY = temporaryPath("second.xml");

void removeFiles()
{
    for (const std::string *path : {&INPUT, &FIRST_COPY, &SECOND_COPY})
        std::remove(path->c_str());
}

/** Takes the last input's files away when the fuzzer ends. */
struct SScratchFiles
{
    ~SScratchFiles() { removeFiles(); }
};

std::string contentOf(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void check(bool condition, const char *failure)
{
    if (condition)
        return;
    std::fprintf(stderr, "xml-reader-fuzzer: %s\n", failure);
    std::abort();
}

/** Reads @p path and writes the tree to @p copy; false when there was no tree to write. */
bool copyThroughDocument(const std::string &path, const std::string &copy)
{
    CXMLDocument document;
    document.readFile(path.c_str());
    return document.getRootNode() != nullptr && document.writeFile(copy.c_str());
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The failure messages are formatted and written too, not dropped.
    Corvane::IO::openLog("/dev/null");
    static SScratchFiles removedAtTheEnd;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Fresh files: emptying an existing one makes ext4 write it back to disk on every close.
    removeFiles();
    std::ofstream(INPUT, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char *>(data),
                                                                   static_cast<std::streamsize>(size));
    if (copyThroughDocument(INPUT, FIRST_COPY))
    {
        check(copyThroughDocument(FIRST_COPY, SECOND_COPY), "a written document does not read back");
        check(contentOf(FIRST_COPY) == contentOf(SECOND_COPY), "a written document reads back differently");
    }
    check(CXMLNode::classRecord().getInstanceCount() == 0, "a tree outlived its document");
    return 0;
}
