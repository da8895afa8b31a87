#pragma once

class QComboBox;
class QScrollBar;
class QWidget;

namespace chromadeck {

class Canvas;
class DrawingSurface;
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

// Turns the source into the output by inverse mapping about both centres, pixel by
// pixel, without interpolation: output pixel (i, j) shows the source pixel at its offset
// from the output centre turned back by the angle, when that lies strictly inside the
// source less its outermost rows and columns; every other output pixel keeps its colour.
// A positive angle turns the picture clockwise on the screen.
void RotatePicture(const DrawingSurface& source, DrawingSurface& output, double degrees);
// The same pixels, straight into image memory; falls back to RotatePicture for a pen
// wider than one pixel.
void RotatePictureFast(const DrawingSurface& source, DrawingSurface& output, double degrees);

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
