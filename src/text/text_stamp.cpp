// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_stamp.h"

#include "canvas/drawing_surface.h"
#include "platform/event_pump.h"
#include "platform/screen.h"

#include <optional>

namespace chromadeck {

namespace {
// An angle the font can take: a whole number whose tenths fit 16 bits.
std::optional<Integer> stampAngle(const QString& text) {
    const auto angle = textToInteger(text);
    if (!angle || *angle * 10 < -32768 || *angle * 10 > 32767) return std::nullopt;
    return angle;
}
}  // namespace

bool DrawRotatedText(Integer angle, DrawingSurface& target, const QString& faceName, float size,
                     float x, float y, const QString& text) {
    const int tenths = angle * 10;
    if (tenths < -32768 || tenths > 32767) return false;
    const auto height = toLong(-(20.0 * size / platform::kTwipsPerPixel));
    if (!height) return false;
    LogicalFont font;
    font.faceName = faceName;
    font.height = *height;
    font.escapement = tenths;
    font.weight = target.FontBold() ? 800 : 400;
    font.italic = false;
    const auto previous = target.SelectFont(font);
    target.setCurrentX(x);
    target.setCurrentY(y);
    target.Print(text);
    target.RestoreFont(previous);
    return true;
}

void StampText(TextPanel& panel, float X, float Y) {
    if (!stampAngle(panel.Combo6())) return;  // no usable angle: no stamp at all
    panel.setPicture1Pointer(platform::CursorCode::IBeam);
    for (int pass = 0; pass <= 360; pass += 30) {
        // Events run between the passes; if they take the window away, stop quietly.
        if (!panel.present()) return;
        DrawingSurface& canvas = panel.Picture1();
        canvas.Refresh();
        const QFont font = panel.Text5Font();
        canvas.setFontName(font.family());
        canvas.setFontBold(font.bold());
        canvas.setFontSize(font.pointSizeF());
        canvas.setFontItalic(font.italic());
        if (const auto angle = stampAngle(panel.Combo6()))
            DrawRotatedText(*angle, canvas, QStringLiteral("Arial"), float(font.pointSizeF()), X, Y,
                            panel.Text5());
        platform::PumpEvents();
    }
}

}  // namespace chromadeck
