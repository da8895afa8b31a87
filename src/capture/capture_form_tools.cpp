// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar's buttons and hover squares, the choice of an annotation tool, and the
// options panel with its palette and font-size picker.
#include "capture_form.h"

#include "platform/screen.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QPainter>

namespace chromadeck {

using namespace capture;

namespace {

constexpr float kPicColorLeftWithFont = 1180.0f / platform::kTwipsPerPixel;

struct ButtonPlace {
    ToolbarButton button;
    float x;
    float hoverX;
};
// Left to right on the toolbar.
constexpr std::array<ButtonPlace, kToolbarButtonCount> kButtons{{
    {ToolbarButton::Rectangle, 6.67f, 5.33f},
    {ToolbarButton::Ellipse, 32, 30},
    {ToolbarButton::Text, 57.33f, 54.67f},
    {ToolbarButton::Arrow, 81.33f, 80},
    {ToolbarButton::Undo, 113.33f, 111.33f},
    {ToolbarButton::Redo, 138, 136},
    {ToolbarButton::Save, 162.67f, 160.67f},
    {ToolbarButton::Exit, 193.33f, 191.33f},
    {ToolbarButton::CopyAndExit, 218, 216},
}};

struct Swatch {
    RgbColor colour;
    float x;
    float y;
};
constexpr std::array<Swatch, 16> kSwatches{{
    {RGB(0, 0, 0), 32, 0},
    {RGB(128, 128, 128), 48, 0},
    {RGB(192, 0, 0), 64, 0},
    {RGB(192, 192, 0), 80, 0},
    {RGB(0, 128, 0), 96, 0},
    {RGB(0, 0, 128), 112, 0},
    {RGB(128, 0, 128), 128, 0},
    {RGB(0, 128, 128), 144, 0},
    {RGB(255, 255, 255), 32, 14.67f},
    {RGB(192, 192, 192), 48, 14.67f},
    {RGB(255, 0, 0), 64, 14.67f},
    {RGB(255, 255, 0), 80, 14.67f},
    {RGB(0, 255, 0), 96, 14.67f},
    {RGB(0, 0, 255), 112, 14.67f},
    {RGB(255, 0, 255), 128, 14.67f},
    {RGB(0, 255, 255), 144, 14.67f},
}};

Canvas* plainBox(QWidget* parent, const QString& name, RgbColor colour) {
    auto* box = new Canvas(parent);
    box->setObjectName(name);
    box->setBorderStyle(0);
    box->surface().setScaleMode(DrawingSurface::kPixels);
    box->surface().setBackColor(colour);
    return box;
}

// The fake combo box in its three states: normal, under the pointer, pressed.
QImage comboPicture(int state) {
    QImage picture(50, 22, QImage::Format_RGB32);
    picture.fill(kBarColour.toQColor());
    QPainter p(&picture);
    const QColor edge = state == 0 ? QColor(160, 170, 190) : QColor(36, 143, 251);
    p.fillRect(QRect(0, 0, 50, 22), state == 2 ? QColor(200, 222, 250) : QColor(Qt::white));
    p.setPen(edge);
    p.drawRect(QRect(0, 0, 49, 21));
    // The drop-down arrow on the right.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawPolygon(QPolygonF({QPointF(36, 9), QPointF(44, 9), QPointF(40, 14)}));
    return picture;
}

QImage fontSizeIcon() {
    QImage icon(16, 16, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(40, 70, 140));
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("T"));
    return icon;
}

}  // namespace

void CaptureForm::buildTools() {
    for (const ButtonPlace& b : kButtons) {
        const int index = int(b.button);
        const auto i = size_t(index);
        Shape3[i] = new ShapeControl(Picture1, kHoverColour);
        Shape3[i]->setObjectName(QStringLiteral("Shape3_%1").arg(index));
        Site(Shape3[i], 20, 20).Move(b.hoverX, 3);
        Shape3[i]->hide();
        Image2[i] = new IconButton(index, toolbarIcon(index), tooltipOf(b.button), Picture1);
        Site(Image2[i], 16, 16).Move(b.x, 5);
    }
    // Between the tools and undo, and between save and exit: at x = 1580 and 2780 twips
    // (105.33 and 185.33 pixels), from 40 to 320 twips down (2.67 to 21.33), so on
    // pixel columns 105 and 185 and on the rows whose centres lie within, 3 to 20.
    Line1 = new LineControl(kSeparatorColour, Picture1);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(Picture1->rect());
    Line1->setEnds(105, 3, 105, 20);
    Line2 = new LineControl(kSeparatorColour, Picture1);
    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setGeometry(Picture1->rect());
    Line2->setEnds(185, 3, 185, 20);
    Line1->lower();
    Line2->lower();

    PicFont = plainBox(Picture2, QStringLiteral("PicFont"), kBarColour);
    PicFontAt = Site(PicFont, 73, 25);
    PicFontAt.Move(4, 8);
    Image5 = new QLabel(PicFont);
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->setPixmap(QPixmap::fromImage(fontSizeIcon()));
    Site(Image5, 16, 16).Move(0, 0);
    Image3 = new QLabel(PicFont);
    Image3->setObjectName(QStringLiteral("Image3"));
    Site(Image3, 16, 16).Move(0, 2.67f);
    for (int k = 0; k < 3; ++k) Image4[size_t(k)] = comboPicture(k);
    // The real combo lies under the picture that imitates it: only its list shows.
    Combo1 = new QComboBox(PicFont);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    for (int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        Combo1->addItem(QString::number(size));
    Combo1->setCurrentText(QStringLiteral("11"));
    Site(Combo1, 49, 20).Move(21.33f, 1.33f);
    PicCombox = plainBox(PicFont, QStringLiteral("PicCombox"), kBarColour);
    PicCombox->setPicture(Image4[0]);
    Site(PicCombox, float(Image4[0].width()), float(Image4[0].height())).Move(21.33f, 0);
    Text1 = new QLineEdit(QStringLiteral("11"), PicCombox);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFrame(false);
    Text1->setTextMargins(0, 0, 0, 0);
    Text1->setContentsMargins(0, 0, 0, 0);
    Site(Text1, 22.67f, 13.33f).Move(4, 4);

    PicColor = plainBox(Picture2, QStringLiteral("PicColor"), kBarColour);
    PicColorAt = Site(PicColor, 161, 29.33f);
    PicColorAt.Move(kPicColorLeftWithFont, 4);
    for (size_t k = 0; k < kSwatches.size(); ++k) {
        Pcolor[k] = plainBox(PicColor, QStringLiteral("Pcolor_%1").arg(k), kSwatches[k].colour);
        Site(Pcolor[k], 13.33f, 13.33f).Move(kSwatches[k].x, kSwatches[k].y);
    }
    Pcolor[16] = plainBox(PicColor, QStringLiteral("Pcolor_16"), kStartColour);
    Site(Pcolor[16], 28, 28).Move(1.33f, 0);
    Shape4->raise();
}

void CaptureForm::wireTools() {
    for (IconButton* button : Image2) {
        connect(button, &IconButton::Click, this, &CaptureForm::Image2_Click);
        connect(button, &IconButton::Hover, this, &CaptureForm::Image2_MouseMove);
    }
    connect(Picture1, &Canvas::MouseMove, this, [this](int, int, float, float) {
        setPointer(platform::CursorCode::Arrow);
        for (ShapeControl* square : Shape3) square->hide();
    });
    connect(Picture2, &Canvas::MouseMove, this,
            [this](int, int, float, float) { setPointer(platform::CursorCode::Arrow); });

    for (size_t k = 0; k < Pcolor.size(); ++k) {
        connect(Pcolor[k], &Canvas::MouseMove, this, [this, k](int, int, float, float) {
            if (k == 16) {
                for (size_t j = 0; j < 16; ++j) Pcolor[j]->setBorderStyle(0);
            } else {
                Pcolor[k]->setBorderStyle(1);
            }
        });
        connect(Pcolor[k], &Canvas::MouseUp, this, [this, k](int, int, float, float) {
            if (k == 16 || !session_) return;
            session_->setColour(Pcolor[k]->surface().BackColor());
            present();
        });
    }
    connect(PicColor, &Canvas::MouseMove, this, [this](int, int, float, float) {
        for (size_t j = 0; j < 16; ++j) Pcolor[j]->setBorderStyle(0);
    });

    connect(PicFont, &Canvas::MouseMove, this,
            [this](int, int, float, float) { PicCombox->setPicture(Image4[0]); });
    connect(PicCombox, &Canvas::MouseMove, this,
            [this](int, int, float, float) { PicCombox->setPicture(Image4[1]); });
    connect(PicCombox, &Canvas::MouseDown, this, [this](int, int, float, float) {
        PicCombox->setPicture(Image4[2]);
        OpenCombo(Combo1);
    });
    // The box grows with its text and never shrinks while it is open.
    connect(TextEdit, &QLineEdit::textChanged, this, [this](const QString&) { growTextEdit(); });
    connect(Combo1, &QComboBox::textActivated, this,
            [this](const QString&) { Text1->setText(Combo1->currentText()); });
}

RgbColor CaptureForm::CurrentColour() const {
    return Pcolor[16]->surface().BackColor();
}

void CaptureForm::Image2_MouseMove(int Index) {
    for (ShapeControl* square : Shape3) square->hide();
    Shape3[size_t(Index)]->show();
}

void CaptureForm::Image2_Click(int Index) {
    const auto button = ToolbarButton(Index);
    switch (button) {
        case ToolbarButton::CopyAndExit:
            copyAndExit();
            return;
        case ToolbarButton::Save:
            saveAndExit();
            return;
        case ToolbarButton::Exit:
            Unload();
            return;
        default:
            break;
    }
    if (!session_) return;
    const std::optional<CaptureTool> tool = toolOf(button);
    if (tool) showToolOptions(*tool);
    session_->pressButton(button);
    present();
    if (tool) Picture2->raise();
}

void CaptureForm::PushSnapshot() {
    if (!session_) return;
    session_->PushSnapshot();
    present();
}

void CaptureForm::Undo() {
    if (!session_) return;
    session_->Undo();
    present();
}

void CaptureForm::Redo() {
    if (!session_) return;
    session_->Redo();
    present();
}

void CaptureForm::PlacePanel() {
    const float under = Picture1At.Top() + Picture1At.Height() + 3;
    const float top = screenHeightPixels() >= under + Picture2At.Height()
                          ? under
                          : Picture1At.Top() - Picture2At.Height() - 3;
    Picture2At.Move(Picture1At.Left(), top);
}

// The panel's place and layout for `tool`; whether it shows is the session's call.
void CaptureForm::showToolOptions(CaptureTool tool) {
    PlacePanel();
    if (tool == CaptureTool::Text) {
        PicFont->show();
        PicColorAt.Move(kPicColorLeftWithFont, PicColorAt.Top());
        Picture2At.Move(Picture2At.Left(), Picture2At.Top(), kPanelWidth, Picture2At.Height());
    } else {
        PicFont->hide();
        PicColorAt.Move(PicFontAt.Left(), PicColorAt.Top());
        Picture2At.Move(Picture2At.Left(), Picture2At.Top(), kPanelWidth - PicFontAt.Width() - 2,
                        Picture2At.Height());
    }
    Site(Shape4, Picture2->surface().ScaleWidth(), Picture2At.Height());
}

void CaptureForm::OpenCombo(QComboBox* combo) {
    if (combo->view()->isVisible()) {
        combo->hidePopup();
        return;
    }
    // The list opens on the size shown, not on its first entry.
    if (const int shown = combo->findText(combo->currentText()); shown >= 0)
        combo->setCurrentIndex(shown);
    combo->showPopup();
    listOpenedByPress_ = combo->view()->isVisible();
}

bool CaptureForm::swallowsListOpeningRelease(QObject* watched, const QEvent& event) {
    // Only widgets: a window hands its mouse events on to the widget they are for.
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    if (event.type() == QEvent::MouseButtonPress) listOpenedByPress_ = false;
    if (event.type() != QEvent::MouseButtonRelease || !listOpenedByPress_) return false;
    listOpenedByPress_ = false;
    // A list opened from a press on another control gets that click's release, which
    // would close it at once; a release over an entry still chooses it.
    QAbstractItemView* list = Combo1->view();
    if (widget->window() != list->window()) return false;
    const QPoint at = static_cast<const QMouseEvent&>(event).globalPosition().toPoint();
    return !list->viewport()->rect().contains(list->viewport()->mapFromGlobal(at));
}

}  // namespace chromadeck
