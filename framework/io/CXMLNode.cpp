#include "framework/io/CXMLNode.hpp"

#include <algorithm>

namespace Corvane::IO
{
using Basics::CString;

CORVANE_DEFINE_CLASS(CXMLNode, "CXMLNode", "CCountedObject")

namespace
{
/** The first element of @p list whose @p nameOf equals @p name, or null. */
template <class T, class NameOf>
T *findByName(const Basics::TPointerCollection<T> &list, const CString &name, NameOf nameOf)
{
    for (long index = 0; index < list.getNumberOfElements(); index++)
    {
        T *element = list.getElementAtIndex(index);
        if (element != nullptr && (element->*nameOf)() == name)
            return element;
    }
    return nullptr;
}
} // namespace

CXMLNode::CXMLNode(const CString &name, CXMLNode *parent) : m_nodeName(name)
{
    setParentNode(parent);
}

CXMLNode::~CXMLNode()
{
    for (CXMLNode *node : m_linkedNodes)
        node->m_parentNode = nullptr;
    m_linkedNodes.clear();
    setParentNode(nullptr);
}

void CXMLNode::setNodeName(const CString &name)
{
    m_nodeName = name;
}

void CXMLNode::setParentNode(CXMLNode *parent)
{
    linkToParent(parent);
}

bool CXMLNode::linkToParent(CXMLNode *parent)
{
    if (parent == m_parentNode)
        return true;
    if (parent != nullptr && parent->hasInLineage(this))
        return false;
    if (m_parentNode != nullptr)
        m_parentNode->forgetLinkedNode(this);
    m_parentNode = parent;
    if (parent != nullptr)
        parent->m_linkedNodes.push_back(this);
    return true;
}

void CXMLNode::forgetLinkedNode(CXMLNode *node)
{
    m_linkedNodes.erase(std::remove(m_linkedNodes.begin(), m_linkedNodes.end(), node), m_linkedNodes.end());
}

bool CXMLNode::hasInLineage(const CXMLNode *node) const
{
    for (const CXMLNode *ancestor = this; ancestor != nullptr; ancestor = ancestor->m_parentNode)
        if (ancestor == node)
            return true;
    return false;
}

void CXMLNode::addChildNode(CXMLNode *child)
{
    if (child != nullptr && child->linkToParent(this))
        m_childNodes.addElement(child);
}

CXMLNode *CXMLNode::addChildNode(const CString &name)
{
    auto *child = new CXMLNode(name, this);
    addChildNode(child);
    return child;
}

CXMLNode *CXMLNode::getChildNode(long index) const
{
    return index < 0 || index >= getNumberOfChildNodes() ? nullptr : m_childNodes.getElementAtIndex(index);
}

CXMLNode *CXMLNode::getChildNode(const CString &name) const
{
    return findByName(m_childNodes, name, &CXMLNode::getNodeName);
}

void CXMLNode::removeChildNode(CXMLNode *child)
{
    if (child != nullptr)
        m_childNodes.removeElement(child);
}

void CXMLNode::removeChildNode(const CString &name)
{
    removeChildNode(getChildNode(name));
}

void CXMLNode::addAttribute(CXMLAttribute *attribute)
{
    if (attribute != nullptr)
        m_attributes.addElement(attribute);
}

CXMLAttribute *CXMLNode::addAttribute(const CString &name, const CString &value)
{
    auto *attribute = new CXMLAttribute(name, value);
    addAttribute(attribute);
    return attribute;
}

CXMLAttribute *CXMLNode::getAttribute(long index) const
{
    return index < 0 || index >= getNumberOfAttributes() ? nullptr : m_attributes.getElementAtIndex(index);
}

CXMLAttribute *CXMLNode::getAttribute(const CString &name) const
{
    return findByName(m_attributes, name, &CXMLAttribute::getName);
}

CString CXMLNode::getAttributeValue(const CString &name) const
{
    const CXMLAttribute *attribute = getAttribute(name);
    return attribute != nullptr ? attribute->getValue() : CString();
}

void CXMLNode::removeAttribute(CXMLAttribute *attribute)
{
    if (attribute != nullptr)
        m_attributes.removeElement(attribute);
}

void CXMLNode::removeAttribute(const CString &name)
{
    removeAttribute(getAttribute(name));
}
} // namespace Corvane::IO
