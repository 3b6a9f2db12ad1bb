#include "framework/gui/graphics/CJPEGImage.hpp"

#include <turbojpeg.h>

#include <vector>

namespace Corvane::GUI::Graphics
{
CORVANE_DEFINE_CLASS(CJPEGImage, "CJPEGImage", "CBaseImage")

namespace
{
// The TurboJPEG layout whose bytes make one native ARGB32 word per pixel; it writes alpha 255.
constexpr int NATIVE_ARGB32_FORMAT = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? TJPF_BGRA : TJPF_ARGB;

// A damaged file is refused rather than shown in part: after a warning the decoder may still fail
// and leave rows unwritten, and its error code cannot tell that apart from a clean ending. A
// progressive file may announce any number of scans; past a few hundred it is an attack on the
// decoder's time, not a picture.
constexpr int DECODING_FLAGS = TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS;

/** A TurboJPEG decompressor, freed however the decoding ends. */
class CJPEGDecoder
{
public:
    CJPEGDecoder() : m_handle(tjInitDecompress()) {}
    CJPEGDecoder(const CJPEGDecoder &) = delete;
    CJPEGDecoder &operator=(const CJPEGDecoder &) = delete;
    ~CJPEGDecoder()
    {
        if (m_handle != nullptr)
            tjDestroy(m_handle);
    }

    tjhandle handle() const { return m_handle; }
    /** TurboJPEG's reason for the last failure. */
    Basics::CString reason(const char *what) const { return Basics::CString(what) += tjGetErrorStr2(m_handle); }

private:
    tjhandle m_handle;
};
} // namespace

CJPEGImage::CJPEGImage(const Basics::CSystemString &path) : CBaseImage(false)
{
    loadOrThrow(path, "CJPEGImage::CJPEGImage(const CSystemString &)");
}

long CJPEGImage::getImageType() const
{
    return JPEG_IMAGE;
}

bool CJPEGImage::isJPEGFilename(const Basics::CSystemString &path)
{
    return endsWithAny(path, {"jpg", "jpeg", "JPG", "JPEG"});
}

// TurboJPEG catches libjpeg's errors inside its own C code and reports them by result, so no
// long jump ever crosses this function.
bool CJPEGImage::loadFromFile(const Basics::CSystemString &path)
{
    if (!startLoading(path, isJPEGFilename(path), "Filename is not of JPEG type"))
        return false;
    std::vector<unsigned char> file;
    if (!readPictureFile(path.getString(), file))
        return failLoading("Could not find file with matching details");
    CJPEGDecoder decoder;
    if (decoder.handle() == nullptr)
        return failLoading(Basics::CString("Could not start the JPEG decoder: ") += tjGetErrorStr2(nullptr));
    int width = 0, height = 0, subsampling = 0, colourSpace = 0;
    if (tjDecompressHeader3(decoder.handle(), file.data(), file.size(), &width, &height, &subsampling,
                            &colourSpace) != 0)
        return failLoading(decoder.reason("Failed to read the JPEG file: "));
    if (const char *sizeError = checkPictureSize(width, height))
        return failLoading(sizeError);
    PictureSurface picture = createPictureSurface(width, height);
    if (picture == nullptr)
        return failLoading("Failed to aquire HBITMAP from Bitmap image");
    long rowWords = 0;
    auto *pixels = reinterpret_cast<unsigned char *>(getPictureWords(picture.get(), rowWords));
    if (tjDecompress2(decoder.handle(), file.data(), file.size(), pixels, width, static_cast<int>(rowWords * 4),
                      height, NATIVE_ARGB32_FORMAT, DECODING_FLAGS) != 0)
        return failLoading(decoder.reason("Failed to decode the JPEG file: "));
    return finishLoading(std::move(picture));
}
} // namespace Corvane::GUI::Graphics
