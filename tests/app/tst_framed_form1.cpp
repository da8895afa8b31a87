// SPDX-License-Identifier: GPL-3.0-or-later
// The main window inside a window manager's frame (the test screen draws one round every
// window): the canvas fits the client area, so everything it draws can be seen.
#include "app/fonts.h"
#include "form1_session.h"

#include <QTest>

using namespace chromadeck;
using chromadeck::testing::Session;

class TestFramedForm1 : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { app::registerFontSubstitutions(); }

    void canvasShowsItsLastColumnAndRowInsideTheBorder() {
        Session s;
        Form1& f = *s.form;
        f.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTRY_VERIFY(f.isMaximized());
        QCoreApplication::processEvents();
        QVERIFY(f.frameGeometry().width() > f.width());

        // A picture as large as the drawing area, its last column red and last row blue.
        Canvas& canvas = *f.Picture1;
        const QSize area = canvas.drawingSize();
        QImage picture(area, QImage::Format_RGB32);
        picture.fill(qRgb(0, 160, 0));
        for (int y = 0; y < area.height(); ++y)
            picture.setPixel(area.width() - 1, y, qRgb(255, 0, 0));
        for (int x = 0; x < area.width(); ++x)
            picture.setPixel(x, area.height() - 1, qRgb(0, 0, 255));
        QVERIFY(canvas.setPicture(picture));
        QCOMPARE(canvas.surface().Image(), picture);

        // All of it shows in the window, and so does the border's outer edge beyond it.
        const QImage shown = f.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint corner = canvas.mapTo(&f, QPoint(2, 2));
        QCOMPARE(shown.copy(QRect(corner, area)), picture);
        QCOMPARE(shown.pixel(corner + QPoint(area.width() + 1, 10)), qRgb(255, 255, 255));
        QCOMPARE(shown.pixel(corner + QPoint(10, area.height() + 1)), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(TestFramedForm1)
#include "tst_framed_form1.moc"
