#include "framework/gui/graphics/CImageManager.hpp"

#include "framework/basics/CException.hpp"
#include "framework/basics/CProcessServices.hpp"
#include "framework/gui/graphics/ImageFactory.hpp"
#include "framework/io/CTextStream.hpp"
#include "framework/io/CXMLDocument.hpp"
#include "framework/io/Log.hpp"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace Corvane::GUI::Graphics
{
using Basics::CString;
using Basics::CSystemString;
using Basics::TCountedPointerArray;

CORVANE_DEFINE_CLASS(CImageManager::CImageReference, "CImageManager::CImageReference", "CCountedObject")
CORVANE_DEFINE_CLASS(CImageManager::CAnimationReference, "CImageManager::CAnimationReference", "CCountedObject")

namespace
{
constexpr const char *ROOT_ELEMENT = "image_manager_root";
constexpr const char *IMAGES_ELEMENT = "images";
constexpr const char *ANIMATIONS_ELEMENT = "animations";
constexpr const char *ENTRY_ELEMENT = "image";
constexpr const char *RELATIVE_PATH = "relative_path";
constexpr const char *FILE_NAME = "filename";
constexpr const char *REFERENCE_NAME = "reference_name";
constexpr const char *FRAME_HEIGHT = "frame_height";
constexpr const char *NUMBER_OF_FRAMES = "number_of_frames";
constexpr const char *NO_RELATIVE_PATH = "{}";
constexpr const char *IMAGE_STORE_SERVICE = "image stores";
constexpr const char *CAUGHT_EXCEPTION =
    "Caught unknown exception in the ImageManager::loadFromDefinitionFile function";

// Owned here and deleted only by shutdown(): the lists' shared policies are statics of their own,
// which the end of the process may destroy first.
TCountedPointerArray<CImageManager::CImageReference> *s_images = nullptr;
TCountedPointerArray<CImageManager::CAnimationReference> *s_animations = nullptr;
CSystemString *s_basePath = nullptr;

/** The first entry of @p entries (null before the store is initialised) that @p matches, or null. */
template <class Entry, class Predicate> Entry *findEntry(const TCountedPointerArray<Entry> *entries, Predicate matches)
{
    for (long index = 0; entries != nullptr && index < entries->getNumberOfElements(); index++)
        if (Entry *entry = entries->getElementAtIndex(index); matches(*entry))
            return entry;
    return nullptr;
}

template <class Entry> Entry *findEntryNamed(const TCountedPointerArray<Entry> *entries, const CString &name)
{
    return findEntry(entries, [&name](const Entry &entry) { return entry.getReferenceName() == name; });
}

template <class Entry> Entry *findEntryShowing(const TCountedPointerArray<Entry> *entries, const CBaseImage *image)
{
    return findEntry(entries, [image](const Entry &entry) { return entry.getImage() == image; });
}

template <class Entry, class Action> void forEachEntry(const TCountedPointerArray<Entry> *entries, Action action)
{
    for (long index = 0; entries != nullptr && index < entries->getNumberOfElements(); index++)
        action(*entries->getElementAtIndex(index));
}

/** An "image" element naming @p entry, added to @p section. */
template <class Entry> IO::CXMLNode *addEntryNode(IO::CXMLNode *section, const Entry &entry)
{
    IO::CXMLNode *node = section->addChildNode(ENTRY_ELEMENT);
    node->addAttribute(RELATIVE_PATH, entry.getRelativePath());
    node->addAttribute(FILE_NAME, entry.getFileName());
    node->addAttribute(REFERENCE_NAME, entry.getReferenceName());
    return node;
}

/** Calls @p action with every child of @p section; nothing for a missing section. */
template <class Action> void forEachChild(const IO::CXMLNode *section, Action action)
{
    for (long index = 0; section != nullptr && index < section->getNumberOfChildNodes(); index++)
        action(*section->getChildNode(index));
}

/** Logs @p message followed by @p subject; false, for the failed entry. */
bool logFailure(const char *message, const CString &subject)
{
    IO::logObjectMessage(subject, message);
    return false;
}

/** A line's comma-separated fields, each without its leading white space. */
std::vector<CString> splitFields(const CString &line)
{
    std::vector<CString> fields;
    std::string field;
    for (const char *character = line.getString();; character++)
    {
        if (*character != ',' && *character != '\0')
        {
            field += *character;
            continue;
        }
        fields.emplace_back(field.c_str());
        fields.back().removeLeadingWhiteSpace();
        field.clear();
        if (*character == '\0')
            return fields;
    }
}

/**
 * A decimal whole number at the start of @p field (after white space, with its sign), as far as
 * its digits go. False when there are no digits or the number does not fit 32 bits.
 */
bool readWholeNumber(const CString &field, long &value)
{
    const char *text = field.getString();
    char *end = nullptr;
    errno = 0;
    const long number = std::strtol(text, &end, 10);
    if (end == text || errno == ERANGE || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max())
        return false;
    value = number;
    return true;
}

/** Reads the lines of a skin text that follow its "<start_skin>" line, adding their entries. */
class CSkinTextReader
{
public:
    explicit CSkinTextReader(IO::CTextStream &stream) : m_stream(stream) {}

    /** True when every line loaded. Reading stops at "<end_skin>" or at the end of the file. */
    bool readEntries()
    {
        bool allLoaded = true;
        while (!m_stream.isEndOfFile())
        {
            CString line;
            m_stream >> line;
            line.removeLeadingWhiteSpace();
            line.removeTrailingWhiteSpace();
            if (line == "<end_skin>")
                break;
            // Blank lines, the file's last read among them, say nothing.
            if (line != "" && line[0] != '#')
                allLoaded = readLine(line) && allLoaded;
        }
        return allLoaded;
    }

private:
    enum class Section
    {
        NONE,
        IMAGES,
        ANIMATIONS
    };

    bool readLine(const CString &line)
    {
        if (line == "<images>")
            m_section = Section::IMAGES;
        else if (line == "<animations>")
            m_section = Section::ANIMATIONS;
        else if (m_section == Section::IMAGES)
            return readImageLine(line);
        else if (m_section == Section::ANIMATIONS)
            return readAnimationLine(line);
        else
            return logFailure("Unknown line with buffer ", line);
        return true;
    }

    /** relative path, file name, reference name */
    static bool readImageLine(const CString &line)
    {
        const std::vector<CString> fields = splitFields(line);
        if (fields.size() != 3)
            return logFailure("Failed to load image with buffer ", line);
        if (!CImageManager::addImage(fields[0], fields[1], fields[2]))
            return logFailure("Failed to load image with filename ", fields[1]);
        return true;
    }

    /** relative path, file name, reference name, frame height, number of frames */
    static bool readAnimationLine(const CString &line)
    {
        const std::vector<CString> fields = splitFields(line);
        long frameHeight = 0;
        long numberOfFrames = 0;
        if (fields.size() != 5 || !readWholeNumber(fields[3], frameHeight) ||
            !readWholeNumber(fields[4], numberOfFrames) ||
            !CImageManager::addAnimation(fields[0], fields[1], fields[2], frameHeight, numberOfFrames))
            return logFailure("Failed to load animation with buffer ", line);
        return true;
    }

    IO::CTextStream &m_stream;
    Section m_section = Section::NONE;
};
} // namespace

CImageManager::CImageEntry::CImageEntry(CBaseImage *image, const CString &referenceName,
                                        const CSystemString &relativePath, const CSystemString &fileName)
    : m_image(image), m_referenceName(referenceName), m_relativePath(relativePath), m_fileName(fileName)
{
}

CImageManager::CImageReference::CImageReference(CBaseImage *image, const CString &referenceName,
                                                const CSystemString &relativePath, const CSystemString &fileName)
    : CImageEntry(image, referenceName, relativePath, fileName)
{
}

CImageManager::CAnimationReference::CAnimationReference(CBaseImage *image, const CString &referenceName,
                                                        const CSystemString &relativePath,
                                                        const CSystemString &fileName, long frameHeight,
                                                        long numberOfFrames)
    : CImageEntry(image, referenceName, relativePath, fileName), m_frameHeight(static_cast<std::int32_t>(frameHeight)),
      m_numberOfFrames(static_cast<std::int32_t>(numberOfFrames))
{
}

void CImageManager::initialise()
{
    if (s_images == nullptr)
        s_images = new TCountedPointerArray<CImageReference>();
    if (s_animations == nullptr)
        s_animations = new TCountedPointerArray<CAnimationReference>();
    if (s_basePath == nullptr)
        s_basePath = new CSystemString(" ");
    Basics::CProcessServices::registerService(IMAGE_STORE_SERVICE, shutdown);
}

void CImageManager::shutdown()
{
    delete s_images;
    s_images = nullptr;
    delete s_animations;
    s_animations = nullptr;
    delete s_basePath;
    s_basePath = nullptr;
    Basics::CProcessServices::withdrawService(IMAGE_STORE_SERVICE);
}

bool CImageManager::isInitialised()
{
    return s_images != nullptr;
}

void CImageManager::setBasePath(const CSystemString &path)
{
    initialise();
    *s_basePath = path;
}

CSystemString CImageManager::getBasePath()
{
    return s_basePath != nullptr ? *s_basePath : CSystemString(" ");
}

CBaseImage *CImageManager::createListedImage(const CSystemString &relativePath, const CSystemString &fileName)
{
    initialise();
    CSystemString folder = getBasePath();
    if (relativePath != NO_RELATIVE_PATH)
        folder = joinImagePath(folder, relativePath);
    folder.convertSlashes();
    return createImage(folder, fileName);
}

bool CImageManager::addImage(const CSystemString &relativePath, const CSystemString &fileName,
                             const CString &referenceName)
{
    CBaseImage *image = createListedImage(relativePath, fileName);
    if (image == nullptr)
        return false;
    s_images->addElement(new CImageReference(image, referenceName, relativePath, fileName));
    return true;
}

bool CImageManager::addAnimation(const CSystemString &relativePath, const CSystemString &fileName,
                                 const CString &referenceName, long frameHeight, long numberOfFrames)
{
    CBaseImage *image = createListedImage(relativePath, fileName);
    if (image == nullptr)
        return false;
    if (frameHeight == -1 || numberOfFrames == -1)
    {
        // A loaded picture is never empty, so the width divides safely.
        const MathTools::CDimension &size = image->getImageSize();
        frameHeight = size.getWidth();
        numberOfFrames = size.getHeight() / size.getWidth();
    }
    s_animations->addElement(
        new CAnimationReference(image, referenceName, relativePath, fileName, frameHeight, numberOfFrames));
    return true;
}

CBaseImage *CImageManager::getImage(const CString &referenceName)
{
    const CImageReference *entry = findEntryNamed(s_images, referenceName);
    return entry != nullptr ? entry->getImage() : nullptr;
}

CBaseImage *CImageManager::getAnimation(const CString &referenceName, long &frameHeight, long &numberOfFrames)
{
    const CAnimationReference *entry = getAnimationReference(referenceName);
    if (entry == nullptr)
        return nullptr;
    frameHeight = entry->getFrameHeight();
    numberOfFrames = entry->getNumberOfFrames();
    return entry->getImage();
}

CImageManager::CAnimationReference *CImageManager::getAnimationReference(const CString &referenceName)
{
    return findEntryNamed(s_animations, referenceName);
}

CString CImageManager::getReferenceName(const CBaseImage *image)
{
    if (image != nullptr)
    {
        if (const CImageReference *entry = findEntryShowing(s_images, image))
            return entry->getReferenceName();
        if (const CAnimationReference *entry = findEntryShowing(s_animations, image))
            return entry->getReferenceName();
    }
    return CString(" ");
}

void CImageManager::getReferenceNames(Basics::TPointerCollection<CString> &names)
{
    const auto appendName = [&names](const CImageEntry &entry) {
        names.addElement(new CString(entry.getReferenceName()));
    };
    forEachEntry(s_images, appendName);
    forEachEntry(s_animations, appendName);
}

bool CImageManager::saveToXMLFile(const CSystemString &path)
{
    IO::CXMLDocument document;
    auto *root = new IO::CXMLNode(ROOT_ELEMENT, nullptr);
    document.setRootNode(root);
    IO::CXMLNode *images = root->addChildNode(IMAGES_ELEMENT);
    forEachEntry(s_images, [images](const CImageReference &entry) { addEntryNode(images, entry); });
    IO::CXMLNode *animations = root->addChildNode(ANIMATIONS_ELEMENT);
    forEachEntry(s_animations, [animations](const CAnimationReference &entry) {
        IO::CXMLNode *node = addEntryNode(animations, entry);
        node->addAttribute(new IO::CXMLAttribute(FRAME_HEIGHT, entry.getFrameHeight()));
        node->addAttribute(new IO::CXMLAttribute(NUMBER_OF_FRAMES, entry.getNumberOfFrames()));
    });
    return document.writeFile(path);
}

bool CImageManager::loadFromXMLFile(const CSystemString &path)
{
    IO::CXMLDocument document;
    if (!document.readFile(path))
        return false;
    const IO::CXMLNode *root = document.getRootNode();
    if (root == nullptr || root->getNodeName() != ROOT_ELEMENT)
        return false;
    forEachChild(root->getChildNode(IMAGES_ELEMENT), [](const IO::CXMLNode &node) {
        const CString fileName = node.getAttributeValue(FILE_NAME);
        if (!addImage(node.getAttributeValue(RELATIVE_PATH), fileName, node.getAttributeValue(REFERENCE_NAME)))
            logFailure("Failed to load image with filename ", fileName);
    });
    forEachChild(root->getChildNode(ANIMATIONS_ELEMENT), [](const IO::CXMLNode &node) {
        const CString fileName = node.getAttributeValue(FILE_NAME);
        if (!addAnimation(node.getAttributeValue(RELATIVE_PATH), fileName, node.getAttributeValue(REFERENCE_NAME),
                          CString::toLong(node.getAttributeValue(FRAME_HEIGHT).getString()),
                          CString::toLong(node.getAttributeValue(NUMBER_OF_FRAMES).getString())))
            logFailure("Failed to load animation with filename ", fileName);
    });
    return true;
}

bool CImageManager::loadFromDefinitionFile(const CSystemString &path)
{
    try
    {
        IO::CTextStream stream(path, IO::CTextStream::MODE_READ);
        CString firstLine;
        stream >> firstLine;
        if (firstLine != "<start_skin>")
            return loadFromXMLFile(path);
        return CSkinTextReader(stream).readEntries();
    }
    catch (const Exceptions::CException &exception)
    {
        IO::logMessage("%s", CAUGHT_EXCEPTION);
        IO::logObjectMessage(exception.getErrorReason(), "The reason was : ");
    }
    catch (...)
    {
        IO::logMessage("%s", CAUGHT_EXCEPTION);
    }
    return false;
}
} // namespace Corvane::GUI::Graphics
