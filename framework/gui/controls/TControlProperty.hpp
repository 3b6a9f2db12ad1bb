#pragma once

#include "framework/gui/controls/CControlDescriptor.hpp"
#include "framework/gui/controls/CNameList.hpp"

#include <cstddef>

namespace Corvane::GUI::Controls
{
/**
 * One row of a control class's property table: the display name, the kind of value, how to read
 * the property into a descriptor, and how to apply a descriptor whose value already has the
 * kind's class (write answers false when the descriptor is still not acceptable). Each control
 * class keeps a static table of its own rows and hands unknown names to its parent class.
 */
template <class Control> struct TControlProperty
{
    const char *name;
    long type;
    void (*read)(const Control &control, CControlDescriptor &descriptor);
    bool (*write)(Control &control, const CControlDescriptor &descriptor);
};

/** The value of a descriptor that applyControlProperty has checked to be a @p Value. */
template <class Value> const Value &descriptorValue(const CControlDescriptor &descriptor)
{
    return static_cast<const Value &>(*descriptor.getValue());
}

/** Makes @p descriptor's value the list of @p names, with @p selected as its choice. */
template <std::size_t N>
void setChoiceValue(CControlDescriptor &descriptor, const char *const (&names)[N], long selected)
{
    auto *list = new CNameList;
    for (const char *name : names)
        list->addName(name);
    descriptor.setValue(list);
    descriptor.setSelectedIndex(selected);
}

/** The row named exactly @p name (case counts), or null. */
template <class Control, std::size_t N>
const TControlProperty<Control> *findControlProperty(const TControlProperty<Control> (&table)[N],
                                                      const Basics::CString &name)
{
    for (const TControlProperty<Control> &row : table)
        if (name == row.name)
            return &row;
    return nullptr;
}

/** Appends a new descriptor without a value for each row, in table order. */
template <class Control, std::size_t N>
void appendControlProperties(const TControlProperty<Control> (&table)[N],
                             Basics::TPointerCollection<CControlDescriptor> &list)
{
    for (const TControlProperty<Control> &row : table)
        list.addElement(new CControlDescriptor(row.name, row.type));
}

/** Fills @p descriptor's value from the row of its name; false when the table has no such row. */
template <class Control, std::size_t N>
bool readControlProperty(const TControlProperty<Control> (&table)[N], const Control &control,
                         CControlDescriptor &descriptor)
{
    const TControlProperty<Control> *row = findControlProperty(table, descriptor.getName());
    if (row == nullptr)
        return false;
    row->read(control, descriptor);
    return true;
}

/** Applies @p descriptor through @p row when its value is present and of the row's class. */
template <class Control>
bool applyControlProperty(const TControlProperty<Control> &row, Control &control, const CControlDescriptor &descriptor)
{
    const Basics::CClass *valueClass = CControlDescriptor::getValueClass(row.type);
    return valueClass != nullptr && descriptor.isValueOfType(*valueClass) && row.write(control, descriptor);
}
} // namespace Corvane::GUI::Controls
