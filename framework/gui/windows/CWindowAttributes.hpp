#pragma once

#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/windows/CWindowIcon.hpp"
#include "framework/mathtools/CColour.hpp"

#include <cstdint>

namespace Corvane::GUI::Windows
{
/**
 * Everything a window is made from: its title, background colour, constant alpha, icon, whether
 * it starts enabled, whether it casts a drop shadow, and its style bits. The style numbers are
 * the ones the platform layer reads: STYLE_RESIZABLE (0x00CF0000, with caption, system menu,
 * sizing frame, minimise and maximise boxes), STYLE_FIXED_FRAME (0x00CA0000: caption, system
 * menu and minimise box only) and EXTENDED_STYLE_ACCEPT_FILES (dropped files are accepted).
 * The icon is held by counted reference, so records that share it share one picture.
 */
class CWindowAttributes : public Basics::CCountedObject, private Basics::TInstanceCounter<CWindowAttributes>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr std::uint32_t STYLE_RESIZABLE = 0x00CF0000;
    static constexpr std::uint32_t STYLE_FIXED_FRAME = 0x00CA0000;
    /** What a new record and PRESET_RESIZABLE give: the resizable style. */
    static constexpr std::uint32_t DEFAULT_STYLE = 0x00CF0008;
    static constexpr std::uint32_t EXTENDED_STYLE_ACCEPT_FILES = 16;
    /** A popup: no frame, placed in screen coordinates; the platform layer makes it a menu window. */
    static constexpr std::uint32_t STYLE_POPUP = 0x80000000;
    /** Stays above every window that is not topmost. */
    static constexpr std::uint32_t EXTENDED_STYLE_TOPMOST = 0x00000008;
    /** Shown with the record's alpha as its opacity, where a compositor runs. */
    static constexpr std::uint32_t EXTENDED_STYLE_LAYERED = 0x00080000;
    /** Never takes the keyboard focus, not even when clicked. */
    static constexpr std::uint32_t EXTENDED_STYLE_NO_ACTIVATE = 0x08000000;

    static constexpr long PRESET_RESIZABLE = 0;
    static constexpr long PRESET_FIXED_FRAME = 1;
    static constexpr long PRESET_FIXED_FRAME_TOO = 2;

    /** "Application" on white, opaque, enabled, no shadow, resizable, accepting dropped files. */
    CWindowAttributes();
    CWindowAttributes(const CWindowAttributes &other);
    CWindowAttributes &operator=(const CWindowAttributes &other);

    void setAttributes(const Basics::CString &title, const MathTools::CColour &backgroundColour, double alpha,
                       CWindowIcon *icon, bool enabled, bool dropShadow);
    /** Holds @p icon (by counted reference) instead of the current one; null for none. */
    void setWindowIcon(CWindowIcon *icon);
    void setWindowStyle(std::uint32_t style, std::uint32_t extendedStyle);
    /**
     * PRESET_RESIZABLE gives DEFAULT_STYLE, PRESET_FIXED_FRAME and PRESET_FIXED_FRAME_TOO give
     * STYLE_FIXED_FRAME, each accepting dropped files; any other value changes nothing.
     */
    void setWindowStylePreset(long preset);

    const Basics::CString &getTitle() const { return m_title; }
    const MathTools::CColour &getBackgroundColour() const { return m_backgroundColour; }
    /** 0.0 (invisible) to 1.0 (opaque). */
    double getAlpha() const { return m_alpha; }
    CWindowIcon *getWindowIcon() const { return m_icon.get(); }
    bool isEnabled() const { return m_enabled; }
    bool hasDropShadow() const { return m_dropShadow; }
    std::uint32_t getWindowStyle() const { return m_style; }
    std::uint32_t getExtendedWindowStyle() const { return m_extendedStyle; }

private:
    Basics::CString m_title;
    MathTools::CColour m_backgroundColour;
    double m_alpha = 1.0;
    Basics::TCountedReference<CWindowIcon> m_icon;
    bool m_enabled = true;
    bool m_dropShadow = false;
    std::uint32_t m_style = DEFAULT_STYLE;
    std::uint32_t m_extendedStyle = EXTENDED_STYLE_ACCEPT_FILES;
};
} // namespace Corvane::GUI::Windows
