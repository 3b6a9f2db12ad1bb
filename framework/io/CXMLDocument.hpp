#pragma once

#include "framework/basics/CSystemString.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/io/CXMLNode.hpp"

#include <cstdint>

namespace Corvane::IO
{
class CTextStream;

/**
 * An XML file of the framework's own kind: a declaration line, then one tag per line, all data
 * in attributes. The writer puts each tag on its own line, indented with tabs; the reader takes
 * what the writer makes, and skips what it cannot understand instead of failing: such lines are
 * ignored and reported in the framework log.
 */
class CXMLDocument : public Basics::CCountedObject, private Basics::TInstanceCounter<CXMLDocument>
{
public:
    CORVANE_DECLARE_CLASS

    /** Elements nested deeper than this are skipped when reading, so no file can exhaust the stack. */
    static constexpr long MAXIMUM_DEPTH = 256;

    CXMLDocument();
    CXMLDocument(const CXMLDocument &) = delete;
    CXMLDocument &operator=(const CXMLDocument &) = delete;

    CXMLNode *getRootNode() const { return m_rootNode.get(); }
    void setRootNode(CXMLNode *root);

    /**
     * Replaces the tree with the file's. False, keeping the tree, when the file cannot be opened or
     * does not begin with "<?xml"; lines that cannot be read are skipped and do not make it false.
     */
    bool readFile(const Basics::CSystemString &path);
    /** False when there is no root or the file cannot be opened for writing. */
    bool writeFile(const Basics::CSystemString &path);

    /** Reads the next line and answers whether it begins (after white space) with "<?xml". */
    static bool isXMLFile(CTextStream &stream);

private:
    void writeNode(CTextStream &stream, const CXMLNode &node);

    Basics::TCountedReference<CXMLNode> m_rootNode;
    std::int32_t m_writeDepth = 0;
};
} // namespace Corvane::IO
