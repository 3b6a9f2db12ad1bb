#pragma once

#include "framework/basics/TCountedReference.hpp"
#include "framework/basics/TPointerCollection.hpp"
#include "framework/gui/graphics/CBaseImage.hpp"

namespace Corvane::GUI::Graphics
{
/**
 * The process-wide store of named pictures: single images, and animations whose frames are
 * stacked from the top of one picture. Each entry is found by its reference name; adding a name
 * twice adds a second entry, and lookups find the first. Pictures are looked for under the base
 * folder, in the entry's relative path ("{}" for none).
 *
 * A skin is described in a definition file, either an XML document rooted at
 * "image_manager_root" or a skin text beginning with "<start_skin>". Entries that cannot be
 * added are written to the framework log and the rest still load.
 *
 * One thread uses the store. initialise() and shutdown() bracket its life. Before and after,
 * lookups find nothing, and adding an entry or setting the base folder initialises the store.
 * The store is a process service: initialise() registers it, so the process shutdown deletes it.
 */
class CImageManager
{
public:
    class CImageReference;
    class CAnimationReference;

    CImageManager() = delete;

    /** Makes the lists and the base folder that are missing, and registers the store as a process service. */
    static void initialise();
    /** Deletes both lists, releasing every picture, and the base folder; withdraws the service. */
    static void shutdown();
    static bool isInitialised();

    static void setBasePath(const Basics::CSystemString &path);
    /** A single blank until set. */
    static Basics::CSystemString getBasePath();

    /**
     * Lists the picture @p fileName in @p relativePath as @p referenceName. False when the file
     * name has no picture ending; a picture file that cannot be loaded throws CException.
     */
    static bool addImage(const Basics::CSystemString &relativePath, const Basics::CSystemString &fileName,
                         const Basics::CString &referenceName);
    /**
     * As addImage, for an animation. A frame height or frame count of -1 means square frames
     * stacked from the top: the frame height becomes the width, the count height / width.
     */
    static bool addAnimation(const Basics::CSystemString &relativePath, const Basics::CSystemString &fileName,
                             const Basics::CString &referenceName, long frameHeight, long numberOfFrames);

    /** The picture of the first image named @p referenceName, or null. */
    static CBaseImage *getImage(const Basics::CString &referenceName);
    /** The picture of the first animation named @p referenceName with its frames; null, touching neither, when none. */
    static CBaseImage *getAnimation(const Basics::CString &referenceName, long &frameHeight, long &numberOfFrames);
    static CAnimationReference *getAnimationReference(const Basics::CString &referenceName);
    /** The name of the first image, else of the first animation, that shows @p image; " " when none. */
    static Basics::CString getReferenceName(const CBaseImage *image);
    /** Appends a new copy of every image name, then of every animation name, to @p names. */
    static void getReferenceNames(Basics::TPointerCollection<Basics::CString> &names);

    /** Writes every entry into an XML definition file; whether the file was written. */
    static bool saveToXMLFile(const Basics::CSystemString &path);
    /** Adds the entries of an XML definition file; false when it is not one. */
    static bool loadFromXMLFile(const Basics::CSystemString &path);
    /**
     * Adds the entries of a skin text, or of an XML definition file when the first line is not
     * exactly "<start_skin>". True when every entry loaded; false when the file is no definition
     * file or any line failed (each failure is logged and the next line is still read).
     */
    static bool loadFromDefinitionFile(const Basics::CSystemString &path);

private:
    class CImageEntry;

    /** The picture @p fileName in @p relativePath under the base folder, made by its ending; null for none. */
    static CBaseImage *createListedImage(const Basics::CSystemString &relativePath,
                                         const Basics::CSystemString &fileName);
};

/** What both kinds of entry hold: the picture, by counted reference, and the names it was listed under. */
class CImageManager::CImageEntry
{
public:
    CImageEntry(CBaseImage *image, const Basics::CString &referenceName, const Basics::CSystemString &relativePath,
                const Basics::CSystemString &fileName);
    CImageEntry(const CImageEntry &) = delete;
    CImageEntry &operator=(const CImageEntry &) = delete;

    CBaseImage *getImage() const { return m_image.get(); }
    const Basics::CString &getReferenceName() const { return m_referenceName; }
    const Basics::CSystemString &getRelativePath() const { return m_relativePath; }
    const Basics::CSystemString &getFileName() const { return m_fileName; }

private:
    Basics::TCountedReference<CBaseImage> m_image;
    Basics::CString m_referenceName;
    Basics::CSystemString m_relativePath;
    Basics::CSystemString m_fileName;
};

class CImageManager::CImageReference : public Basics::CCountedObject,
                                       public CImageManager::CImageEntry,
                                       private Basics::TInstanceCounter<CImageManager::CImageReference>
{
public:
    CORVANE_DECLARE_CLASS

    CImageReference(CBaseImage *image, const Basics::CString &referenceName,
                    const Basics::CSystemString &relativePath, const Basics::CSystemString &fileName);
};

class CImageManager::CAnimationReference : public Basics::CCountedObject,
                                           public CImageManager::CImageEntry,
                                           private Basics::TInstanceCounter<CImageManager::CAnimationReference>
{
public:
    CORVANE_DECLARE_CLASS

    CAnimationReference(CBaseImage *image, const Basics::CString &referenceName,
                        const Basics::CSystemString &relativePath, const Basics::CSystemString &fileName,
                        long frameHeight, long numberOfFrames);

    long getFrameHeight() const { return m_frameHeight; }
    long getNumberOfFrames() const { return m_numberOfFrames; }

private:
    std::int32_t m_frameHeight;
    std::int32_t m_numberOfFrames;
};
} // namespace Corvane::GUI::Graphics
