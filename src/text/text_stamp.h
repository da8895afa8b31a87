#pragma once

#include "canvas/numeric.h"

#include <QString>

class QComboBox;
class QLineEdit;

namespace chromadeck {

class Canvas;
class DrawingSurface;
namespace platform {
class CommonDialog;
}

// The main window's controls that text stamping reads and sets.
struct TextControls {
    Canvas* Picture1 = nullptr;
    QLineEdit* Text5 = nullptr;   // the text and its font
    QComboBox* Combo6 = nullptr;  // the angle in whole degrees, counter-clockwise
    platform::CommonDialog* CDlg = nullptr;
};

// Builds a font of the face and size (points) turned by angle degrees, weighted by the
// target's FontBold (800 or 400), never italic, and prints the text with it at (x, y)
// in the target's units: the top-left of the text turns about that point. An angle whose
// tenths do not fit 16 bits prints nothing and returns false.
bool DrawRotatedText(Integer angle, DrawingSurface& target, const QString& faceName, float size,
                     float x, float y, const QString& text);

// The text box, its font and colour buttons, and the stamp of a press in mode "6".
class TextStamper {
  public:
    explicit TextStamper(const TextControls& controls);

    void Option2_Click();    // "显示文本框": show the text box
    void Option1_Click();    // "关闭文本框": hide it
    void Command12_Click();  // "字体": the text box takes the chosen font
    void Command13_Click();  // "文本颜色": the canvas takes the chosen pen colour
    // Stamps the text box's text at the press point 13 times over, letting pending events
    // run between the passes: a second press, a new angle, font or colour that arrives
    // meanwhile takes effect in the later passes.
    void Stamp(float X, float Y);

  private:
    TextControls controls_;
};

}  // namespace chromadeck
