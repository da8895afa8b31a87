// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text_panel.h"

#include <QPointer>

class QComboBox;
class QLineEdit;

namespace chromadeck {

class Canvas;
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

// The text box, its font and colour buttons, and the stamp of a press in mode "6" read
// from them.
class TextStamper : public TextPanel {
  public:
    explicit TextStamper(const TextControls& controls);

    void Option2_Click();    // "显示文本框": show the text box
    void Option1_Click();    // "关闭文本框": hide it
    void Command12_Click();  // "字体": the text box takes the chosen font
    void Command13_Click();  // "文本颜色": the canvas takes the chosen pen colour
    void Stamp(float X, float Y);

    bool present() const override;
    DrawingSurface& Picture1() override;
    void setPicture1Pointer(platform::CursorCode code) override;
    QString Text5() const override;
    QFont Text5Font() const override;
    QString Combo6() const override;

  private:
    // Events run during a stamp; any of these may go away meanwhile.
    QPointer<Canvas> canvas_;
    QPointer<QLineEdit> text_;
    QPointer<QComboBox> angle_;
    platform::CommonDialog* dialog_;
};

}  // namespace chromadeck
