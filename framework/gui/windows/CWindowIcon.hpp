#pragma once

#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/graphics/CBaseImage.hpp"

namespace Corvane::GUI::Windows
{
/**
 * The picture a window class shows as its icon. A Linux program carries its icon as a PNG that
 * ships beside the program file, with the same name and the ending ".png", in the program's
 * folder or in its Resources folder; loading an icon "from a program file" finds that PNG.
 *
 * The icon is a counted image: each holder keeps its own reference, so icons that share one
 * picture (copyFrom) release it independently. A failed load leaves no icon, and a window
 * class is then made without one.
 */
class CWindowIcon : public Basics::CCountedObject, private Basics::TInstanceCounter<CWindowIcon>
{
public:
    CORVANE_DECLARE_CLASS

    /** No icon. */
    CWindowIcon();
    /** Holds @p icon (a reference is taken); null gives no icon. */
    explicit CWindowIcon(Graphics::CBaseImage *icon);
    /** The program's own icon: see loadIcon. */
    explicit CWindowIcon(long resourceNumber);
    CWindowIcon(const CWindowIcon &) = delete;
    CWindowIcon &operator=(const CWindowIcon &) = delete;

    /** Releases the held icon and holds @p icon. */
    void setIcon(Graphics::CBaseImage *icon);

    /**
     * Releases the held icon and loads the running program's own. A program here carries exactly
     * one icon, so every resource number names that one. Answers whether an icon was found.
     */
    bool loadIcon(long resourceNumber);

    /**
     * Releases the held icon and loads icon @p index of the file @p path: a PNG file is itself
     * the icon; any other file is a program file whose icon is its PNG (see the class comment).
     * Only index 0 exists. Answers whether an icon was found.
     */
    bool loadIconFromFile(const Basics::CSystemString &path, long index);

    /** Releases the held icon and shares @p other's. */
    void copyFrom(const CWindowIcon &other);

    /** The icon picture, or null. */
    Graphics::CBaseImage *getIcon() const;

private:
    /** The icon of @p path, or null when there is none or it cannot be read. */
    static Graphics::CBaseImage *findIcon(const Basics::CSystemString &path);
    /** The PNG that carries the icon of the program file @p path, or a blank when there is none. */
    static Basics::CSystemString findProgramIconFile(const Basics::CSystemString &path);

    Basics::TCountedReference<Graphics::CBaseImage> m_icon;
};
} // namespace Corvane::GUI::Windows
