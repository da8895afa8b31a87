// SPDX-License-Identifier: GPL-3.0-or-later
// The capture window's toolbar, options panel and annotations, and the ways a run ends:
// copy, save and exit. Real widgets on the offscreen 1920 x 1080 screen.
#include "capture/capture_form.h"
#include "platform/scripted_services.h"
#include "support/image_checks.h"
#include "support/test_pictures.h"
#include "support/widget_input.h"

#include <QAbstractItemView>
#include <QImageReader>
#include <QtTest>
#include <memory>

using namespace chromadeck;
using chromadeck::platform::CursorCode;
using namespace chromadeck::capture;
using chromadeck::testing::countColour;
using chromadeck::testing::drag;
using chromadeck::testing::hover;
using chromadeck::testing::nearColour;
using chromadeck::testing::screenPicture;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

struct Capture {
    platform::ScriptedServices services;
    QWidget owner;
    std::unique_ptr<CaptureForm> form;

    Capture() {
        // Blue 7: no pixel of the screen is pure red or pure blue.
        services.screen.picture = screenPicture(7);
        form = std::make_unique<CaptureForm>(&owner, services.services());
    }
    // Opens and fixes the region (100, 100) - (500, 400).
    CaptureForm& withRegion(QPoint from = {100, 100}, QPoint to = {500, 400}) {
        form->Open();
        (void)QTest::qWaitForWindowExposed(form.get());
        drag(form.get(), from, to);
        return *form;
    }
};

// QTest's double click is the second click alone: the first goes before it.
void doubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

void click(CaptureForm& f, int button) {
    QTest::mouseClick(f.Image2[size_t(button)], Qt::LeftButton);
}

// The window's picture: the grabbed screen with every kept annotation.
QImage picture(const CaptureForm& f) {
    return f.session().surface().Image();
}

}  // namespace

class CaptureToolsTest : public QObject {
    Q_OBJECT

  private slots:
    void buttonsHoverAndChooseTools();
    void panelGoesAboveTheToolbarNearTheBottom();
    void paletteBordersAndReleaseColour();
    void comboListToggles();
    void keysMoveUndoAndCopy();
    void strokeOutsideEndsOnTheBorder();
    void clickWithoutMovementStillTakesASnapshot();
    void previewVanishesAndOneShapeIsKept();
    void ellipseLeavesOutTheBoxsFarEdges();
    void textTakesTwoClicks();
    void copyPutsExactlyTheRegionOnTheClipboard();
    void doubleClickCopiesOnlyInsideTheRegion();
    void saveWritesTheRegionAndKeepsTheClipboard();
};

void CaptureToolsTest::buttonsHoverAndChooseTools() {
    Capture c;
    CaptureForm& f = c.withRegion();
    const QStringList tips{"撤销",     "复制退出", "保存",     "退出截屏", "添加箭头",
                           "添加文字", "添加椎圆", "添加矩形", "重做"};
    for (int i = 0; i < 9; ++i) QCOMPARE(f.Image2[size_t(i)]->toolTip(), tips[i]);
    QCOMPARE(f.Image2[7]->geometry(), QRect(7, 5, 16, 16));
    QCOMPARE(f.Image2[1]->geometry(), QRect(218, 5, 16, 16));
    // The separators, on the toolbar's own pixels.
    const QImage bar = f.Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb separator = qRgb(192, 192, 255);
    for (const int x : {105, 185}) {
        for (int y = 3; y <= 20; ++y) QCOMPARE(bar.pixel(x, y), separator);
        QVERIFY(bar.pixel(x, 2) != separator && bar.pixel(x, 21) != separator);
        QVERIFY(bar.pixel(x - 1, 10) != separator && bar.pixel(x + 1, 10) != separator);
    }

    hover(f.Image2[2]);
    hover(f.Image2[6]);
    for (int i = 0; i < 9; ++i) QCOMPARE(f.Shape3[size_t(i)]->isVisible(), i == 6);
    hover(f.Picture1, {100, 24});
    for (ShapeControl* square : f.Shape3) QVERIFY(!square->isVisible());
    QCOMPARE(c.services.screen.pointerCodes.back(), CursorCode::Arrow);

    click(f, 4);  // arrow: the narrow panel under the toolbar
    QVERIFY(f.Picture2->isVisible() && !f.PicFont->isVisible());
    QCOMPARE(f.Picture2->x(), f.Picture1->x());
    QCOMPARE(f.Picture2->y(), f.Picture1->y() + 26 + 3);
    QCOMPARE(f.Picture2->width(), 166);  // 3620 / 15 - 73 - 2
    QCOMPARE(f.PicColor->x(), 4);
    drag(&f, {200, 300}, {300, 300});  // and a drag inside draws an arrow
    QVERIFY(nearColour(picture(f), 250, 300, kRed) && nearColour(picture(f), 290, 295, kRed));

    click(f, 5);  // text: still shown, widened for the font group
    QVERIFY(f.Picture2->isVisible() && f.PicFont->isVisible());
    QCOMPARE(f.Picture2->width(), 241);  // 3620 / 15
    QCOMPARE(f.PicColor->x(), 79);       // 1180 / 15
    QCOMPARE(f.Shape4->width(), f.Picture2->width());

    click(f, 5);  // the same tool again hides the panel but keeps the tool
    QVERIFY(!f.Picture2->isVisible());
    QTest::mouseClick(&f, Qt::LeftButton, {}, {150, 150});
    QVERIFY(f.TextEdit->isVisible());

    click(f, 3);  // exit
    QVERIFY(!f.isOpen());
}

void CaptureToolsTest::panelGoesAboveTheToolbarNearTheBottom() {
    Capture c;
    CaptureForm& f = c.withRegion({100, 900}, {500, 1040});
    QCOMPARE(f.Picture1->y(), 1044);  // the toolbar still fits under the region
    click(f, 7);
    QCOMPARE(f.Picture2->y(), 1004);  // 1044 - 560 / 15 - 3
}

void CaptureToolsTest::paletteBordersAndReleaseColour() {
    Capture c;
    CaptureForm& f = c.withRegion();
    click(f, 6);
    QCOMPARE(f.CurrentColour(), RGB(255, 0, 0));

    hover(f.Pcolor[3]);
    hover(f.Pcolor[9]);
    for (int k = 0; k < 16; ++k)
        QCOMPARE(f.Pcolor[size_t(k)]->BorderStyle(), (k == 3 || k == 9) ? 1 : 0);
    hover(f.Pcolor[16]);
    for (int k = 0; k < 16; ++k) QCOMPARE(f.Pcolor[size_t(k)]->BorderStyle(), 0);

    QTest::mouseRelease(f.Pcolor[13], Qt::LeftButton, {}, {3, 3});
    QCOMPARE(f.CurrentColour(), RGB(0, 0, 255));
    QTest::mouseRelease(f.Pcolor[16], Qt::LeftButton, {}, {3, 3});
    QCOMPARE(f.CurrentColour(), RGB(0, 0, 255));
    QTest::mouseRelease(f.Pcolor[4], Qt::LeftButton, {}, {3, 3});
    QCOMPARE(f.CurrentColour(), RGB(0, 128, 0));

    f.Text1->setText(QStringLiteral("30"));
    f.Unload();  // a new run starts red at 11 points again
    f.Open();
    QCOMPARE(f.CurrentColour(), RGB(255, 0, 0));
    QCOMPARE(f.Text1->text(), QStringLiteral("11"));
}

void CaptureToolsTest::comboListToggles() {
    Capture c;
    CaptureForm& f = c.withRegion();
    click(f, 5);
    QCOMPARE(f.Text1->text(), QStringLiteral("11"));
    QTest::mousePress(f.PicCombox, Qt::LeftButton, {}, {40, 10});
    QAbstractItemView* list = f.Combo1->view();
    QVERIFY(list->isVisible());
    QCOMPARE(f.PicCombox->surface().Picture(), f.Image4[2]);
    QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("11"));
    // On a real display the click's release comes to the pressed window, which hands it
    // to the open list: outside its entries.
    QTest::mouseRelease(f.PicCombox, Qt::LeftButton, {}, {40, 10});
    QVERIFY(list->isVisible());
    f.OpenCombo(f.Combo1);
    QVERIFY(!list->isVisible());

    // A click on an entry, once the list has been open a moment, chooses it.
    f.OpenCombo(f.Combo1);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QModelIndex twenty = list->model()->index(f.Combo1->findText(QStringLiteral("20")), 0);
    list->scrollTo(twenty);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(twenty).center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(f.Text1->text(), QStringLiteral("20"));
}

void CaptureToolsTest::keysMoveUndoAndCopy() {
    Capture c;
    CaptureForm& f = c.withRegion();
    const auto frame = [&] { return f.session().frame(); };
    // The handles show as squares in the frame's colour; never in what is copied.
    const QRgb handleColour = qRgb(0, 122, 236);
    const QImage shown = f.grab().toImage();
    for (const HandleImage* handle : f.Image1)
        QCOMPARE(shown.pixel(handle->geometry().center()), handleColour);
    QTest::keyClick(&f, Qt::Key_Right);
    QTest::keyClick(&f, Qt::Key_Down);
    QCOMPARE(frame().Left, 101.0f);
    QCOMPARE(frame().Top, 101.0f);
    QTest::keyClick(&f, Qt::Key_Left, Qt::ShiftModifier);  // the right edge in
    QTest::keyClick(&f, Qt::Key_Down, Qt::ShiftModifier);  // the bottom edge out
    QCOMPARE(frame().Width, 399.0f);
    QCOMPARE(frame().Height, 301.0f);
    QCOMPARE(f.Shape1->geometry(), QRect(101, 101, 399, 301));  // the frame follows
    for (int i = 0; i < 200; ++i) QTest::keyClick(&f, Qt::Key_Up);
    QCOMPARE(frame().Top, 0.0f);  // kept on the screen, as a drag keeps it

    // Undo and redo, as the toolbar's buttons.
    click(f, 7);
    const QImage bare = picture(f);
    drag(&f, {200, 200}, {300, 250});
    const QImage drawn = picture(f);
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(picture(f), bare);
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(picture(f), drawn);
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&f, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(picture(f), drawn);

    // The text box keeps its keys: Enter and the arrows edit the text.
    click(f, 5);
    QTest::mouseClick(&f, Qt::LeftButton, {}, {150, 150});
    QVERIFY(f.TextEdit->hasFocus());
    QTest::keyClicks(f.TextEdit, "ab");
    QTest::keyClick(f.TextEdit, Qt::Key_Left);
    QTest::keyClick(f.TextEdit, Qt::Key_Return);
    QTest::keyClick(f.TextEdit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(f.TextEdit->cursorPosition(), 1);
    QCOMPARE(frame().Left, 101.0f);
    QVERIFY(f.isOpen());
    QVERIFY(c.services.clipboard.copies.empty());

    // Enter copies the region, with what was drawn on it, and closes.
    QTest::mouseClick(&f, Qt::LeftButton, {}, {700, 700});
    QCOMPARE(QApplication::focusWidget(), &f);  // the keys are the window's again
    QTest::keyClick(&f, Qt::Key_Return);
    QVERIFY(!f.isOpen());
    QCOMPARE(c.services.clipboard.copies.size(), size_t(1));
    const QImage copied = c.services.clipboard.copies.back();
    QCOMPARE(copied.size(), QSize(399, 301));
    QVERIFY(copied.pixel(0, 0) != handleColour && copied.pixel(398, 300) != handleColour);
}

void CaptureToolsTest::strokeOutsideEndsOnTheBorder() {
    Capture c;
    CaptureForm& f = c.withRegion();
    click(f, 7);
    drag(&f, {200, 200}, {900, 700});
    const QImage image = picture(f);
    QCOMPARE(image.pixel(500, 300), kRed);  // the right side on the region's edge
    QCOMPARE(image.pixel(350, 400), kRed);  // the bottom side too
    QVERIFY(image.pixel(503, 300) != kRed && image.pixel(350, 403) != kRed);

    click(f, 4);
    drag(&f, {300, 250}, {300, 50});  // the arrow's tip stops on the top edge
    const QImage arrow = picture(f);
    QCOMPARE(arrow.pixel(300, 101), kRed);
    QVERIFY(nearColour(arrow, 295, 110, kRed) && nearColour(arrow, 305, 110, kRed));
    QVERIFY(arrow.pixel(300, 98) != kRed);
}

void CaptureToolsTest::clickWithoutMovementStillTakesASnapshot() {
    Capture c;
    CaptureForm& f = c.withRegion();
    click(f, 4);
    const QImage before = picture(f);
    QTest::mouseClick(&f, Qt::LeftButton, {}, {200, 200});
    QCOMPARE(picture(f), before);
    QVERIFY(!f.session().surface().screenLayer());  // nothing left on the screen only

    // A press outside the region with a tool chosen starts nothing.
    QTest::mouseClick(&f, Qt::LeftButton, {}, {50, 50});
    f.Undo();  // the click's snapshot
    QVERIFY(f.Picture1->isVisible());
    f.Undo();  // and then only the grabbed screen: back to selecting
    QVERIFY(!f.Picture1->isVisible());
}

// The box (420, 350) - (580, 450), dragged either way, holds an ellipse on columns 420
// to 579 and rows 350 to 449, as every box on a screen ends before its far edges.
void CaptureToolsTest::ellipseLeavesOutTheBoxsFarEdges() {
    Capture c;
    CaptureForm& f = c.withRegion({300, 300}, {700, 600});
    click(f, 6);
    const auto redBounds = [](const QImage& image, QRect within) {
        QRect found;
        for (int y = within.top(); y <= within.bottom(); ++y)
            for (int x = within.left(); x <= within.right(); ++x)
                if (image.pixel(x, y) == kRed) found |= QRect(x, y, 1, 1);
        return found;
    };
    drag(&f, {420, 350}, {580, 450});
    QCOMPARE(redBounds(picture(f), QRect(400, 330, 200, 140)), QRect(420, 350, 160, 100));
    drag(&f, {580, 590}, {420, 490});
    QCOMPARE(redBounds(picture(f), QRect(400, 470, 200, 125)), QRect(420, 490, 160, 100));
}

void CaptureToolsTest::previewVanishesAndOneShapeIsKept() {
    Capture c;
    CaptureForm& f = c.withRegion();
    click(f, 6);
    QTest::mousePress(&f, Qt::LeftButton, {}, {200, 200});
    QTest::mouseMove(&f, {300, 300});
    QVERIFY(nearColour(f.grab().toImage(), 300, 250, kRed));  // the preview's right end
    QCOMPARE(countColour(picture(f), kRed), 0);               // on the screen only

    QTest::mouseMove(&f, {400, 350});
    QVERIFY(!nearColour(f.grab().toImage(), 300, 250, kRed));
    QTest::mouseRelease(&f, Qt::LeftButton, {}, {400, 350});
    const QImage kept = picture(f);
    QVERIFY(nearColour(kept, 200, 275, kRed) && nearColour(kept, 400, 275, kRed));
    QVERIFY(nearColour(kept, 300, 200, kRed) && nearColour(kept, 300, 350, kRed));
    QVERIFY(!nearColour(kept, 300, 250, kRed));
    f.Undo();  // one snapshot for the stroke, not one per move
    QCOMPARE(countColour(picture(f), kRed), 0);
    f.Redo();
    QCOMPARE(picture(f), kept);
}

void CaptureToolsTest::textTakesTwoClicks() {
    Capture c;
    CaptureForm& f = c.withRegion();
    click(f, 5);
    QTest::mouseClick(&f, Qt::LeftButton, {}, {150, 150});
    QVERIFY(f.TextEdit->isVisible());
    QCOMPARE(f.TextEdit->geometry().topLeft(), QPoint(150, 150));
    QCOMPARE(f.TextEdit->width(), 25);
    // Typed in the face it will be printed in, at the chosen size.
    QCOMPARE(f.TextEdit->font().family(), f.session().surface().printFont().family());
    QCOMPARE(f.TextEdit->font().pointSizeF(), 11.0);
    const QImage before = picture(f);

    QTest::keyClicks(f.TextEdit, "Wide enough text");
    const int grown = f.TextEdit->width();
    QVERIFY(grown > 25);
    QTest::keyClick(f.TextEdit, Qt::Key_Backspace);
    QCOMPARE(f.TextEdit->width(), grown);  // never shrinks while open

    QTest::mouseRelease(f.Pcolor[13], Qt::LeftButton, {}, {3, 3});  // blue, after opening
    f.Text1->setText(QStringLiteral("zero"));
    QTest::mouseClick(&f, Qt::LeftButton, {}, {700, 700});
    QVERIFY(!f.TextEdit->isVisible());  // committed at the last usable size
    QCOMPARE(f.session().surface().FontSize(), 11.0);
    QVERIFY(countColour(picture(f), kBlue) > 0);
    f.Undo();  // the typing made no snapshot of its own, the commit one
    QCOMPARE(picture(f), before);
    f.Redo();

    QTest::mouseClick(&f, Qt::LeftButton, {}, {150, 150});  // a second text
    QTest::keyClicks(f.TextEdit, "Wide enough text");
    f.Text1->setText(QStringLiteral("24"));
    QTest::mouseClick(&f, Qt::LeftButton, {}, {700, 700});  // outside the region: commits
    QVERIFY(!f.TextEdit->isVisible());
    QVERIFY(f.TextEdit->text().isEmpty());
    QCOMPARE(f.session().surface().FontSize(), 24.0);

    const QImage image = picture(f);
    int top = 10000, bottom = -1, left = 10000;
    for (int y = 140; y < 260; ++y)
        for (int x = 140; x < 700; ++x)
            if (image.pixel(x, y) == kBlue) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
            }
    QVERIFY(top >= 150 && left >= 150);
    QVERIFY2(bottom - top > 16, "24-point capitals are more than 16 pixels high");
    QCOMPARE(countColour(image, kRed), 0);
    QTest::mouseClick(&f, Qt::LeftButton, {}, {300, 300});  // the next click opens a box
    QVERIFY(f.TextEdit->isVisible());
}

void CaptureToolsTest::copyPutsExactlyTheRegionOnTheClipboard() {
    Capture c;
    CaptureForm& f = c.withRegion({100, 100}, {200, 150});
    const Frame region = f.frame();
    click(f, 7);
    drag(&f, {120, 110}, {180, 140});
    click(f, 1);
    QVERIFY(!f.isOpen());

    QCOMPARE(c.services.clipboard.copies.size(), size_t(1));
    QCOMPARE(c.services.clipboard.clears, 0);  // it stays there after the window closes
    const QImage copy = c.services.clipboard.image();
    QCOMPARE(copy.size(), QSize(int(region.Width), int(region.Height)));
    const int l = int(region.Left), t = int(region.Top);
    QCOMPARE(copy.pixel(120 - l, 125 - t), kRed);
    QCOMPARE(copy.pixel(0, 0), qRgb(l, t, 7));  // the frame is never in it
    QCOMPARE(copy.pixel(copy.width() - 1, 2), qRgb(l + copy.width() - 1, t + 2, 7));
}

void CaptureToolsTest::doubleClickCopiesOnlyInsideTheRegion() {
    Capture c;
    c.form->Open();
    doubleClick(c.form.get(), {300, 300});  // selecting yet
    QVERIFY(c.form->isOpen());
    c.form->Unload();
    QVERIFY(c.services.clipboard.copies.empty());

    CaptureForm& f = c.withRegion();
    doubleClick(&f, {50, 50});
    QVERIFY(f.isOpen());
    drag(&f, {100, 100}, {500, 400});
    doubleClick(&f, {300, 300});
    QVERIFY(!f.isOpen());
    QCOMPARE(c.services.clipboard.copies.size(), size_t(1));
    QCOMPARE(c.services.clipboard.image().size(), QSize(400, 300));
    QCOMPARE(c.services.screen.pointerCodes.back(),
             CursorCode::Default);  // the default pointer is back
}

void CaptureToolsTest::saveWritesTheRegionAndKeepsTheClipboard() {
    QTemporaryDir dir;
    const QImage theirs = chromadeck::testing::plainPicture({5, 5}, qRgb(0, 200, 0));
    {
        Capture c;
        c.services.clipboard.picture = theirs;  // what another program copied
        const QString path = dir.filePath(QStringLiteral("shot.PNG"));
        c.services.dialogs.saveAnswers.push_back(path);
        CaptureForm& f = c.withRegion();
        click(f, 7);
        drag(&f, {120, 110}, {180, 140});
        const QImage region = picture(f).copy(100, 100, 400, 300);
        click(f, 2);
        QVERIFY(!f.isOpen());
        const auto& request = c.services.dialogs.requests.at(0).file;
        QCOMPARE(request.title, QStringLiteral("保存为"));
        QCOMPARE(request.defaultExt, QStringLiteral("PNG"));
        QCOMPARE(request.initDir, QCoreApplication::applicationDirPath());  // writable here
        QCOMPARE(request.filter.split(u'|').mid(0, 4),
                 QStringList({"PNG文件(*.PNG)", "*.PNG", "JPEG文件(*.jpg;*.jpeg)", "*.jpg"}));
        QCOMPARE(request.filter.split(u'|').size(), 12);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage saved = reader.read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved, region);
        QCOMPARE(saved.pixel(20, 25), kRed);  // the annotation, without the frame
        QCOMPARE(saved.pixel(10, 10), qRgb(110, 110, 7));
        // The clipboard was never used: it holds what it held.
        QVERIFY(c.services.clipboard.copies.empty());
        QCOMPARE(c.services.clipboard.clears, 0);
        QCOMPARE(c.services.clipboard.image(), theirs);
    }
    {
        Capture c;
        const QString path = dir.filePath(QStringLiteral("shot.jpeg"));
        c.services.dialogs.saveAnswers.push_back(path);
        click(c.withRegion(), 2);
        QCOMPARE(QImageReader(path).format(), QByteArray("jpeg"));
        QVERIFY(c.services.messages.messages.empty());
    }
    // Without a file the region waits on the clipboard, as a copy would leave it: after a
    // cancelled dialog, and after a file that could not be written.
    for (const std::optional<QString>& answer :
         {std::optional<QString>(), std::optional(dir.filePath(QStringLiteral("none/shot.png")))}) {
        Capture c;
        c.services.clipboard.picture = theirs;
        c.services.dialogs.saveAnswers.push_back(answer);
        CaptureForm& f = c.withRegion();
        const QImage region = picture(f).copy(100, 100, 400, 300);
        click(f, 2);
        QVERIFY(!f.isOpen());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
        QCOMPARE(c.services.clipboard.copies.size(), size_t(1));
        QCOMPARE(c.services.clipboard.image(), region);
        QCOMPARE(c.services.clipboard.clears, 0);
        QCOMPARE(c.services.messages.messages.size(), size_t(answer ? 1 : 0));
    }
    {
        Capture c;  // a name typed without an extension takes the default one
        c.services.dialogs.saveAnswers.push_back(dir.filePath(QStringLiteral("plain")));
        click(c.withRegion(), 2);
        QCOMPARE(QImageReader(dir.filePath(QStringLiteral("plain.PNG"))).format(),
                 QByteArray("png"));
        QVERIFY(c.services.messages.messages.empty());
    }
}

QTEST_MAIN(CaptureToolsTest)
#include "tst_capture_tools.moc"
