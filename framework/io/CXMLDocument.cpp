#include "framework/io/CXMLDocument.hpp"

#include "framework/io/CTextStream.hpp"
#include "framework/io/Log.hpp"
#include "framework/io/XMLText.hpp"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace Corvane::IO
{
using Basics::CString;

CORVANE_DEFINE_CLASS(CXMLDocument, "CXMLDocument", "CCountedObject")

namespace
{
/** The next line whole: the text stream hands out long lines in pieces. */
CString readWholeLine(CTextStream &stream)
{
    std::string line;
    do
    {
        CString piece;
        stream >> piece;
        line += piece.getString();
    } while (stream.wasLineCut());
    return CString(line.c_str());
}

std::string trimmed(const std::string &text)
{
    CString copy(text.c_str());
    copy.removeWhiteSpace();
    return copy.getString();
}

/**
 * The element name of an opening tag, still escaped: trimmed, and with the '/' of an empty
 * element cut off, which sets @p closesItself.
 */
std::string elementName(const std::string &text, bool &closesItself)
{
    std::string name = trimmed(text);
    while (!name.empty() && name.back() == '/')
    {
        closesItself = true;
        name = trimmed(name.substr(0, name.size() - 1));
    }
    return name;
}

/** Whether the writer can put this (escaped) name back in a tag that reads as the same element. */
bool isUsableName(const std::string &name)
{
    return !name.empty() && name[0] != '!' && name[0] != '?' && name[0] != '/';
}

/** What the attribute part of an opening tag holds. */
struct AttributeScan
{
    std::vector<std::pair<CString, CString>> attributes;
    bool closesElement = false;
    bool valueLeftOpen = false;
};

/**
 * Scans name="value" pairs. Blanks outside quotes are skipped; inside quotes every character up
 * to the closing quote belongs to the value, so a value can hold '=' and "/>" and still read back
 * as written. "/>" outside quotes closes the element.
 */
AttributeScan scanAttributes(const char *text)
{
    AttributeScan scan;
    std::string work;
    bool insideQuotes = false;
    bool namePending = false;
    CString pendingName;
    for (const char *c = text; *c != '\0'; c++)
    {
        if (*c == '"')
        {
            if (insideQuotes && namePending)
                scan.attributes.emplace_back(pendingName, unescapeXMLText(CString(work.c_str())));
            if (insideQuotes)
                namePending = false;
            insideQuotes = !insideQuotes;
            work.clear();
        }
        else if (insideQuotes)
            work += *c;
        else if (*c == '=')
        {
            pendingName = unescapeXMLText(CString(work.c_str()));
            namePending = true;
            work.clear();
        }
        else if (*c == '/' && c[1] == '>')
            scan.closesElement = true;
        else if (*c != ' ')
            work += *c;
    }
    scan.valueLeftOpen = namePending;
    return scan;
}

/**
 * Builds a document's tree from its tag lines, one line at a time. Every opening tag either adds
 * an element to the tree or, when it cannot (no name, no place outside the root element, too
 * deep), is skipped together with everything inside it, so the closing tags still pair up.
 */
class TagLineParser
{
public:
    explicit TagLineParser(CXMLDocument &document) : m_document(document) {}

    /** @p line has its white space trimmed. */
    void parse(const CString &line)
    {
        const char *text = line.getString();
        if (text[0] != '<' || text[1] == '!' || text[1] == '?')
            return;
        if (text[1] == '/')
            closeElement();
        else
            openElement(text + 1);
    }

private:
    void openElement(const char *tag)
    {
        const char *blank = std::strchr(tag, ' ');
        const char *end = blank != nullptr ? blank : std::strrchr(tag, '>');
        bool closesItself = false;
        const std::string name = elementName(
            std::string(tag, end != nullptr ? static_cast<std::size_t>(end - tag) : std::strlen(tag)), closesItself);
        const AttributeScan scan = scanAttributes(blank != nullptr ? blank + 1 : "");
        if (CXMLNode *node = addElement(name))
            for (const auto &[attributeName, value] : scan.attributes)
                node->addAttribute(new CXMLAttribute(attributeName, value));
        if (scan.valueLeftOpen)
            logMessage("Failed to close XML attribute tag");
        if (closesItself || scan.closesElement)
            closeElement();
    }

    /** Why an element of this name cannot enter the tree here, or null when it can. */
    const char *reasonToSkip(const std::string &name) const
    {
        if (!isUsableName(name))
            return "Ignored XML element without a usable name";
        if (m_document.getRootNode() != nullptr && m_current == nullptr)
            return "Ignored XML element after the root element";
        if (m_depth >= CXMLDocument::MAXIMUM_DEPTH)
            return "Ignored XML element nested too deeply";
        return nullptr;
    }

    /** Adds the element of that escaped name and makes it current; null when it is skipped instead. */
    CXMLNode *addElement(const std::string &escapedName)
    {
        // Inside a skipped element everything is skipped, and reported once with it.
        const char *skipReason = m_skippedDepth > 0 ? nullptr : reasonToSkip(escapedName);
        if (skipReason != nullptr)
            logMessage("%s", skipReason);
        if (m_skippedDepth > 0 || skipReason != nullptr)
        {
            m_skippedDepth++;
            return nullptr;
        }
        const CString plainName = unescapeXMLText(CString(escapedName.c_str()));
        if (m_current == nullptr)
        {
            m_current = new CXMLNode(plainName, nullptr);
            m_document.setRootNode(m_current);
        }
        else
            m_current = m_current->addChildNode(plainName);
        m_depth++;
        return m_current;
    }

    void closeElement()
    {
        if (m_skippedDepth > 0)
            m_skippedDepth--;
        else if (m_current != nullptr)
        {
            m_current = m_current->getParentNode();
            m_depth--;
        }
    }

    CXMLDocument &m_document;
    CXMLNode *m_current = nullptr;
    long m_depth = 0;
    long m_skippedDepth = 0;
};
} // namespace

CXMLDocument::CXMLDocument() = default;

void CXMLDocument::setRootNode(CXMLNode *root)
{
    m_rootNode.reset(root);
}

bool CXMLDocument::isXMLFile(CTextStream &stream)
{
    CString line = readWholeLine(stream);
    line.removeWhiteSpace();
    return std::strncmp(line.getString(), "<?xml", 5) == 0;
}

bool CXMLDocument::readFile(const Basics::CSystemString &path)
{
    CTextStream stream(path, CTextStream::MODE_READ);
    if (!stream.isStreamOpenForReading())
    {
        logObjectMessage(path, "Failed to open XML stream with path = ");
        return false;
    }
    if (!isXMLFile(stream))
    {
        logObjectMessage(path, "Failed to read XML DTD on path = ");
        return false;
    }
    setRootNode(nullptr);
    TagLineParser parser(*this);
    while (!stream.isEndOfFile())
    {
        CString line = readWholeLine(stream);
        line.removeWhiteSpace();
        parser.parse(line);
    }
    return true;
}

bool CXMLDocument::writeFile(const Basics::CSystemString &path)
{
    if (!m_rootNode)
        return false;
    m_writeDepth = 0;
    CTextStream stream(path, CTextStream::MODE_WRITE);
    if (!stream.isStreamOpenForWriting())
    {
        logObjectMessage(path, "Failed to open XML stream with path = ");
        return false;
    }
    stream << "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";
    writeNode(stream, *m_rootNode);
    return true;
}

void CXMLDocument::writeNode(CTextStream &stream, const CXMLNode &node)
{
    const std::string name = escapeXMLText(node.getNodeName()).getString();
    std::string tag = "<" + name;
    for (long index = 0; index < node.getNumberOfAttributes(); index++)
    {
        const CXMLAttribute *attribute = node.getAttribute(index);
        tag += std::string(" ") + escapeXMLText(attribute->getName()).getString() + "=\"" +
               escapeXMLText(attribute->getValue()).getString() + "\"";
    }
    if (node.getNumberOfChildNodes() == 0)
    {
        stream << (tag + "/>\n").c_str();
        return;
    }
    stream << (tag + ">\n").c_str();
    m_writeDepth++;
    for (long index = 0; index < node.getNumberOfChildNodes(); index++)
    {
        stream << std::string(static_cast<std::size_t>(m_writeDepth), '\t').c_str();
        writeNode(stream, *node.getChildNode(index));
    }
    m_writeDepth--;
    const char *lineEnd = &node == m_rootNode.get() ? "" : "\n";
    stream << (std::string(static_cast<std::size_t>(m_writeDepth), '\t') + "</" + name + ">" + lineEnd).c_str();
}
} // namespace Corvane::IO
