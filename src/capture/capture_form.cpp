// SPDX-License-Identifier: GPL-3.0-or-later
// The capture window's controls, its opening, its keys and every way it closes.
#include "capture_form.h"

#include "platform/screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>

namespace chromadeck {

using namespace capture;

namespace {

// The toolbar and the options panel: 3620 twips wide, 390 and 560 high.
constexpr float kToolbarHeight = 26;
constexpr float kPanelHeight = 560.0f / platform::kTwipsPerPixel;
constexpr RgbColor kSelectionColour = RGB(0, 122, 236);

// The pixel an arrow key moves by; none for any other key.
QPoint arrowStep(int key) {
    switch (key) {
        case Qt::Key_Left:
            return {-1, 0};
        case Qt::Key_Right:
            return {1, 0};
        case Qt::Key_Up:
            return {0, -1};
        case Qt::Key_Down:
            return {0, 1};
        default:
            return {};
    }
}

Canvas* newBar(QWidget* parent, const char* name) {
    auto* bar = new Canvas(parent);
    bar->setObjectName(QString::fromUtf8(name));
    bar->setBorderStyle(0);
    bar->surface().setScaleMode(DrawingSurface::kPixels);
    bar->surface().setBackColor(kBarColour);
    bar->hide();
    return bar;
}

QLabel* newReadout(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10.5);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kSelectionColour.toQColor());
    label->setPalette(palette);
    // The read-outs sit inside the region's corner: presses go through to the window.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

}  // namespace

CaptureForm::CaptureForm(QWidget* owner, platform::Services services)
    : QWidget(owner), services_(services) {
    setObjectName(QStringLiteral("CaptureForm"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(tr("截屏"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    buildControls();
    wire();
    // The window sees every key before the control that has the focus (the text box).
    qApp->installEventFilter(this);
}

CaptureForm::~CaptureForm() {
    if (open_) setPointer(platform::CursorCode::Default);
    if (loop_) loop_->quit();
    // Hidden while the window is still whole: hiding hands the focus on, and a control
    // losing it (the size box's list) still calls the window's handlers.
    hide();
}

void CaptureForm::buildControls() {
    // Made in this order so that each lies above the ones before it: the frame, then the
    // handles and read-outs on it, then the text box, and the toolbar and panel on top.
    Shape1 = new ShapeControl(this, kSelectionColour);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->hide();
    Shape1At = Site(Shape1, 0, 0);

    for (int i = 0; i < 8; ++i) {
        Image1[size_t(i)] = new HandleImage(i, this, kSelectionColour.toQColor());
        Image1[size_t(i)]->hide();
        Image1At[size_t(i)] = Site(Image1[size_t(i)], kHandleSize, kHandleSize);
    }

    LblPos = newReadout(this, "LblPos");
    LblPosAt = Site(LblPos, 185, 17);
    lblInfo = newReadout(this, "lblInfo");
    lblInfoAt = Site(lblInfo, 175, 17);

    TextEdit = new QLineEdit(this);
    TextEdit->setObjectName(QStringLiteral("TextEdit"));
    TextEdit->hide();

    Picture1 = newBar(this, "Picture1");
    Picture1At = Site(Picture1, kPanelWidth, kToolbarHeight);
    Shape2 = new ShapeControl(Picture1, kBarOutline);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Site(Shape2, 241, 26).Move(10.0f / platform::kTwipsPerPixel, 0);
    // The outline is designed a fraction of a pixel right of the bar; kept inside it so
    // that its right edge shows.
    Shape2->setGeometry(Shape2->geometry() & QRect(QPoint(0, 0), Picture1->size()));

    Picture2 = newBar(this, "Picture2");
    Picture2At = Site(Picture2, kPanelWidth, kPanelHeight);
    Picture2At.Move(0, 28);
    Shape4 = new ShapeControl(Picture2, kBarOutline);
    Shape4->setObjectName(QStringLiteral("Shape4"));
    Site(Shape4, Picture2At.Width(), Picture2At.Height());
    buildTools();
}

void CaptureForm::wire() {
    for (HandleImage* handle : Image1) {
        connect(handle, &HandleImage::MouseDown, this, &CaptureForm::Image1_MouseDown);
        connect(handle, &HandleImage::MouseMove, this, &CaptureForm::Image1_MouseMove);
        connect(handle, &HandleImage::MouseUp, this, &CaptureForm::Image1_MouseUp);
    }
    wireTools();
}

// ---- opening

void CaptureForm::Run() {
    if (!Open()) return;
    QEventLoop loop;
    loop_ = &loop;
    const QPointer<CaptureForm> alive(this);
    loop.exec(QEventLoop::DialogExec);
    if (alive) loop_ = nullptr;
}

// Nothing of an earlier run is left on the controls: region, text box, panel, tools. The
// colour and the size start afresh with the session (red, 11 points).
void CaptureForm::resetControls() {
    hideSelection();
    Shape1At.Move(0, 0, 0, 0);
    TextEdit->hide();
    TextEdit->clear();
    Picture2->hide();
    Picture1At.Move(Picture1At.Left(), -Picture1At.Height());
    Picture1->hide();
    for (ShapeControl* square : Shape3) square->hide();
    for (size_t k = 0; k < 16; ++k) Pcolor[k]->setBorderStyle(0);
    Text1->setText(QStringLiteral("11"));
    Combo1->setCurrentText(QStringLiteral("11"));
    PicCombox->setPicture(Image4[0]);
}

bool CaptureForm::Open() {
    if (open_) return true;
    resetControls();
    setPointer(platform::CursorCode::Cross);

    // The copy is taken while the window is still hidden, so that it is not in it.
    const QRect place = services_.screen.geometry();
    const std::optional<QImage> shot = services_.screen.grab();
    if (!shot) {
        // A frozen black screen would look like a capture; say why there is none instead.
        setPointer(platform::CursorCode::Default);
        QString why = services_.screen.grabRefusal();
        if (why.isEmpty()) why = tr("这个桌面不允许程序读取屏幕内容。");
        services_.messages.show(parentWidget(), tr("截屏"), tr("无法截取屏幕：") + why,
                                platform::MessageIcon::Warning);
        return false;
    }
    // The run's picture and history are made before the window covers the screen: without
    // the memory for them no window opens onto a broken picture.
    session_ = std::make_unique<CaptureSession>(static_cast<CaptureView&>(*this),
                                                QSizeF(screenWidthPixels(), screenHeightPixels()));
    if (!session_->start(*shot)) {
        const QSize device = session_->scale().deviceSize(place.size());
        session_.reset();
        setPointer(platform::CursorCode::Default);
        tellOutOfMemory(tr("无法保存屏幕画面（%1 x %2 像素），截屏窗口不会打开。")
                            .arg(device.width())
                            .arg(device.height()));
        return false;
    }
    // Over the primary screen where it lies; window pixels count from its corner.
    setGeometry(place);
    session_->surface().attach(this);

    open_ = true;
    present();
    // Without a window manager a full-screen window would keep its old size: the
    // geometry is the screen's already.
    showFullScreen();
    activateWindow();
    return true;
}

void CaptureForm::tellOutOfMemory(const QString& attempted) {
    // Before the window shows, the message goes to the main window.
    services_.messages.show(isVisible() ? this : parentWidget(), tr("截屏"),
                            tr("内存不足：") + attempted, platform::MessageIcon::Warning);
}

// ---- keys and closing

bool CaptureForm::eventFilter(QObject* watched, QEvent* event) {
    if (open_ && swallowsListOpeningRelease(watched, *event)) return true;
    if (!open_ || event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !(widget == this || isAncestorOf(widget))) return false;
    // A key the focused control ignores travels on to the window: act on it only where it
    // first arrives.
    QWidget* first = QApplication::focusWidget();
    if (!first || !(first == this || isAncestorOf(first))) first = this;
    if (widget != first) return false;

    auto* key = static_cast<QKeyEvent*>(event);
    Form_KeyDown(key->key(), shiftCode(key->modifiers()));
    if (key->key() == Qt::Key_Escape) return true;
    // While a text field takes typing (the text tool's box, the size), other keys are its.
    if (qobject_cast<QLineEdit*>(first)) return false;
    return actOnKey(key->key(), shiftCode(key->modifiers()));
}

void CaptureForm::Form_KeyDown(int KeyCode, int) {
    if (KeyCode == Qt::Key_Escape) Unload();
}

bool CaptureForm::actOnKey(int key, int shift) {
    if (!session_) return false;
    constexpr int kShift = 1, kCtrl = 2;
    const bool ctrl = shift & kCtrl, shifted = shift & kShift;
    const bool fixed = session_->regionFixed();
    if (fixed && ((key == Qt::Key_Return || key == Qt::Key_Enter) && !ctrl)) {
        copyAndExit();
    } else if (fixed && ctrl && key == Qt::Key_C) {
        copyAndExit();
    } else if (fixed && ctrl && key == Qt::Key_S) {
        saveAndExit();
    } else if (ctrl && key == Qt::Key_Z) {
        Image2_Click(int(shifted ? ToolbarButton::Redo : ToolbarButton::Undo));
    } else if (ctrl && key == Qt::Key_Y) {
        Image2_Click(int(ToolbarButton::Redo));
    } else if (const QPoint step = arrowStep(key); !step.isNull() && !ctrl) {
        session_->nudgeRegion(step.x(), step.y(), shifted);
        present();
    } else {
        return false;
    }
    return true;
}

void CaptureForm::closeEvent(QCloseEvent* event) {
    Unload();
    event->accept();
}

void CaptureForm::Unload() {
    if (!open_) return;
    open_ = false;
    hide();
    setPointer(platform::CursorCode::Default);
    session_.reset();  // the picture and its history with it
    if (loop_) loop_->quit();
}

// ---- shared helpers

float CaptureForm::screenWidthPixels() const {
    return float(services_.screen.Width() / platform::kTwipsPerPixel);
}

float CaptureForm::screenHeightPixels() const {
    return float(services_.screen.Height() / platform::kTwipsPerPixel);
}

Frame CaptureForm::frame() const {
    return {Shape1At.Left(), Shape1At.Top(), Shape1At.Width(), Shape1At.Height()};
}

}  // namespace chromadeck
