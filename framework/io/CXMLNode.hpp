#pragma once

#include "framework/basics/TPointerCollection.hpp"
#include "framework/io/CXMLAttribute.hpp"

#include <vector>

namespace Corvane::IO
{
/**
 * One XML element: a name, ordered attributes and ordered child elements, each held by a counted
 * reference while listed. The link to the parent is weak, so a tree is freed as soon as its root
 * is released: a node remembers every node that names it as parent and clears their links when
 * it goes, so no link is ever left dangling.
 */
class CXMLNode : public Basics::CCountedObject, private Basics::TInstanceCounter<CXMLNode>
{
public:
    CORVANE_DECLARE_CLASS

    /** Links the node to @p parent (which may be null) without adding it to the parent's children. */
    CXMLNode(const Basics::CString &name, CXMLNode *parent);
    CXMLNode(const CXMLNode &) = delete;
    CXMLNode &operator=(const CXMLNode &) = delete;
    ~CXMLNode() override;

    const Basics::CString &getNodeName() const { return m_nodeName; }
    void setNodeName(const Basics::CString &name);

    CXMLNode *getParentNode() const { return m_parentNode; }
    /**
     * Links the node to @p parent. A parent that is this node or one of its descendants is
     * refused, since a tree that contains itself could never be written or freed.
     */
    void setParentNode(CXMLNode *parent);

    /** Makes this node the parent of @p child and appends it; null and refused children are ignored. */
    void addChildNode(CXMLNode *child);
    /** Appends a new child of that name and answers it. */
    CXMLNode *addChildNode(const Basics::CString &name);
    long getNumberOfChildNodes() const { return m_childNodes.getNumberOfElements(); }
    /** Null outside 0 to getNumberOfChildNodes() - 1. */
    CXMLNode *getChildNode(long index) const;
    /** The first child of exactly that name, or null. */
    CXMLNode *getChildNode(const Basics::CString &name) const;
    void removeChildNode(CXMLNode *child);
    void removeChildNode(const Basics::CString &name);

    /** Appends @p attribute; null is ignored. */
    void addAttribute(CXMLAttribute *attribute);
    /** Appends a new attribute and answers it. */
    CXMLAttribute *addAttribute(const Basics::CString &name, const Basics::CString &value);
    long getNumberOfAttributes() const { return m_attributes.getNumberOfElements(); }
    CXMLAttribute *getAttribute(long index) const;
    /** The first attribute of exactly that name, or null. */
    CXMLAttribute *getAttribute(const Basics::CString &name) const;
    /** A copy of the named attribute's value, or an empty text when there is none. */
    Basics::CString getAttributeValue(const Basics::CString &name) const;
    void removeAttribute(CXMLAttribute *attribute);
    void removeAttribute(const Basics::CString &name);

private:
    /** True when @p node is this node or one of its ancestors. */
    bool hasInLineage(const CXMLNode *node) const;
    bool linkToParent(CXMLNode *parent);
    void forgetLinkedNode(CXMLNode *node);

    Basics::CString m_nodeName;
    Basics::TCountedPointerArray<CXMLAttribute> m_attributes;
    CXMLNode *m_parentNode = nullptr;
    Basics::TCountedPointerArray<CXMLNode> m_childNodes;
    std::vector<CXMLNode *> m_linkedNodes; // the nodes whose parent this node is
};
} // namespace Corvane::IO
