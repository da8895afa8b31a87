#include "text_stamp.h"

#include "canvas/canvas.h"
#include "platform/common_dialog.h"
#include "platform/event_pump.h"
#include "platform/screen.h"

#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QPointer>
#include <optional>

namespace chromadeck {

namespace {
// An angle the font can take: a whole number whose tenths fit 16 bits.
std::optional<Integer> stampAngle(const QComboBox& box) {
    const auto angle = textToInteger(box.currentText());
    if (!angle || *angle * 10 < -32768 || *angle * 10 > 32767) return std::nullopt;
    return angle;
}
}  // namespace

bool DrawRotatedText(Integer angle, Canvas& target, const QString& faceName, float size, float x,
                     float y, const QString& text) {
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

TextStamper::TextStamper(const TextControls& controls) : controls_(controls) {}

void TextStamper::Option2_Click() {
    controls_.Text5->setVisible(true);
}

void TextStamper::Option1_Click() {
    controls_.Text5->setVisible(false);
}

void TextStamper::Command12_Click() {
    platform::CommonDialog& dialog = *controls_.CDlg;
    // The dialog opens on the font the text box shows.
    const QFont current = controls_.Text5->font();
    dialog.Font = {current.family(), current.pointSizeF(), current.bold(), current.italic()};
    if (!dialog.ShowFont()) return;
    QFont chosen(dialog.Font.name);
    chosen.setPointSizeF(dialog.Font.size);
    chosen.setBold(dialog.Font.bold);
    chosen.setItalic(dialog.Font.italic);
    controls_.Text5->setFont(chosen);
}

void TextStamper::Command13_Click() {
    platform::CommonDialog& dialog = *controls_.CDlg;
    if (!dialog.ShowColor()) return;
    controls_.Picture1->setForeColor(RgbColor::fromQColor(dialog.Color));
}

void TextStamper::Stamp(float X, float Y) {
    // Events run between the passes; if they take the window away, stop quietly.
    QPointer<Canvas> canvas = controls_.Picture1;
    QPointer<QLineEdit> box = controls_.Text5;
    QPointer<QComboBox> angleBox = controls_.Combo6;
    if (!stampAngle(*angleBox)) return;  // no usable angle: no stamp at all
    canvas->setMousePointer(platform::CursorCode::IBeam);
    for (int pass = 0; pass <= 360; pass += 30) {
        if (!canvas || !box || !angleBox) return;
        canvas->Refresh();
        const QFont font = box->font();
        canvas->setFontName(font.family());
        canvas->setFontBold(font.bold());
        canvas->setFontSize(font.pointSizeF());
        canvas->setFontItalic(font.italic());
        if (const auto angle = stampAngle(*angleBox))
            DrawRotatedText(*angle, *canvas, QStringLiteral("Arial"), float(font.pointSizeF()), X,
                            Y, box->text());
        platform::PumpEvents();
    }
}

}  // namespace chromadeck
