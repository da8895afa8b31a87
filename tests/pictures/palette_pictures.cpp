// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette_pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace chromadeck::testing {

namespace {

constexpr int kWidth = 640, kHeight = 400;

using Colour = std::array<double, 3>;

QRgb rounded(const Colour& c) {
    auto channel = [](double v) { return int(std::lround(std::clamp(v, 0.0, 255.0))); };
    return qRgb(channel(c[0]), channel(c[1]), channel(c[2]));
}

Colour mix(const Colour& a, const Colour& b, double t) {
    return {a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t};
}

Colour colourOf(QRgb c) {
    return {double(qRed(c)), double(qGreen(c)), double(qBlue(c))};
}

// A fixed pseudo-random value in [-1, 1] for a pixel and channel: the same on every machine.
double grain(int x, int y, int channel) {
    std::uint32_t h = std::uint32_t(x) * 0x9E3779B1u ^ std::uint32_t(y) * 0x85EBCA77u ^
                      std::uint32_t(channel) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return double(h & 0xffff) / 32767.5 - 1.0;
}

// How much of a pixel centred at (px, py) a stroke of width w from a to b covers, roughly.
double strokeCover(double px, double py, double ax, double ay, double bx, double by, double w) {
    const double dx = bx - ax, dy = by - ay;
    const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    const double d = std::hypot(px - (ax + t * dx), py - (ay + t * dy));
    return std::clamp(w / 2 + 0.5 - d, 0.0, 1.0);
}

void fillRect(QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) image.setPixel(x, y, colour);
}

// A framed flat box: a control or a panel.
void box(QImage& image, int x0, int y0, int x1, int y1, QRgb fill, QRgb border) {
    fillRect(image, x0, y0, x1, y1, border);
    fillRect(image, x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill);
}

// A line of made-up letters, each two or three smoothed strokes in a 7 x 12 cell, blended
// over whatever is below: the in-between shades a screen's text brings.
void text(QImage& image, int x0, int y0, int letters, QRgb ink, int seed) {
    const Colour fg = colourOf(ink);
    for (int i = 0; i < letters; ++i) {
        const double cx = x0 + 7.0 * i;
        std::array<std::array<double, 4>, 3> strokes{};
        int count = 0;
        const double pick = grain(i, seed, 3);
        strokes[count++] = {cx + 1, double(y0 + 2), cx + 1, double(y0 + 10)};
        if (pick > -0.3) strokes[count++] = {cx + 1, double(y0 + 6), cx + 5, double(y0 + 6)};
        if (pick > 0.2)
            strokes[count++] = {cx + 1, double(y0 + 2), cx + 5, double(y0 + 10)};
        else
            strokes[count++] = {cx + 5, double(y0 + 2), cx + 5, double(y0 + 10)};
        for (int y = y0; y < y0 + 12; ++y)
            for (int x = int(cx); x < int(cx) + 7; ++x) {
                double cover = 0;
                for (int s = 0; s < count; ++s) {
                    const auto& k = strokes[s];
                    cover =
                        std::max(cover, strokeCover(x + 0.5, y + 0.5, k[0], k[1], k[2], k[3], 1.1));
                }
                if (cover > 0)
                    image.setPixel(x, y, rounded(mix(colourOf(image.pixel(x, y)), fg, cover)));
            }
    }
}

}  // namespace

QImage gradientPicture() {
    const Colour stops[] = {{38, 84, 152}, {96, 150, 210}, {196, 214, 236}};
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double t = (x + 0.35 * y) / (kWidth - 1 + 0.35 * (kHeight - 1));
            Colour c =
                t < 0.5 ? mix(stops[0], stops[1], 2 * t) : mix(stops[1], stops[2], 2 * t - 1);
            c[0] += 14.0 * y / (kHeight - 1);
            image.setPixel(x, y, rounded(c));
        }
    return image;
}

QImage photoPicture() {
    struct Light {
        double x, y, radius;
        Colour colour;
    };
    const Light lights[] = {{150, 120, 110, {120, 90, 20}},
                            {470, 260, 150, {30, 110, 60}},
                            {320, 60, 90, {90, 40, 110}}};
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            Colour c = mix({70, 110, 160}, {40, 60, 45}, double(y) / (kHeight - 1));
            for (const Light& l : lights) {
                const double d2 = (x - l.x) * (x - l.x) + (y - l.y) * (y - l.y);
                const double k = std::exp(-d2 / (2 * l.radius * l.radius));
                for (int a = 0; a < 3; ++a) c[a] += l.colour[a] * k;
            }
            // A dark round stone lit from the upper left, with a hard outline.
            const double sx = x - 420.0, sy = y - 150.0;
            if (sx * sx + sy * sy < 70.0 * 70.0) {
                const double lit = std::clamp(0.5 - (sx + sy) / 200.0, 0.0, 1.0);
                c = mix({35, 28, 24}, {150, 130, 110}, lit);
            }
            for (int a = 0; a < 3; ++a) c[a] += 7.0 * grain(x, y, a);
            image.setPixel(x, y, rounded(c));
        }
    return image;
}

QImage screenshotPicture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(qRgb(240, 240, 240));
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < kWidth; ++x)
            image.setPixel(x, y,
                           rounded(mix({0, 84, 166}, {60, 140, 220}, double(x) / (kWidth - 1))));
    text(image, 8, 6, 18, qRgb(255, 255, 255), 1);
    fillRect(image, 0, 24, 120, kHeight, qRgb(45, 52, 64));
    for (int i = 0; i < 8; ++i)
        text(image, 12, 40 + 28 * i, 12 - i % 4, qRgb(220, 224, 230), 10 + i);
    box(image, 136, 40, 624, 380, qRgb(255, 255, 255), qRgb(200, 200, 200));
    for (int i = 0; i < 9; ++i)
        text(image, 150, 56 + 20 * i, 30 + (i * 7) % 23, qRgb(30, 30, 30), 30 + i);
    box(image, 150, 340, 230, 366, qRgb(225, 225, 225), qRgb(173, 173, 173));
    text(image, 162, 347, 8, qRgb(0, 0, 0), 50);
    box(image, 240, 340, 320, 366, qRgb(0, 120, 215), qRgb(0, 84, 153));
    text(image, 252, 347, 8, qRgb(255, 255, 255), 51);
    // A photograph in the page, as a screen capture of a document or a web page holds one.
    const QImage photo = photoPicture().copy(300, 80, 200, 140);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x) image.setPixel(400 + x, 180 + y, photo.pixel(x, y));
    return image;
}

double psnr(const QImage& a, const QImage& b) {
    const QImage p = a.convertToFormat(QImage::Format_RGB32);
    const QImage q = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const QRgb c = p.pixel(x, y), d = q.pixel(x, y);
            const int dr = qRed(c) - qRed(d), dg = qGreen(c) - qGreen(d), db = qBlue(c) - qBlue(d);
            sum += dr * dr + dg * dg + db * db;
        }
    if (sum == 0) return std::numeric_limits<double>::infinity();
    const double mse = sum / (3.0 * p.width() * p.height());
    return 10 * std::log10(255.0 * 255.0 / mse);
}

}  // namespace chromadeck::testing
