// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/panel_scroller.h"
#include "canvas/canvas.h"
#include "canvas/controls/shape_controls.h"
#include "cutout/cutout_window_launcher.h"
#include "figures/canvas_mode.h"
#include "figures/main_panel_view.h"
#include "figures/press_dispatch.h"
#include "pictures/picture_rotation.h"
#include "pictures/sticker_boxes.h"
#include "platform/common_dialog.h"
#include "platform/services.h"
#include "text/text_box.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <map>
#include <memory>
#include <optional>

namespace chromadeck {

class RandomSource;

// The main window: the control panel on the left, the main canvas on the right, and
// the floating helpers that live on the canvas. Controls keep their names so the
// handlers read against the program's vocabulary; Qt's parents own them all.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    Form1(platform::Services services, RandomSource& random, QWidget* parent = nullptr);
    ~Form1() override;

    // ---- top level
    QGroupBox* Frame1 = nullptr;  // "Tag" property: the canvas mode
    Canvas* Picture1 = nullptr;

    // ---- the panel (children of Frame1)
    std::map<int, QRadioButton*> optStyle;  // indices 0, 2, 3, 4, 5, 6
    QRadioButton* Option1 = nullptr;        // "关闭文本框"
    QRadioButton* Option2 = nullptr;        // "显示文本框"
    QButtonGroup* panelOptions = nullptr;   // every option button of the panel, exclusive
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    ClickableLabel* Label17 = nullptr;  // picks the sticker's mask colour
    QComboBox* Combo3 = nullptr;
    QComboBox* Combo4 = nullptr;
    QComboBox* Combo5 = nullptr;
    QComboBox* Combo6 = nullptr;
    QComboBox* Combo7 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QScrollBar* HScroll3 = nullptr;
    QScrollBar* HScroll4 = nullptr;
    QScrollBar* HScroll5 = nullptr;
    QScrollBar* HScroll6 = nullptr;
    ShapeControl* Shape1 = nullptr;
    ShapeControl* Shape2 = nullptr;
    ShapeControl* Shape3 = nullptr;
    ShapeControl* Shape4 = nullptr;
    ShapeControl* Shape5 = nullptr;
    ShapeControl* Shape6 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* Command13 = nullptr;
    QPushButton* Command15 = nullptr;
    QPushButton* Command16 = nullptr;
    QPushButton* Command17 = nullptr;

    // ---- on the canvas (children of Picture1)
    QLineEdit* Text5 = nullptr;
    ClickableLabel* Label18 = nullptr;  // the help panel
    QPushButton* Command7 = nullptr;    // "关闭帮助"
    Canvas* Picture2 = nullptr;         // the side picture
    Canvas* Picture3 = nullptr;         // the sticker
    LineControl* Line1 = nullptr;       // vertical guide
    LineControl* Line2 = nullptr;       // horizontal guide

    // ---- the menu bar; every menu and item is named by its caption
    QMenu* mnuFile = nullptr;            // "文件"
    QAction* mnuOpen = nullptr;          // "打开图片"
    QAction* mnuExit = nullptr;          // "关闭"
    QAction* mnuSave = nullptr;          // "保存", acts from the bar itself
    QAction* mnuCapture = nullptr;       // "截屏", acts from the bar itself
    QAction* mnuBackColor = nullptr;     // "背景色", acts from the bar itself
    QMenu* mnuClear = nullptr;           // "清除": clears the canvas whenever it opens
    QAction* mnuClearPicture = nullptr;  // "清除底图"
    QMenu* mnuHelp = nullptr;            // "帮助"
    QAction* mnuHelpContents = nullptr;  // "帮助内容"
    QAction* mnuAbout = nullptr;         // "关于Tessaly"

    platform::CommonDialog CDlg;

    platform::Services services() const { return services_; }
    const MainPanelControls& panel() const { return panelView_->controls(); }
    // The sticker paste plugs in here; the text stamp is the window's own.
    PressDispatcher& dispatcher() { return *dispatcher_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildPanel();           // form1_panel.cpp
    void buildCanvasChildren();  // form1_canvas_children.cpp
    void buildMenus();           // form1_menus.cpp
    void wire();
    void wireText();
    void wirePictures();  // form1_pictures.cpp

    // The menu commands (form1_menus.cpp); each acts on the main canvas.
    void mnuOpen_Click();
    void mnuExit_Click();
    void mnuSave_Click();
    void mnuCapture_Click();  // form1_capture.cpp
    void mnuBackColor_Click();
    void mnuClear_Click();
    void mnuClearPicture_Click();
    void mnuHelpContents_Click();
    void mnuAbout_Click();
    void Command7_Click();
    void Form_Load();
    void fillComboLists();
    // The canvas runs from its fixed top-left corner (moved right by the panel's scroll
    // bar while it shows) to just short of the client area's right edge;
    // `bottomMarginTwips` is what is left below it.
    void sizeCanvas(double bottomMarginTwips);
    void Form_Resize() { sizeCanvas(100); }

    platform::Services services_;
    RandomSource& random_;
    app::PanelScroller* panelScroller_ = nullptr;  // owned by the client area
    std::optional<MainPanelView> panelView_;
    std::unique_ptr<PressDispatcher> dispatcher_;
    // Built once the text box and the angle box exist.
    std::optional<TextStamper> textStamper_;
    std::optional<StickerBoxes> stickers_;
    std::optional<PictureRotation> rotation_;
    std::optional<CutoutWindowLauncher> cutout_;
};

}  // namespace chromadeck
