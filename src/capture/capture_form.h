#pragma once

#include "canvas/canvas.h"
#include "canvas/controls/shape_controls.h"
#include "capture_controls.h"
#include "capture_history.h"
#include "capture_run_state.h"
#include "platform/services.h"
#include "selection_rules.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <array>

class QEventLoop;

namespace chromadeck {

// The capture window: a borderless window over the whole screen that shows a frozen
// picture of the screen taken as it opens. The window itself is the picture that gets
// annotated (its persistent image, Picture and drawing operations are the Canvas's);
// the selection frame, its handles, the read-outs, the toolbar and the options panel lie
// above it. Every opening is a fresh capture run; closing it throws the run away.
//
// It is modal and owned by the main window: Run() returns when the window has closed.
class CaptureForm : public Canvas {
    Q_OBJECT

  public:
    CaptureForm(QWidget* owner, platform::Services services);
    ~CaptureForm() override;

    // One capture run: the opening, then the window's own event loop until it closes.
    void Run();
    // The opening alone, returning at once with the window shown. False, with a message,
    // when the platform will not let the screen be copied; nothing is shown then.
    bool Open();
    // Every way the window closes ends here: it hides, the screen cursor goes back to the
    // default, the run's picture and history are dropped and Run() returns.
    void Unload();
    bool isOpen() const { return open_; }

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
    std::array<capture::IconButton*, 9> Image2{};
    std::array<ShapeControl*, 9> Shape3{};
    LineControl* Line1 = nullptr;
    LineControl* Line2 = nullptr;
    // On the options panel: the font-size group and the palette.
    Canvas* PicFont = nullptr;
    QLabel* Image5 = nullptr;
    QLabel* Image3 = nullptr;
    Canvas* PicCombox = nullptr;  // looks like a combo box: Image4 (0..2) by state
    QLineEdit* Text1 = nullptr;   // the font size in points, as typed
    // The size the text tool last read from Text1 as a positive number; what a commit
    // uses while Text1 holds something else.
    float lastTextSize_ = 11;
    QComboBox* Combo1 = nullptr;  // its list of sizes
    std::array<QImage, 3> Image4;
    Canvas* PicColor = nullptr;
    std::array<Canvas*, 17> Pcolor{};  // 16 is the current colour

    // Where the placed controls are, as the rules compute it (Single pixels).
    capture::Site Picture1At;
    capture::Site Picture2At;
    capture::Site Shape1At;
    std::array<capture::Site, 8> Image1At;
    capture::Site LblPosAt;
    capture::Site lblInfoAt;
    capture::Site PicFontAt;
    capture::Site PicColorAt;

    capture::RunState& run() { return run_; }
    const capture::RunState& run() const { return run_; }
    capture::CaptureHistory& history() { return history_; }
    const capture::CaptureHistory& history() const { return history_; }

    // The region: the frame `Shape1`'s geometry.
    capture::Frame frame() const;
    void setFrame(const capture::Frame& frame);

    // The screen in pixels as the capture window counts them: twips divided by 15.
    float screenWidthPixels() const;
    float screenHeightPixels() const;
    // The screen-wide cursor; any code but Default overrides every window's own.
    void setScreenPointer(platform::CursorCode code);

    // ---- handlers; positions in window pixels, buttons 1 left, 2 right, 4 middle
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_MouseDown(int Button, int Shift, float X, float Y);
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Form_MouseUp(int Button, int Shift, float X, float Y);
    void Image1_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void Image1_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void Image1_MouseUp(int Index, int Button, int Shift, float X, float Y);

    // ---- methods the capture handlers share
    // Puts the eight handles around the frame and shows them.
    void ImageMove();
    // An empty region anchored at (x, y), with the frame, read-outs and handles hidden.
    void ResetSelection(float x, float y);
    // The toolbar beside the region, shown.
    void PlaceToolbar();
    // After an annotation is drawn into the persistent image: it becomes part of the
    // picture and the next snapshot of the history.
    void PushSnapshot();
    // The toolbar's "撤销" and "重做".
    void Undo();
    void Redo();

    // ---- toolbar and options panel
    void Image2_Click(int Index);
    void Image2_MouseMove(int Index);
    // The options panel beside the toolbar: under it when it fits on the screen, else above.
    void PlacePanel();
    // Opens the list of `combo` when it is closed, closes it when it is open.
    void OpenCombo(QComboBox* combo);
    // The colour of every annotation: the big swatch's.
    RgbColor CurrentColour() const;

    // ---- annotation
    // An arrow on `pic` from the tail (x0, y0) to the tip (X1, Y1), two barbs at the tip.
    static void Arrow(DrawingSurface& pic, float x0, float y0, float X1, float Y1, float ArrowLen,
                      RgbColor color);

    // ---- copy, save and exit
    // What the window shows in that rectangle, without the frame, labels and handles,
    // onto the clipboard.
    void ScrnCap(Long Left, Long Top, Long Right, Long Bottom);
    // Asks for a file name and saves the clipboard's picture there.
    void CutdSave();
    void Form_DblClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void wire();
    void startRun();
    void hideSelection();
    void placeLabels();
    void buildTools();
    void wireTools();
    void resetTools();
    void showToolOptions(int index);
    bool annotationPress(float X, float Y);
    void annotationMove(float X, float Y);
    void annotationRelease(float X, float Y);
    QPointF strokeEnd(float X, float Y) const;
    void drawShape(float x2, float y2);
    void growTextEdit();
    void copyRegion();
    void copyAndExit();
    void saveAndExit();

    platform::Services services_;
    capture::RunState run_;
    capture::CaptureHistory history_;
    bool open_ = false;
    QEventLoop* loop_ = nullptr;
};

}  // namespace chromadeck
