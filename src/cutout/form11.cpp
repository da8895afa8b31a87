// SPDX-License-Identifier: GPL-3.0-or-later
// The cut-out window's controls, laid out from their design geometry, and their wiring.
#include "form11.h"

#include "canvas/controls/caption_fit.h"
#include "canvas/controls/control_factory.h"
#include "canvas/controls/twips.h"
#include "platform/window_place.h"

#include <QMoveEvent>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWindow>

namespace chromadeck {

Form11::Form11(QWidget* owner, platform::Services services, RandomSource& random,
               ClickableLabel* mainMaskSwatch)
    : QWidget(owner, Qt::Window),
      CDlg(services.dialogs, this),
      services_(services),
      random_(random),
      mainMaskSwatch_(mainMaskSwatch) {
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(tr("Tessaly抠图"));
    if (owner) setWindowIcon(owner->windowIcon());
    setFont(songFont());
    // Nothing keeps a closed window: the next "抠图" starts a fresh one.
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    wire();
    Form_Load();
    // Placed once more when shown, when the frame round it is known.
    placeOnScreen();
}

Form11::~Form11() = default;

void Form11::buildControls() {
    // The controls stand on a page of the window's design size; on a screen too small for
    // it the window shrinks and the page scrolls, so every control can still be reached.
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Form11Page"));
    page->setFixedSize(kClientSize);
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("Form11Scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);

    // The boxes first, so that the controls they frame lie above them.
    Shape1 = newBox(page, "Shape1", twipsRect(30, 60, 9435, 8625));

    Picture1 = new Canvas(page);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipsRect(90, 120, 4575, 5535));
    Picture1->setBorderStyle(1);
    Picture1->surface().setAutoRedraw(true);
    Picture1->setAutoSize(true);
    Picture1->surface().setDrawWidth(1);

    Frame1 = newFrame(page, "Frame1", tr("抠图"), twipsRect(9510, 30, 1935, 8685));
    QGroupBox* f = Frame1;
    Shape3 = newBox(f, "Shape3", twipsRect(60, 240, 1785, 2235));
    Shape2 = newBox(f, "Shape2", twipsRect(60, 2490, 1785, 3525));

    Option1 = newOption(f, "Option1", tr("笔宽1"), twipsRect(240, 480, 1335, 255));
    Option2 = newOption(f, "Option2", tr("笔宽2"), twipsRect(240, 720, 1095, 375));
    Option3 = newOption(f, "Option3", tr("笔宽3"), twipsRect(240, 1050, 1335, 375));
    Option4 = newOption(f, "Option4", tr("小擦子"), twipsRect(240, 1320, 1215, 495));
    Option6 = newOption(f, "Option6", tr("大擦子"), twipsRect(240, 1740, 1155, 285));
    Option5 = newOption(f, "Option5", tr("选后点要屏蔽的色区"), twipsRect(240, 2040, 1395, 375));
    options = new QButtonGroup(this);
    options->setExclusive(true);
    for (QRadioButton* option : {Option1, Option2, Option3, Option4, Option6, Option5})
        options->addButton(option);
    Option1->setChecked(true);

    Label1 = place(new ClickableLabel(tr("屏蔽色默认为白色"), f), "Label1",
                   twipsRect(210, 2580, 825, 405));
    Label1->setWordWrap(true);
    Label1->setBackColor(RGB(255, 255, 255));

    Command1 = newButton(f, "Command1", tr("画笔颜色"), twipsRect(150, 3270, 1245, 435));
    Command3 = newButton(f, "Command3", tr("选屏蔽色"), twipsRect(150, 3750, 1245, 435));
    Command4 = newButton(f, "Command4", tr("打开图片"), twipsRect(150, 4230, 1245, 435));
    Command5 = newButton(f, "Command5", tr("保存图片"), twipsRect(150, 4710, 1245, 435));
    Command2 = newButton(f, "Command2", tr("清除图片"), twipsRect(150, 5190, 1245, 435));

    Label2 = place(new QLabel(tr("使用方法"), f), "Label2", twipsRect(270, 6270, 1215, 285));
    Label3 = place(new QLabel(tr("   用画笔描绘封闭区域，作屏蔽区，选屏蔽色填充，"
                                 "将图片保存后再导入，用于贴图。"),
                              f),
                   "Label3", twipsRect(240, 6510, 1545, 1065));
    Label3->setWordWrap(true);
    fitCaptions(*f);
}

// The whole window, frame and all, centred on the part of the screen windows may take.
// The frame is known only once the window shows, and a window manager may give it a
// moment later still: each new frame places the window again, the user's moves do not.
void Form11::placeOnScreen() {
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    placedFrame_ = frame;
    const platform::WindowPlace place =
        platform::CentredWindowPlace(kClientSize, frame, services_.screen.availableGeometry());
    resize(place.clientSize);
    move(place.frameTopLeft);
}

void Form11::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) placeOnScreen();
}

void Form11::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (windowHandle() && windowHandle()->frameMargins() != placedFrame_) placeOnScreen();
}

void Form11::wire() {
    connect(Picture1, &Canvas::MouseDown, this,
            [this](int b, int s, float x, float y) { Picture1_MouseDown(b, s, x, y); });
    connect(Picture1, &Canvas::MouseMove, this,
            [this](int b, int s, float x, float y) { Picture1_MouseMove(b, s, x, y); });
    connect(Picture1, &Canvas::MouseUp, this,
            [this](int b, int s, float x, float y) { Picture1_MouseUp(b, s, x, y); });

    // An option acts when it becomes the chosen one, by a click or from code.
    const auto onChosen = [this](QRadioButton* option, void (Form11::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked) (this->*handler)();
        });
    };
    onChosen(Option1, &Form11::Option1_Click);
    onChosen(Option2, &Form11::Option2_Click);
    onChosen(Option3, &Form11::Option3_Click);
    onChosen(Option4, &Form11::Option4_Click);
    onChosen(Option6, &Form11::Option6_Click);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Label1, &ClickableLabel::Click, this, [this] { Label1_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form11::Form_Load() {
    // A 400 x 400 grid over the pad as it is now; the unit keeps its size when an opened
    // picture resizes the pad.
    Picture1->surface().Scale(0, 0, 400, 400);
}

}  // namespace chromadeck
