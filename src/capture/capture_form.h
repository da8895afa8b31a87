// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/canvas.h"
#include "canvas/controls/shape_controls.h"
#include "capture_controls.h"
#include "capture_session.h"
#include "platform/services.h"
#include "toolbar_style.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <array>
#include <memory>
#include <optional>

class QEventLoop;

namespace chromadeck {

// The capture window: a borderless window over the whole screen that shows one capture
// run. The run itself (the frozen screen and its annotations, the region, the tools and
// the history) is a `CaptureSession`; the window builds the controls, hands the session
// its events and shows what the session decides: its picture, and above it the selection
// frame, its handles, the read-outs, the toolbar and the options panel. Every opening
// starts a fresh session; closing the window throws it away.
//
// It is modal and owned by the main window: Run() returns when the window has closed.
class CaptureForm : public QWidget, private SurfaceHost, private capture::CaptureView {
    Q_OBJECT

  public:
    CaptureForm(QWidget* owner, platform::Services services);
    ~CaptureForm() override;

    // One capture run: the opening, then the window's own event loop until it closes.
    void Run();
    // The opening alone, returning at once with the window shown. False, with a message,
    // when the platform will not let the screen be copied or the memory for the copy
    // cannot be had; nothing is shown then.
    bool Open();
    // Every way the window closes ends here: it hides, the screen cursor goes back to the
    // default, the run is dropped and Run() returns.
    void Unload();
    bool isOpen() const { return open_; }

    // The run on show; there is one only while the window is open.
    const capture::CaptureSession& session() const { return *session_; }
    // The region: the frame `Shape1`'s geometry.
    capture::Frame frame() const;
    // The colour of every annotation: the big swatch's.
    RgbColor CurrentColour() const;

    // ---- controls (children of the window, named as the handlers know them)
    Canvas* Picture1 = nullptr;  // the toolbar
    ShapeControl* Shape2 = nullptr;
    Canvas* Picture2 = nullptr;  // the options panel
    ShapeControl* Shape4 = nullptr;
    QLineEdit* TextEdit = nullptr;   // typing box of the text tool
    ShapeControl* Shape1 = nullptr;  // the selection frame
    std::array<capture::HandleImage*, 8> Image1{};
    QLabel* LblPos = nullptr;   // "宽x高"
    QLabel* lblInfo = nullptr;  // "RGB(r,g,b)" under the pointer
    // On the toolbar: the nine buttons, their hover squares and the two separators.
    std::array<capture::IconButton*, capture::kToolbarButtonCount> Image2{};
    std::array<ShapeControl*, capture::kToolbarButtonCount> Shape3{};
    LineControl* Line1 = nullptr;
    LineControl* Line2 = nullptr;
    // On the options panel: the font-size group and the palette.
    Canvas* PicFont = nullptr;
    QLabel* Image5 = nullptr;
    QLabel* Image3 = nullptr;
    Canvas* PicCombox = nullptr;  // looks like a combo box: Image4 (0..2) by state
    QLineEdit* Text1 = nullptr;   // the font size in points, as typed
    QComboBox* Combo1 = nullptr;  // its list of sizes
    std::array<QImage, 3> Image4;
    Canvas* PicColor = nullptr;
    std::array<Canvas*, 17> Pcolor{};  // 16 is the current colour

    // ---- handlers; positions in window pixels, buttons 1 left, 2 right, 4 middle
    void Form_KeyDown(int KeyCode, int Shift);
    // The keys beyond Esc: copy, save, undo, redo and the arrows. False when not one.
    bool actOnKey(int key, int shift);
    void Form_MouseDown(int Button, int Shift, float X, float Y);
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Form_MouseUp(int Button, int Shift, float X, float Y);
    void Form_DblClick();
    void Image1_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Image1_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Image1_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void Image2_Click(int Index);
    void Image2_MouseMove(int Index);

    // After an annotation is drawn into the persistent image: it becomes part of the
    // picture and the next snapshot of the history.
    void PushSnapshot();
    // The toolbar's "撤销" and "重做".
    void Undo();
    void Redo();
    // Opens the list of `combo` when it is closed, closes it when it is open.
    void OpenCombo(QComboBox* combo);

    // ---- copy and save
    // What the window shows in that rectangle, without the frame, labels and handles,
    // onto the clipboard.
    void ScrnCap(Long Left, Long Top, Long Right, Long Bottom);
    // Asks for a file name and saves `region` there; the clipboard keeps what it holds.
    // Without a file (the dialog cancelled, the file not written) the region goes on the
    // clipboard, as a copy would put it.
    void CutdSave(const QImage& region);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool swallowsListOpeningRelease(QObject* watched, const QEvent& event);
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    // The session's picture is this window's drawing area, at the grabbed screen's pixels.
    QSize drawingArea() const override;
    void scheduleRepaint() override { update(); }
    void repaintNow() override { repaint(); }
    // A stroke's preview on a 4K screen must not repaint the whole screen on every move.
    bool repaintsParts() const override { return true; }
    void scheduleRepaintOf(const QRect& pixels) override;

    // What the session asks of the window.
    void setPointer(platform::CursorCode code) override;
    QString typedTextSize() const override;
    bool typingBoxOpen() const override;
    void openTypingBox(QPoint at) override;
    void styleTypingBox(double points, RgbColor colour) override;
    QString typedText() const override;
    QPoint typingBoxAt() const override;
    void closeTypingBox() override;
    void tellOutOfMemory(const QString& attempted) override;

    void buildControls();
    void wire();
    void resetControls();
    void buildTools();
    void wireTools();
    // Makes the controls show the session's overlay.
    void present();
    void hideSelection();
    void placeSelection(const capture::Frame& frame);
    void PlaceToolbar();
    // The options panel beside the toolbar: under it when it fits on the screen, else above.
    void PlacePanel();
    void showToolOptions(capture::CaptureTool tool);
    void growTextEdit();
    // What the window shows in that rectangle, with the frame, labels and handles hidden
    // first; nothing when the window closed while they went.
    std::optional<QImage> regionPicture(Long Left, Long Top, Long Right, Long Bottom);
    // The region's edges in whole pixels: left, top, right, bottom.
    std::array<Long, 4> regionEdges() const;
    void copyAndExit();
    void saveAndExit();
    // The screen in pixels as the capture window counts them: twips divided by 15.
    float screenWidthPixels() const;
    float screenHeightPixels() const;

    // Where the placed controls are, as the layout computes it (Single pixels).
    capture::Site Picture1At;
    capture::Site Picture2At;
    capture::Site Shape1At;
    std::array<capture::Site, 8> Image1At;
    capture::Site LblPosAt;
    capture::Site lblInfoAt;
    capture::Site PicFontAt;
    capture::Site PicColorAt;

    platform::Services services_;
    std::unique_ptr<capture::CaptureSession> session_;
    bool open_ = false;
    QEventLoop* loop_ = nullptr;
    // The size list was just opened by a press on its picture: the release of that
    // click is not a choice and must not close it.
    bool listOpenedByPress_ = false;
};

}  // namespace chromadeck
