// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the snapshot step target reads its input, shared with the seed writer so that seeds
// hold steps that fit the picture the target makes: three bytes choose the picture's
// width and height (1 to 16) and how the rest is used, the rest is either a step to take
// or pixel changes to encode as one.
#include <QByteArray>
#include <QImage>
#include <cstdint>

namespace snapshot_input {

constexpr int kHeaderBytes = 3;
constexpr std::uint8_t kBackFlag = 1;     // take the step backwards
constexpr std::uint8_t kAlphaFlag = 2;    // an ARGB32 picture instead of RGB32
constexpr std::uint8_t kChangesFlag = 4;  // the rest are pixel changes, not a step

// The picture a step is taken on: every pixel different, so a misplaced run shows.
inline QImage StartPicture(const std::uint8_t* header) {
    const int width = header[0] % 16 + 1, height = header[1] % 16 + 1;
    QImage picture(width, height,
                   header[2] & kAlphaFlag ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgba(x * 16, y * 16, (x * y) & 255, 255));
    return picture;
}

}  // namespace snapshot_input
