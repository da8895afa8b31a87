// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;
class QScrollBar;
class QWidget;

namespace chromadeck {

class Canvas;
namespace platform {
class CommonDialog;
class MessageBox;
}  // namespace platform

struct RotationControls {
    QWidget* window = nullptr;  // shows the hourglass while a rotation runs
    Canvas* Picture1 = nullptr;
    Canvas* Picture2 = nullptr;      // output
    Canvas* Picture3 = nullptr;      // source: the sticker
    QComboBox* Combo7 = nullptr;     // angle in degrees
    QScrollBar* HScroll5 = nullptr;  // output height, canvas units
    QScrollBar* HScroll6 = nullptr;  // output width, canvas units
    platform::CommonDialog* CDlg = nullptr;
    platform::MessageBox* messages = nullptr;
};

// The main window's rotation buttons and bars: the sticker turned into the output box.
class PictureRotation {
  public:
    explicit PictureRotation(const RotationControls& controls);

    void Command15_Click();  // "确定旋转"
    void Command16_Click();  // "清除旋转图": the output back to its white background
    void Command17_Click();  // "保存旋转图": the output as a BMP file
    void HScroll5_Change();
    void HScroll6_Change();

  private:
    RotationControls c_;
};

}  // namespace chromadeck
