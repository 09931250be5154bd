#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// A 24-bit RGB colour of the drawing surfaces.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // From and to the 0x00BBGGRR order in which the print items store colours.
    static constexpr Color fromBgr(std::uint32_t bgr) {
        return Color{static_cast<std::uint8_t>(bgr & 0xFF),
                     static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
                     static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
    }
    constexpr std::uint32_t toBgr() const {
        return static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8) |
               (static_cast<std::uint32_t>(blue) << 16);
    }
    friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color white{255, 255, 255};
inline constexpr Color black{0, 0, 0};
inline constexpr Color silver{192, 192, 192};
inline constexpr Color yellow{255, 255, 0};
inline constexpr Color red{255, 0, 0};
}  // namespace colors

enum class BrushStyle {
    Solid,
    Clear,       // fills nothing; text drawn with it has a transparent background
    CrossHatch,  // diagonal cross hatch in the brush colour; the gaps stay transparent
};

struct Brush {
    Color color = colors::white;
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct Pen {
    Color color = colors::black;
    int width = 1;  // surface units
    friend bool operator==(const Pen&, const Pen&) = default;
};

// Font style flags, combinable; the values are those the print items store.
using FontStyles = std::uint8_t;
namespace fontStyle {
inline constexpr FontStyles bold = 1;
inline constexpr FontStyles italic = 2;
inline constexpr FontStyles underline = 4;
inline constexpr FontStyles strikeOut = 8;
}  // namespace fontStyle

// A font in surface units. A height below 0 is the character height (em size), a height
// above 0 the cell height including internal leading. A non-zero escapement (tenths of a
// degree, counter-clockwise) rotates the text about its start point; -900 reads top to bottom.
struct Font {
    std::string name = "Arial";
    int height = -13;
    FontStyles style = 0;
    Color color = colors::black;
    int escapement = 0;
    friend bool operator==(const Font&, const Font&) = default;
};

// The (negative, character) height of a font of `points` on a device of `pixelsPerInch`,
// rounded to the nearest unit: 10 pt at 96 dpi is -13, 30 pt is -40.
int fontHeightForPoints(int points, int pixelsPerInch);

}  // namespace velmora
