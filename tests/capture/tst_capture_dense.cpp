// SPDX-License-Identifier: GPL-3.0-or-later
// The capture window on a screen at 200 %: 1920 x 1080 window pixels over 3840 x 2160
// device pixels (offscreen-1920x1080-dpr2.json), with a scripted grab at device pixels.
#include "capture/capture_form.h"
#include "platform/scripted_services.h"
#include "support/image_checks.h"
#include "support/test_pictures.h"
#include "support/widget_input.h"

#include <QImageReader>
#include <QtTest>
#include <memory>

using namespace chromadeck;
using namespace chromadeck::capture;
using chromadeck::testing::drag;
using chromadeck::testing::hover;
using chromadeck::testing::inkBounds;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGrey = qRgb(128, 128, 128);

// 3840 x 2160 device pixels that each tell where they are: red x, green y (each mod
// 256), blue the 256-blocks of both, never 0, so no pixel is pure red.
QImage densePattern() {
    QImage picture(3840, 2160, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            row[x] = qRgb(x & 255, y & 255, 1 + (x >> 8) * 16 + (y >> 8));
    }
    return picture;
}

QImage atRatio(QImage picture, qreal ratio) {
    picture.setDevicePixelRatio(ratio);
    return picture;
}

struct Capture {
    platform::ScriptedServices services;
    QWidget owner;
    std::unique_ptr<CaptureForm> form;

    explicit Capture(const QImage& shot) {
        services.screen.picture = shot;
        form = std::make_unique<CaptureForm>(&owner, services.services());
    }
    CaptureForm& open() {
        form->Open();
        (void)QTest::qWaitForWindowExposed(form.get());
        return *form;
    }
};

void click(CaptureForm& f, ToolbarButton button) {
    QTest::mouseClick(f.Image2[size_t(button)], Qt::LeftButton);
}

QImage picture(const CaptureForm& f) {
    return f.session().surface().Image();
}

// Every tool once, in red, each in a box of its own inside the region (100, 100) - (700, 500).
void drawEveryTool(CaptureForm& f) {
    drag(&f, {100, 100}, {700, 500});
    click(f, ToolbarButton::Rectangle);
    drag(&f, {120, 120}, {200, 200});
    click(f, ToolbarButton::Ellipse);
    drag(&f, {250, 120}, {350, 180});
    click(f, ToolbarButton::Arrow);
    drag(&f, {400, 150}, {500, 200});
    click(f, ToolbarButton::Text);
    QTest::mouseClick(&f, Qt::LeftButton, {}, {120, 300});
    QTest::keyClicks(f.TextEdit, "Hg");
    QTest::mouseClick(&f, Qt::LeftButton, {}, {650, 450});
}

QRect doubled(QRect r) {
    return QRect(r.x() * 2, r.y() * 2, r.width() * 2, r.height() * 2);
}

// Whether `dense` is `plain` doubled, give or take `slack` device pixels at each edge.
bool aboutDoubled(QRect dense, QRect plain, int slack) {
    const QRect d = doubled(plain);
    return qAbs(dense.left() - d.left()) <= slack && qAbs(dense.top() - d.top()) <= slack &&
           qAbs(dense.right() - d.right()) <= slack && qAbs(dense.bottom() - d.bottom()) <= slack;
}

}  // namespace

class CaptureDenseTest : public QObject {
    Q_OBJECT

  private slots:
    void copyAndSaveKeepTheScreensPixels();
    void toolsLookTheSameOnTwiceThePixels();
};

void CaptureDenseTest::copyAndSaveKeepTheScreensPixels() {
    const QImage screen = densePattern();
    {
        Capture c(atRatio(screen, 2));
        CaptureForm& f = c.open();
        QCOMPARE(f.geometry(), QRect(0, 0, 1920, 1080));
        // The frozen screen shows one picture pixel on each device pixel.
        QCOMPARE(f.grab(QRect(100, 100, 300, 200)).toImage().convertToFormat(QImage::Format_RGB32),
                 atRatio(screen.copy(200, 200, 600, 400), 2));

        drag(&f, {100, 100}, {700, 500});
        QCOMPARE(f.LblPos->text(), QStringLiteral("600x400"));  // window pixels
        hover(&f, {300, 200});  // the colour of one of that window pixel's four
        const QStringList under = {
            QStringLiteral("RGB(88,144,34)"), QStringLiteral("RGB(89,144,34)"),
            QStringLiteral("RGB(88,145,34)"), QStringLiteral("RGB(89,145,34)")};
        QVERIFY2(under.contains(f.lblInfo->text()), qPrintable(f.lblInfo->text()));
        click(f, ToolbarButton::CopyAndExit);
        QVERIFY(!f.isOpen());
        QCOMPARE(c.services.clipboard.image(), screen.copy(200, 200, 1200, 800));
    }
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("shot.png"));
        Capture c(atRatio(screen, 2));
        c.services.dialogs.saveAnswers.push_back(path);
        CaptureForm& f = c.open();
        drag(&f, {100, 100}, {700, 500});
        click(f, ToolbarButton::Rectangle);
        drag(&f, {120, 120}, {200, 200});
        // One window pixel of pen: two device pixels, the ones of window column 120.
        const QImage drawn = picture(f);
        QCOMPARE(drawn.size(), QSize(3840, 2160));
        for (int x = 238; x < 244; ++x) QCOMPARE(drawn.pixel(x, 320) == kRed, x == 240 || x == 241);
        f.Undo();
        QCOMPARE(picture(f), screen);
        f.Redo();
        QCOMPARE(picture(f), drawn);

        click(f, ToolbarButton::Save);
        QVERIFY(!f.isOpen());
        const QImage saved = QImageReader(path).read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(saved, drawn.copy(200, 200, 1200, 800));
        QVERIFY(c.services.clipboard.copies.empty());
    }
}

void CaptureDenseTest::toolsLookTheSameOnTwiceThePixels() {
    Capture plain(chromadeck::testing::plainPicture({1920, 1080}, kGrey));
    Capture dense(atRatio(chromadeck::testing::plainPicture({3840, 2160}, kGrey), 2));
    drawEveryTool(plain.open());
    drawEveryTool(dense.open());
    const QImage one = picture(*plain.form), two = picture(*dense.form);

    // Straight edges cover exactly the device pixels of their window pixels.
    const QRect box(110, 110, 100, 100);
    QCOMPARE(two.copy(doubled(box)), one.copy(box).scaled(200, 200));
    // Curves are drawn afresh on the finer grid but fill the same window pixels' box.
    const QRect ellipse(240, 110, 120, 80);
    QCOMPARE(inkBounds(two.copy(doubled(ellipse)), kGrey),
             doubled(inkBounds(one.copy(ellipse), kGrey)));
    const QRect arrow(390, 140, 120, 70);
    QVERIFY(aboutDoubled(inkBounds(two.copy(doubled(arrow)), kGrey),
                         inkBounds(one.copy(arrow), kGrey), 2));
    // Text of the same points, at twice the pixels.
    const QRect text(110, 290, 200, 60);
    const QRect glyphs = inkBounds(one.copy(text), kGrey);
    QVERIFY(glyphs.height() > 10);
    QVERIFY(aboutDoubled(inkBounds(two.copy(doubled(text)), kGrey), glyphs, 3));
    QCOMPARE(dense.form->TextEdit->font().pointSizeF(), 11.0);  // typed at the window's size
}

QTEST_MAIN(CaptureDenseTest)
#include "tst_capture_dense.moc"
