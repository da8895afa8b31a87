// SPDX-License-Identifier: GPL-3.0-or-later
// The GIF palette of pictures with more than 256 colours, measured through the written file
// as Qt's own GIF reader decodes it, and the exact palette of pictures with fewer.
#include "palette_pictures.h"
#include "pictures/gif_writer.h"
#include "pictures/nearest_colour.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QtTest>
#include <map>
#include <set>

using namespace chromadeck;

namespace {

QByteArray gifBytes(const QImage& picture) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QString why = WriteGif(picture, buffer);
    if (!why.isEmpty()) qWarning("%s", qPrintable(why));
    return buffer.data();
}

QImage decoded(const QByteArray& gif) {
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

int distinctColours(const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
    return int(seen.size());
}

// The colours covering at least 1 pixel in 1000 whose pixels do not all come back exactly.
QList<QRgb> flatColoursLost(const QImage& picture, const QImage& back) {
    std::map<QRgb, std::pair<qint64, bool>> seen;  // pixels, all exact
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            auto& [pixels, exact] = seen.try_emplace(picture.pixel(x, y), 0, true).first->second;
            ++pixels;
            exact = exact && back.pixel(x, y) == picture.pixel(x, y);
        }
    QList<QRgb> lost;
    for (const auto& [colour, tally] : seen)
        if (tally.first * 1000 >= qint64(picture.width()) * picture.height() && !tally.second)
            lost.push_back(colour);
    return lost;
}

}  // namespace

class GifPaletteTest : public QObject {
    Q_OBJECT

  private slots:
    void manyColoursAreCloseAndUseTheWholePalette_data();
    void manyColoursAreCloseAndUseTheWholePalette();
    void fewColoursComeBackExactly_data();
    void fewColoursComeBackExactly();
    void nearestEntryIsTheClosestLowestIndex();
};

void GifPaletteTest::manyColoursAreCloseAndUseTheWholePalette_data() {
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<double>("leastPsnr");  // measured by tools/gif_palette_figures, less 0.2 dB
    QTest::newRow("gradient") << testing::gradientPicture() << 50.86;
    QTest::newRow("photo") << testing::photoPicture() << 36.96;
    QTest::newRow("screenshot") << testing::screenshotPicture() << 49.68;
}

void GifPaletteTest::manyColoursAreCloseAndUseTheWholePalette() {
    QFETCH(QImage, picture);
    QFETCH(double, leastPsnr);
    const QByteArray gif = gifBytes(picture);
    const QImage back = decoded(gif);
    QCOMPARE(back.size(), picture.size());
    const double psnr = testing::psnr(picture, back);
    QVERIFY2(psnr >= leastPsnr, qPrintable(QString::number(psnr)));
    QCOMPARE(distinctColours(back), 256);
    // A screen capture's backgrounds and controls keep their colours.
    QCOMPARE(flatColoursLost(picture, back), QList<QRgb>());
    // The same picture gives the same file.
    QCOMPARE(gifBytes(picture), gif);
}

void GifPaletteTest::fewColoursComeBackExactly_data() {
    QTest::addColumn<QImage>("picture");
    // 256 colours in pairs one step apart, scattered: any merging of close shades shows.
    QImage pairs(97, 61, QImage::Format_RGB32);
    QRandomGenerator random(5);
    for (int y = 0; y < pairs.height(); ++y)
        for (int x = 0; x < pairs.width(); ++x) {
            const int i = int(random.bounded(256));
            pairs.setPixel(x, y, qRgb(100 + i / 2 + i % 2, 100 + i / 2, 60 + i / 2));
        }
    QTest::newRow("256 close shades") << pairs;
    // Transparency is dropped; the colours below it stay.
    QImage clear(8, 4, QImage::Format_ARGB32);
    for (int i = 0; i < 32; ++i) clear.setPixel(i % 8, i / 8, qRgba(i * 8, 255 - i, i, i * 8));
    QTest::newRow("translucent") << clear;
    QTest::newRow("screenshot, a flat part") << testing::screenshotPicture().copy(130, 30, 60, 40);
}

void GifPaletteTest::fewColoursComeBackExactly() {
    QFETCH(QImage, picture);
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    QVERIFY(distinctColours(opaque) <= 256);
    QCOMPARE(decoded(gifBytes(picture)), opaque);
}

// Against looking at every entry, on palettes with repeated entries and ties.
void GifPaletteTest::nearestEntryIsTheClosestLowestIndex() {
    QRandomGenerator random(11);
    for (int trial = 0; trial < 40; ++trial) {
        const int size = 1 + int(random.bounded(256));
        const int spread = trial % 2 ? 256 : 24;  // narrow palettes repeat and tie
        QList<QRgb> palette;
        for (int i = 0; i < size; ++i)
            palette.push_back(qRgb(int(random.bounded(spread)), int(random.bounded(spread)),
                                   int(random.bounded(spread))));
        const NearestColour nearest(palette);
        for (int q = 0; q < 300; ++q) {
            const QRgb c =
                qRgb(int(random.bounded(256)), int(random.bounded(256)), int(random.bounded(256)));
            int best = -1, bestDistance = INT_MAX;
            for (int i = 0; i < size; ++i) {
                const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                          db = qBlue(c) - qBlue(palette[i]);
                if (dr * dr + dg * dg + db * db < bestDistance) {
                    bestDistance = dr * dr + dg * dg + db * db;
                    best = i;
                }
            }
            QCOMPARE(nearest(c), best);
            QCOMPARE(nearest(c, int(random.bounded(size))), best);
        }
    }
}

QTEST_APPLESS_MAIN(GifPaletteTest)
#include "tst_gif_palette.moc"
