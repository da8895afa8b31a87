// SPDX-License-Identifier: GPL-3.0-or-later
// The cut-out window as the main window's button opens it, on scripted dialogs: pen
// widths, strokes, the fill, the swatches, the picture files and the window's lifetime,
// checked on the pad's pixels and on the files written.
#include "canvas/caption_checks.h"
#include "canvas/random_source.h"
#include "cutout/cutout_window_launcher.h"
#include "platform/picture_io.h"
#include "platform/picture_memory.h"
#include "platform/scripted_services.h"
#include "support/image_checks.h"
#include "support/test_pictures.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace chromadeck;
using chromadeck::testing::countColour;
using chromadeck::testing::plainPicture;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF, kRed = 0xFFFF0000, kGreen = 0xFF00FF00;

struct Session {
    platform::ScriptedServices services;
    RandomSource random;
    std::unique_ptr<QWidget> main = std::make_unique<QWidget>();
    ClickableLabel* mainSwatch = new ClickableLabel(QStringLiteral("选贴图屏蔽色"), main.get());
    CutoutWindowLauncher launcher{main.get(), services.services(), random, mainSwatch};
    Form11* form = press();

    Form11* press() {
        launcher.Command9_Click();
        return QTest::qWaitForWindowExposed(launcher.window()) ? launcher.window() : nullptr;
    }
    Canvas& pad() const { return *form->Picture1; }
    QImage image() const { return form->Picture1->surface().Image(); }
    QRgb ground() const { return form->Picture1->surface().BackColor().toQRgb(); }
    void stroke(std::initializer_list<QPointF> points) {
        auto p = points.begin();
        form->Picture1_MouseDown(1, 0, p->x(), p->y());
        for (++p; p != points.end(); ++p) form->Picture1_MouseMove(1, 0, p->x(), p->y());
        form->Picture1_MouseUp(1, 0, 0, 0);
    }
    void pick(QAbstractButton* button, QColor colour) {
        services.dialogs.colorAnswers.push_back(colour);
        button->click();
    }
    // The pad's units at a pixel of its drawing area, whatever its scale.
    QPointF unitsAt(int x, int y) const {
        return {pad().surface().pixelsToUnitsX(x) + pad().surface().ScaleLeft(),
                pad().surface().pixelsToUnitsY(y) + pad().surface().ScaleTop()};
    }
    // A press in fill mode on a pixel of the drawing area.
    void fillPixel(int x, int y) {
        form->Option5->click();
        const QPointF at = unitsAt(x, y);
        form->Picture1_MouseDown(1, 0, float(at.x()), float(at.y()));
    }
    // The window as it shows, and where in it the pad's drawing area lies.
    QImage shown() const { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRect padArea() const { return QRect(pad().mapTo(form, QPoint(2, 2)), pad().drawingSize()); }
};

// The pad's sunken edge right and below `area` and the window's ground just past it.
void checkEdgesBeyond(const QImage& window, QRect area, QRgb ground) {
    for (const QPoint step : {QPoint(1, 0), QPoint(0, 1)}) {
        const QPoint last = step.x() ? QPoint(area.right(), area.center().y())
                                     : QPoint(area.center().x(), area.bottom());
        QCOMPARE(window.pixel(last + step), qRgb(227, 227, 227));
        QCOMPARE(window.pixel(last + 2 * step), qRgb(255, 255, 255));
        QCOMPARE(window.pixel(last + 3 * step), ground);
    }
}

}  // namespace

class TestCutout : public QObject {
    Q_OBJECT

  private slots:
    void everyCaptionShowsWhole() {
        // "选后点要屏蔽的色区" needs its box's second line.
        Session s;
        QCOMPARE(test::cutCaptions(*s.form->Frame1), QStringList());
    }

    void penWidths_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("width");
        QTest::newRow("笔宽1") << "Option1" << 1;
        QTest::newRow("笔宽2") << "Option2" << 2;
        QTest::newRow("笔宽3") << "Option3" << 4;
        QTest::newRow("小擦子") << "Option4" << 8;
        QTest::newRow("大擦子") << "Option6" << 30;
    }

    void penWidths() {
        QFETCH(QString, option);
        QFETCH(int, width);
        Session s;
        s.form->Option3->click();  // away first, so that choosing Option1 is a change too
        s.form->findChild<QRadioButton*>(option)->click();
        s.pick(s.form->Command1, Qt::red);
        s.stroke({{100, 200}, {300, 200}});
        const QImage image = s.image();
        QCOMPARE(
            countColour(image, kRed, QRect(s.pad().surface().pixelX(200), 0, 1, image.height())),
            width);
        s.form->Option5->click();  // the fill option keeps the width
        QCOMPARE(s.pad().surface().DrawWidth(), width);
    }

    void strokes() {
        Session s;
        s.pick(s.form->Command1, Qt::red);
        const QImage blank = s.image();
        Canvas* pad = s.form->Picture1;  // widget positions: 2 pixels of border first
        QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(42, 42));
        QCOMPARE(s.image(), blank);
        QTest::mouseMove(pad, QPoint(142, 42));
        QTest::mouseMove(pad, QPoint(142, 122));
        QTest::mouseRelease(pad, Qt::LeftButton, {}, QPoint(142, 122));
        const QImage drawn = s.image();
        for (int x = 40; x <= 140; ++x) QVERIFY(countColour(drawn, kRed, QRect(x, 39, 1, 3)) > 0);
        for (int y = 40; y <= 120; ++y) QVERIFY(countColour(drawn, kRed, QRect(139, y, 3, 1)) > 0);
        QTest::mouseMove(pad, QPoint(200, 200));
        QCOMPARE(s.image(), drawn);

        // On the grid 4.6 rounds to 5, pixel 3.76 -> 4 (unrounded it would reach pixel 3);
        // 7.5 ties to even.
        s.stroke({{4.6f, 7.5f}, {60, 7.5f}});
        const int row = s.pad().surface().pixelY(8);
        QCOMPARE(s.image().pixel(3, row), s.ground());
        QCOMPARE(s.image().pixel(4, row), kRed);
        // After a fill the pad measures whole pixels.
        s.fillPixel(300, 360);
        s.form->Option1->click();
        s.stroke({{4.6f, 200.5f}, {60, 200.5f}});
        QCOMPARE(s.image().pixel(4, 200), kWhite);
        QCOMPARE(s.image().pixel(5, 200), kRed);
    }

    // All the pad holds shows inside its border, its last column and row included, and
    // nothing shows past the border: strokes on the empty pad, then an opened picture.
    void padShowsAllItHoldsInsideItsBorder() {
        Session s;
        const QRgb ground = s.form->palette().color(QPalette::Window).rgb();
        s.pick(s.form->Command1, Qt::red);
        const QSize area = s.pad().drawingSize();
        s.stroke({s.unitsAt(0, area.height() - 1), s.unitsAt(area.width() - 1, area.height() - 1),
                  s.unitsAt(area.width() - 1, 0)});
        QCOMPARE(countColour(s.image(), kRed, QRect(area.width() - 1, 0, 1, area.height())),
                 area.height());
        QCOMPARE(countColour(s.image(), kRed, QRect(0, area.height() - 1, area.width(), 1)),
                 area.width());
        QImage window = s.shown();
        QCOMPARE(window.copy(s.padArea()), s.image());
        checkEdgesBeyond(window, s.padArea(), ground);

        QTemporaryDir dir;
        QImage picture = plainPicture({200, 150}, kGreen);
        for (int y = 0; y < 150; ++y) picture.setPixel(199, y, kRed);
        for (int x = 0; x < 200; ++x) picture.setPixel(x, 149, 0xFF0000FF);
        QVERIFY(picture.save(dir.filePath("marked.png")));
        s.services.dialogs.openAnswers = {dir.filePath("marked.png")};
        s.form->Command4->click();
        window = s.shown();
        QCOMPARE(s.padArea().size(), QSize(200, 150));
        QCOMPARE(window.copy(s.padArea()), picture);
        checkEdgesBeyond(window, s.padArea(), ground);
    }

    void fill_data() {
        QTest::addColumn<QString>("option");
        QTest::newRow("one-pixel diagonals") << "Option1";
        QTest::newRow("eraser-wide diagonals") << "Option6";
    }

    void fill() {
        QFETCH(QString, option);
        Session s;
        s.form->findChild<QRadioButton*>(option)->click();
        s.pick(s.form->Command1, Qt::red);
        QVERIFY(s.ground() != kWhite);
        s.stroke({{200, 60}, {340, 200}, {200, 340}, {60, 200}, {200, 60}});
        const QImage before = s.image();
        const QPoint centre(s.pad().surface().pixelX(200), s.pad().surface().pixelY(200));
        const QRect diamond(QPoint(s.pad().surface().pixelX(60), s.pad().surface().pixelY(60)),
                            QPoint(s.pad().surface().pixelX(340), s.pad().surface().pixelY(340)));

        s.form->Picture1_MouseDown(1, 0, 150, 150);  // the pen is down when the fill comes
        s.fillPixel(centre.x(), centre.y());
        QVERIFY(!s.form->penDown());
        const QImage after = s.image();
        QCOMPARE(countColour(after, kRed), countColour(before, kRed));
        QCOMPARE(after.pixel(centre), kWhite);
        int changed = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x) {
                if (before.pixel(x, y) == after.pixel(x, y)) continue;
                ++changed;
                QVERIFY(diamond.contains(x, y) && after.pixel(x, y) == kWhite);
            }
        QVERIFY(changed > 5000);

        // The mask colour itself, past the edge, the border (a null point would be the
        // widget's middle to QTest): nothing to fill.
        s.fillPixel(centre.x(), centre.y());
        s.fillPixel(after.width(), 5);
        QTest::mouseClick(s.form->Picture1, Qt::LeftButton, {}, QPoint(1, 1));
        s.form->Picture1_MouseMove(1, 0, 10, 10);
        QCOMPARE(s.image(), after);

        // Every fill reseeds the program's colours away from their fixed start.
        RandomSource fresh;
        QVERIFY(!(RandomColor(s.random) == RandomColor(fresh)));
    }

    void swatches() {
        Session s;
        const RgbColor pen = s.pad().surface().ForeColor();
        s.form->Command1->click();  // all three cancelled
        s.form->Command3->click();
        QTest::mouseClick(s.form->Label1, Qt::LeftButton);
        QCOMPARE(s.services.dialogs.requests.size(), size_t(3));
        QCOMPARE(s.pad().surface().ForeColor(), pen);
        QCOMPARE(s.form->Label1->BackColor(), RGB(255, 255, 255));
        QVERIFY(!s.mainSwatch->hasBackColor());

        s.pick(s.form->Command3, QColor(10, 20, 30));
        QCOMPARE(s.form->Label1->BackColor(), RGB(10, 20, 30));
        QCOMPARE(s.mainSwatch->BackColor(), RGB(10, 20, 30));
        s.services.dialogs.colorAnswers.push_back(QColor(40, 50, 60));
        QTest::mouseClick(s.form->Label1, Qt::LeftButton);
        QCOMPARE(s.form->Label1->BackColor(), RGB(40, 50, 60));
        QCOMPARE(s.mainSwatch->BackColor(), RGB(10, 20, 30));
        for (const auto& request : s.services.dialogs.requests) QCOMPARE(request.parent, s.form);
    }

    void pictureFiles() {
        QTemporaryDir dir;
        const QString in = dir.filePath("photo.png"), broken = dir.filePath("坏 broken.png");
        const QString out = dir.filePath("sticker");
        const QImage picture = plainPicture({200, 150}, 0xFFC8DCFF);
        QVERIFY(picture.save(in));
        QFile garbage(broken);
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("not a picture") > 0);
        garbage.close();
        Session s;
        auto& answers = s.services.dialogs;
        answers.openAnswers = {in, std::nullopt, broken};
        answers.saveAnswers = {std::nullopt, out};

        s.form->Command4->click();
        QCOMPARE(s.pad().size(), QSize(204, 154));
        // The grid keeps its unit: the 301 x 365 pixels the pad had make 400 x 400.
        const QPoint inside(s.pad().surface().pixelX(90), s.pad().surface().pixelY(85));
        const int leftSide = s.pad().surface().pixelX(20);
        s.form->Option2->click();
        s.pick(s.form->Command1, Qt::red);
        s.stroke({{20, 20}, {160, 20}, {160, 150}, {20, 150}, {20, 20}});
        s.pick(s.form->Command3, Qt::green);
        s.fillPixel(inside.x(), inside.y());
        const QImage held = s.image();

        s.form->Command4->click();  // cancelled
        s.form->Command4->click();  // unreadable
        QCOMPARE(s.services.messages.messages.size(), size_t(1));
        QVERIFY(s.services.messages.messages[0].text.contains(QDir::toNativeSeparators(broken)));
        QCOMPARE(s.image(), held);
        QCOMPARE(s.pad().size(), QSize(204, 154));

        s.form->Command5->click();  // cancelled
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
        s.form->Command5->click();
        QCOMPARE(answers.requests.back().file.filter,
                 QStringLiteral("Bitmap(*.bmp)|*.bmp|All files(*.*)|*.*"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);  // no extension added
        QCOMPARE(QImageReader(out).format(), QByteArray("bmp"));
        const QImage saved = platform::LoadPicture(out).image;
        QCOMPARE(saved, held);
        QCOMPARE(saved.pixel(inside), kGreen);
        QCOMPARE(saved.pixel(leftSide, inside.y()), kRed);

        s.form->Command2->click();
        QCOMPARE(s.image(), picture);
    }

    // Under a budget the picture does not fit, the pad keeps its picture and strokes and
    // the pen goes on drawing.
    void pictureBeyondMemoryKeepsThePad() {
        QTemporaryDir dir;
        const QString large = dir.filePath("large.png");
        QVERIFY(plainPicture({300, 200}, kGreen).save(large));
        Session s;
        s.services.dialogs.openAnswers = {large};
        s.stroke({{20, 20}, {160, 20}});
        const QImage held = s.image();
        const QSize padSize = s.pad().size();
        {
            const platform::PictureBudgetOverride tight(300 * 200 * 4 - 1);
            s.form->Command4->click();
        }
        QCOMPARE(s.services.messages.messages.size(), size_t(1));
        QVERIFY(s.services.messages.messages[0].text.contains(QStringLiteral("内存不足")));
        QCOMPARE(s.image(), held);
        QCOMPARE(s.pad().size(), padSize);
        s.stroke({{20, 100}, {160, 100}});
        QVERIFY(s.image() != held);
    }

    void oneWindowAtATime() {
        Session s;
        QCOMPARE(s.form->windowTitle(), QStringLiteral("Tessaly抠图"));
        QCOMPARE(s.form->parentWidget(), s.main.get());
        QCOMPARE(QRect(s.form->pos(), s.form->size()), QRect(578, 248, 764, 584));  // centred
        s.form->Option3->click();
        s.stroke({{10, 10}, {200, 200}});
        const QImage drawn = s.image();
        QCOMPARE(s.press(), s.form);
        QVERIFY(s.form->Option3->isChecked());
        QCOMPARE(s.image(), drawn);

        QPointer<Form11> closed = s.form;
        QVERIFY(s.form->close());
        QCOMPARE(s.launcher.window(), nullptr);
        Form11* fresh = s.press();  // even before the closed one is deleted
        QVERIFY(fresh && fresh != closed);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        QVERIFY(fresh->Option1->isChecked());
        QCOMPARE(fresh->Picture1->surface().DrawWidth(), 1);
        QCOMPARE(fresh->Label1->BackColor(), RGB(255, 255, 255));
        QCOMPARE(fresh->Picture1->surface().ScaleWidth(), 400.0f);
        QCOMPARE(fresh->Picture1->surface().Image(),
                 plainPicture({301, 365}, fresh->Picture1->surface().BackColor().toQRgb()));

        QPointer<Form11> open = fresh;
        s.main.reset();
        QVERIFY(open.isNull());
    }
};

QTEST_MAIN(TestCutout)
#include "tst_cutout.moc"
