// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/canvas.h"
#include "canvas/controls/shape_controls.h"
#include "canvas/numeric.h"
#include "platform/common_dialog.h"
#include "platform/services.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMargins>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace chromadeck {

class RandomSource;

// The cut-out window: a pad on which the user opens a picture, traces an outline with
// the pen, floods the part to drop with the mask colour and saves the result as a
// bitmap, to be imported again as a sticker. It is a window of its own, owned by the
// main window, with its own common dialog.
class Form11 : public QWidget {
    Q_OBJECT

  public:
    // `owner` is the main window (its icon is taken, the window stays over it and closes
    // with it); `mainMaskSwatch` is the main window's mask colour, which "选屏蔽色" sets too.
    Form11(QWidget* owner, platform::Services services, RandomSource& random,
           ClickableLabel* mainMaskSwatch);
    ~Form11() override;

    Canvas* Picture1 = nullptr;  // the pad
    ShapeControl* Shape1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    ShapeControl* Shape3 = nullptr;
    QRadioButton* Option1 = nullptr;  // pen width 1
    QRadioButton* Option2 = nullptr;  // 2
    QRadioButton* Option3 = nullptr;  // 4
    QRadioButton* Option4 = nullptr;  // small eraser, 8
    QRadioButton* Option6 = nullptr;  // large eraser, 30
    QRadioButton* Option5 = nullptr;  // a press fills instead of drawing
    QButtonGroup* options = nullptr;  // the six options, exclusive
    ShapeControl* Shape2 = nullptr;
    ClickableLabel* Label1 = nullptr;  // its background is the pad's mask colour
    QPushButton* Command1 = nullptr;   // "画笔颜色"
    QPushButton* Command3 = nullptr;   // "选屏蔽色"
    QPushButton* Command4 = nullptr;   // "打开图片"
    QPushButton* Command5 = nullptr;   // "保存图片"
    QPushButton* Command2 = nullptr;   // "清除图片"
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    platform::CommonDialog CDlg;

    // The pen between a press and its release; positions in pad units.
    bool penDown() const { return penDown_; }
    Integer lastX() const { return lastX_; }
    Integer lastY() const { return lastY_; }

    // ---- handlers, wired to the controls; positions in pad units, buttons ignored
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option6_Click();
    void Command1_Click();
    void Command3_Click();
    void Label1_Click();
    void Command4_Click();
    void Command5_Click();
    void Command2_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    // The window's client area as designed, 11460 x 8760 twips.
    static constexpr QSize kClientSize{764, 584};

    void buildControls();
    void placeOnScreen();
    void wire();
    void Form_Load();
    void fillAt(float x, float y);

    platform::Services services_;
    RandomSource& random_;
    QPointer<ClickableLabel> mainMaskSwatch_;
    QMargins placedFrame_;  // the frame the window was last placed with
    bool penDown_ = false;
    Integer lastX_ = 0;
    Integer lastY_ = 0;
};

}  // namespace chromadeck
