#include "framework/io/CXMLDocument.hpp"
#include "framework/io/Log.hpp"
#include "tests/support/LiveCounts.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using Corvane::Basics::CString;
using Corvane::IO::CXMLAttribute;
using Corvane::IO::CXMLDocument;
using Corvane::IO::CXMLNode;
using Corvane::Testing::LiveCounts;
using Corvane::Testing::TemporaryFolder;

namespace
{
const std::string DECLARATION = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";

/**
 * Each test works in its own folder, sees what the framework logged, and can check that nothing
 * it made is left alive.
 */
class XMLTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Corvane::IO::openLog(folder.file("log.txt").c_str()));
        // The lists' shared policies live from their first use to the end of the process.
        CXMLNode("warm-up", nullptr).addChildNode("child")->addAttribute("a", "1");
        before = std::make_unique<LiveCounts>();
    }

    std::string leftAlive() const { return LiveCounts().differencesFrom(*before); }
    void TearDown() override { Corvane::IO::closeLog(); }

    std::string logged() const { return TemporaryFolder::read(folder.file("log.txt")); }

    /** Writes @p content to a file and reads it into @p document. */
    bool read(CXMLDocument &document, const std::string &content)
    {
        return document.readFile(folder.write("in.xml", content).c_str());
    }

    /** The bytes the writer makes of @p document. */
    std::string written(CXMLDocument &document)
    {
        EXPECT_TRUE(document.writeFile(folder.file("out.xml").c_str()));
        return TemporaryFolder::read(folder.file("out.xml"));
    }

    TemporaryFolder folder;
    std::unique_ptr<LiveCounts> before;
};
} // namespace

TEST_F(XMLTest, WritesTheExactBytesAndReadsTheSameTreeBack)
{
    {
        CXMLDocument document;
        document.setRootNode(new CXMLNode("settings", nullptr));
        CXMLNode *item = document.getRootNode()->addChildNode("item");
        item->addAttribute("a", "1");
        item->addAttribute(new CXMLAttribute("b", "x<y"));
        const std::string expected = DECLARATION + "<settings>\n\t<item a=\"1\" b=\"x&lt;y\"/>\n</settings>";
        EXPECT_EQ(written(document), expected);

        CXMLDocument copy;
        ASSERT_TRUE(read(copy, expected));
        const CXMLNode *root = copy.getRootNode();
        ASSERT_NE(root, nullptr);
        EXPECT_STREQ(root->getNodeName().getString(), "settings");
        ASSERT_EQ(root->getNumberOfChildNodes(), 1);
        const CXMLNode *readItem = root->getChildNode(0L);
        EXPECT_EQ(readItem->getParentNode(), root);
        EXPECT_EQ(readItem->getNumberOfAttributes(), 2);
        EXPECT_STREQ(readItem->getAttributeValue("a").getString(), "1");
        EXPECT_STREQ(readItem->getAttributeValue("b").getString(), "x<y");
        EXPECT_EQ(written(copy), expected);

        // A root alone closes itself, with a line end.
        CXMLDocument single;
        single.setRootNode(new CXMLNode("root", nullptr));
        EXPECT_EQ(written(single), DECLARATION + "<root/>\n");
        ASSERT_TRUE(read(single, DECLARATION + "<root/>\n"));
        EXPECT_STREQ(single.getRootNode()->getNodeName().getString(), "root");
        EXPECT_EQ(single.getRootNode()->getNumberOfChildNodes(), 0);
    }
    // The whole tree goes with its document, though every child links to its parent.
    EXPECT_EQ(leftAlive(), "");
}

TEST_F(XMLTest, ValuesReadBackExactlyAsWritten)
{
    {
        const char *values[] = {"line\nbreak\r", "&lt;", "x&y<z", "a=b", "/>", "\"quoted\" 'single'", "  blanks  ",
                                "&amp;lt;", "tab\there"};
        CXMLDocument document;
        document.setRootNode(new CXMLNode("root", nullptr));
        CXMLNode *deep = document.getRootNode()->addChildNode("a")->addChildNode("b");
        for (const char *value : values)
            deep->addAttribute(CString("v"), CString(value));
        deep->addAttribute("long", std::string(3000, 'x').c_str());
        deep->addAttribute("my name", "");
        const std::string text = written(document);
        EXPECT_NE(text.find("v=\"line&#10;break&#13;\""), std::string::npos);
        EXPECT_NE(text.find(" my_name=\"\""), std::string::npos);
        EXPECT_NE(text.find("\"/>\n\t</a>\n</root>"), std::string::npos);

        CXMLDocument copy;
        ASSERT_TRUE(read(copy, text));
        const CXMLNode *readDeep = copy.getRootNode()->getChildNode("a")->getChildNode("b");
        ASSERT_NE(readDeep, nullptr);
        ASSERT_EQ(readDeep->getNumberOfAttributes(), 11);
        for (long index = 0; index < 9; index++)
            EXPECT_STREQ(readDeep->getAttribute(index)->getValue().getString(), values[index]);
        EXPECT_EQ(readDeep->getAttributeValue("long").getSize(), 3001);
        EXPECT_NE(readDeep->getAttribute("my_name"), nullptr);
    }
    EXPECT_EQ(leftAlive(), "");
    EXPECT_EQ(logged(), "");
}

TEST_F(XMLTest, RefusesFilesWithoutTheDeclarationAndKeepsTheTree)
{
    CXMLDocument document;
    ASSERT_TRUE(read(document, DECLARATION + "<kept/>"));
    const std::string bom = "\xEF\xBB\xBF";
    for (const std::string &content : {bom + DECLARATION + "<root/>", "\n" + DECLARATION, std::string("<root/>\n"),
                                       std::string()})
        EXPECT_FALSE(read(document, content)) << content;
    const std::string missing = folder.file("missing.xml");
    EXPECT_FALSE(document.readFile(missing.c_str()));
    EXPECT_FALSE(document.writeFile(folder.file("no/such/folder.xml").c_str()));
    EXPECT_STREQ(document.getRootNode()->getNodeName().getString(), "kept");
    EXPECT_FALSE(CXMLDocument().writeFile(folder.file("empty.xml").c_str()));

    std::string expected;
    for (int count = 0; count < 4; count++)
        expected += "Failed to read XML DTD on path = " + folder.file("in.xml") + "\n";
    expected += "Failed to open XML stream with path = " + missing + "\n";
    expected += "Failed to open XML stream with path = " + folder.file("no/such/folder.xml") + "\n";
    EXPECT_EQ(logged(), expected);
}

TEST_F(XMLTest, SkipsWhatItCannotReadAndGoesOn)
{
    {
        std::string deep;
        for (long level = 0; level < CXMLDocument::MAXIMUM_DEPTH + 10; level++)
            deep = "<d>\n" + deep + "</d>\n";
        const std::string content = DECLARATION + "</early>\n  <!-- comment -->\n<?pi?>\nloose text\n" +
                                    "<root a=\"1\" b=\"open>\n\t<child x=\"1\"/>\n< nameless=\"1\"/>\n<\t!bang>\n<x/>\n</>\n" +
                                    "<c \"no name\" =\"empty name\" n=\"/>\"/>\n" + std::string("<bin\x01\xff ok=\"\x80\"/>\n") +
                                    deep + "</root>\n<second/>\n";
        CXMLDocument document;
        ASSERT_TRUE(read(document, content));
        const CXMLNode *root = document.getRootNode();
        ASSERT_NE(root, nullptr);
        EXPECT_STREQ(root->getNodeName().getString(), "root");
        EXPECT_EQ(root->getNumberOfAttributes(), 1);
        ASSERT_EQ(root->getNumberOfChildNodes(), 4);
        EXPECT_STREQ(root->getChildNode(0L)->getAttributeValue("x").getString(), "1");
        const CXMLNode *c = root->getChildNode(1L);
        ASSERT_EQ(c->getNumberOfAttributes(), 2);
        EXPECT_STREQ(c->getAttribute(CString(""))->getValue().getString(), "empty name");
        EXPECT_STREQ(c->getAttributeValue("n").getString(), "/>");
        EXPECT_STREQ(root->getChildNode(2L)->getAttributeValue("ok").getString(), "\x80");

        long depth = 0;
        for (const CXMLNode *node = root->getChildNode(3L); node != nullptr; node = node->getChildNode(0L))
            depth++;
        EXPECT_EQ(depth, CXMLDocument::MAXIMUM_DEPTH - 1);
        EXPECT_EQ(logged(), "Failed to close XML attribute tag\nIgnored XML element without a usable name\n"
                            "Ignored XML element without a usable name\n"
                            "Ignored XML element nested too deeply\nIgnored XML element after the root element\n");
    }
    EXPECT_EQ(leftAlive(), "");
}

TEST_F(XMLTest, AttributesNormaliseNamesAndConvertValues)
{
    EXPECT_STREQ(CXMLAttribute(" my name\t", "v").getName().getString(), "my_name");
    EXPECT_STREQ(CXMLAttribute("d", 2.5).getValue().getString(), "2.500000");
    EXPECT_STREQ(CXMLAttribute("f", 0.25f).getValue().getString(), "0.250000");
    EXPECT_STREQ(CXMLAttribute("l", -42L).getValue().getString(), "-42");
    EXPECT_STREQ(CXMLAttribute("i", 7).getValue().getString(), "7");
    EXPECT_STREQ(CXMLAttribute("b", false).getValue().getString(), "False");
    EXPECT_STREQ(CXMLAttribute("t", "text").getValue().getString(), "text");

    CXMLAttribute attribute("x", true);
    EXPECT_TRUE(attribute.getValueAsBool());
    for (const char *notTrue : {"true", "TRUE", "True "})
    {
        attribute.setValue(notTrue);
        EXPECT_FALSE(attribute.getValueAsBool()) << notTrue;
    }
    attribute.setValue(CString("12.75xyz"));
    EXPECT_EQ(attribute.getValueAsFloat(), 12.75f);
    EXPECT_EQ(attribute.getValueAsInt(), 12);
}

TEST_F(XMLTest, NodesFindAndRemoveChildrenAndAttributesByName)
{
    {
        CXMLNode root("root", nullptr);
        CXMLNode *first = root.addChildNode("x");
        root.addChildNode("y");
        root.addChildNode("x");
        EXPECT_EQ(root.getChildNode(CString("x")), first);
        EXPECT_EQ(root.getChildNode(3L), nullptr);
        root.removeChildNode(CString("x"));
        ASSERT_EQ(root.getNumberOfChildNodes(), 2);
        EXPECT_STREQ(root.getChildNode(0L)->getNodeName().getString(), "y");

        CXMLAttribute *a = root.addAttribute("a", "1");
        root.addAttribute(new CXMLAttribute("a", "2"));
        EXPECT_EQ(root.getAttribute(CString("a")), a);
        EXPECT_STREQ(root.getAttributeValue("missing").getString(), "");
        root.removeAttribute(a);
        EXPECT_STREQ(root.getAttributeValue("a").getString(), "2");
        root.removeAttribute(CString("a"));
        EXPECT_EQ(root.getAttribute(0L), nullptr);
    }
    EXPECT_EQ(leftAlive(), "");
}

TEST_F(XMLTest, ParentLinksNeitherKeepNodesAliveNorDangle)
{
    {
        auto *root = new CXMLNode("root", nullptr);
        root->reference();
        CXMLNode *child = root->addChildNode("child");
        CXMLNode *grandchild = child->addChildNode("grandchild");
        grandchild->reference(); // kept by someone else
        auto *unlisted = new CXMLNode("unlisted", child);
        EXPECT_EQ(unlisted->getParentNode(), child);
        EXPECT_EQ(child->getNumberOfChildNodes(), 1);

        // A node cannot hold itself or an ancestor.
        child->addChildNode(child);
        child->addChildNode(root);
        root->setParentNode(grandchild);
        EXPECT_EQ(child->getNumberOfChildNodes(), 1);
        EXPECT_EQ(root->getParentNode(), nullptr);

        root->dereference(); // the tree goes, but for the grandchild, which forgets its parent
        EXPECT_EQ(grandchild->getParentNode(), nullptr);
        EXPECT_EQ(unlisted->getParentNode(), nullptr);
        delete unlisted;
        grandchild->dereference();
    }
    EXPECT_EQ(leftAlive(), "");
}
