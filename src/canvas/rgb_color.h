// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRgb>
#include <cstdint>

namespace chromadeck {

// A colour as the program stores it everywhere: red + 256 * green + 65536 * blue,
// red in the low byte. Reading a pixel outside a surface yields the value -1.
struct RgbColor {
    std::int32_t value = 0;

    constexpr int red() const { return value & 0xFF; }
    constexpr int green() const { return (value >> 8) & 0xFF; }
    constexpr int blue() const { return (value >> 16) & 0xFF; }
    constexpr bool isNoPixel() const { return value == -1; }

    // Opaque 0xAARRGGBB word as stored in an RGB32 image.
    constexpr QRgb toQRgb() const {
        return 0xFF000000u | (static_cast<QRgb>(red()) << 16) | (static_cast<QRgb>(green()) << 8) |
               static_cast<QRgb>(blue());
    }
    QColor toQColor() const { return QColor(red(), green(), blue()); }

    static constexpr RgbColor fromQRgb(QRgb rgb) {
        return RgbColor{static_cast<std::int32_t>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) |
                                                  ((rgb & 0xFF) << 16))};
    }
    static RgbColor fromQColor(const QColor& c) {
        return RgbColor{c.red() | (c.green() << 8) | (c.blue() << 16)};
    }

    friend constexpr bool operator==(RgbColor a, RgbColor b) { return a.value == b.value; }
};

// Channels outside 0..255 keep only their low byte, as a packed colour must.
constexpr RgbColor RGB(int r, int g, int b) {
    return RgbColor{(r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16)};
}

inline constexpr RgbColor kNoPixel{-1};

}  // namespace chromadeck
