// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "app_icon.h"
#include "canvas/controls/control_factory.h"
#include "canvas/random_source.h"
#include "design_geometry.h"
#include "figures/canvas_mode.h"
#include "fonts.h"

#include <QEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPalette>
#include <algorithm>

namespace chromadeck {

using app::kCanvasLeft;
using app::kCanvasTop;

namespace {
constexpr double kTwipsPerPixel = platform::kTwipsPerPixel;
// What the canvas leaves of the window's width beyond its left edge.
constexpr int kCanvasRightMargin = 10;
}  // namespace

Form1::Form1(platform::Services services, RandomSource& random, QWidget* parent)
    : QMainWindow(parent), CDlg(services.dialogs, this), services_(services), random_(random) {
    setWindowTitle(QStringLiteral("Chromadeck2.0  © 2026 Chromadeck contributors"));
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(app::appIcon());

    // The window paints its own white ground (the client widget is see-through), so
    // every repaint of the bare window reaches paintEvent below.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setFont(songFont());
    client->setMouseTracking(true);
    client->installEventFilter(this);
    setCentralWidget(client);

    // The restored window: a 19410 x 12300 twip client area at (60, 645).
    setGeometry(twipsRect(60, 645, 19410, 12300));

    buildPanel();
    panelScroller_ = new app::PanelScroller(*client, *Frame1);
    buildCanvasChildren();
    buildMenus();
    wire();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::wire() {
    panelView_.emplace(MainPanelControls{
        .Frame1 = Frame1,
        .Picture1 = Picture1,
        .Combo3 = Combo3,
        .Combo4 = Combo4,
        .Combo5 = Combo5,
        .HScroll1 = HScroll1,
        .HScroll2 = HScroll2,
        .HScroll3 = HScroll3,
        .HScroll4 = HScroll4,
        .Label4 = Label4,
        .Label5 = Label5,
        .Label6 = Label6,
        .Label7 = Label7,
        .Label9 = Label9,
        .Label10 = Label10,
        .Text5 = Text5,
        .Line1 = Line1,
        .Line2 = Line2,
    });
    dispatcher_ = std::make_unique<PressDispatcher>(*panelView_, random_);

    connect(Picture1, &Canvas::MouseDown, this, [this](int button, int shift, float x, float y) {
        dispatcher_->Picture1_MouseDown(button, shift, x, y);
    });
    connect(Picture1, &Canvas::MouseMove, this, [this](int button, int shift, float x, float y) {
        panelView_->Picture1_MouseMove(button, shift, x, y);
    });
    for (const auto& [index, button] : optStyle) {
        connect(button, &QRadioButton::clicked, this,
                [this, index = index] { optStyle_Click(panelView_->controls(), index); });
    }
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { panelView_->HScroll1_Change(); });
    connect(HScroll2, &QScrollBar::valueChanged, this, [this] { panelView_->HScroll2_Change(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    wireText();
    wirePictures();
}

void Form1::wireText() {
    textStamper_.emplace(
        TextControls{.Picture1 = Picture1, .Text5 = Text5, .Combo6 = Combo6, .CDlg = &CDlg});
    // The two text-box options share the panel's one group with the mode options, so
    // choosing one clears the mode's button; the mode itself (Frame1's Tag) stays, and
    // the next press on the canvas still acts in it.
    connect(Option2, &QRadioButton::clicked, this, [this] { textStamper_->Option2_Click(); });
    connect(Option1, &QRadioButton::clicked, this, [this] { textStamper_->Option1_Click(); });
    connect(Command12, &QPushButton::clicked, this, [this] { textStamper_->Command12_Click(); });
    connect(Command13, &QPushButton::clicked, this, [this] { textStamper_->Command13_Click(); });
    dispatcher_->stampText = [this](float X, float Y) { textStamper_->Stamp(X, Y); };
}

void Form1::Form_Load() {
    Picture3->surface().setScaleMode(DrawingSurface::kPixels);
    Picture2->surface().setScaleMode(DrawingSurface::kPixels);
    sizeCanvas(500);
    Label4->setVisible(false);
    Label5->setVisible(false);
    Combo4->setVisible(false);
    Combo5->setVisible(false);
    Label6->setVisible(true);
    Label7->setVisible(true);
    HScroll1->setVisible(true);
    HScroll2->setVisible(true);
    fillComboLists();
}

void Form1::fillComboLists() {
    const auto fill = [](QComboBox* combo, std::initializer_list<int> values) {
        // Filling the list must not replace the text the box already shows.
        const QString shown = combo->currentText();
        for (const int v : values) combo->addItem(QString::number(v));
        combo->setCurrentIndex(-1);
        combo->setEditText(shown);
    };
    fill(Combo3, {1, 5, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 240, 360});
    fill(Combo4, {1, 5, 10, 20, 30, 50, 100, 200, 300});
    fill(Combo5, {100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1200, 1300, 1500});
    fill(Combo6, {0, 15, 30, 60, 90, 120, 180, 270, 360});
    fill(Combo7, {15, 30, 60, 90, 120, 150, 180, 270, 360});
}

void Form1::sizeCanvas(double bottomMarginTwips) {
    // The canvas fits the client area below the menu bar, not the outer window: a window
    // manager's frame would otherwise hide its last columns and rows, border and all.
    // A hidden window has not laid out its client area yet.
    if (!isVisible() && layout()) layout()->activate();
    const QSize client = centralWidget()->size();
    // However small the window (minimised included), the canvas keeps at least a pixel.
    panelScroller_->fit();
    const int shift = panelScroller_->barWidth();
    const int height = std::max(
        1, twipsToPixels(client.height() * kTwipsPerPixel - kCanvasTop - bottomMarginTwips));
    const int width = std::max(
        1,
        twipsToPixels(client.width() * kTwipsPerPixel - kCanvasLeft - kCanvasRightMargin) - shift);
    const QRect wanted(twipsToPixels(kCanvasLeft) + shift, twipsToPixels(kCanvasTop), width,
                       height);
    // Called on every repaint too: only a real change touches the canvas.
    if (Picture1->geometry() != wanted) Picture1->setGeometry(wanted);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::paintEvent(QPaintEvent* event) {
    Form_Resize();
    QMainWindow::paintEvent(event);
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Form_Resize();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // A pointer over the window's own ground (not over a control on it) takes the
    // canvas's guides away; the canvas brings them back when the pointer returns.
    if (event->type() == QEvent::MouseMove && (watched == centralWidget() || watched == Frame1)) {
        const auto* move = static_cast<QMouseEvent*>(event);
        auto* surface = static_cast<QWidget*>(watched);
        if (!surface->childAt(move->position().toPoint())) {
            Line1->setVisible(false);
            Line2->setVisible(false);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace chromadeck
