// SPDX-License-Identifier: GPL-3.0-or-later
// Measures GIF palettes on the three test pictures (gradient, photo, screenshot) and prints
// one table row per picture and candidate: PSNR, palette colours the pixels use, pixels
// kept exactly, median wall and CPU time of the quantizing, and a checksum of the output
// (run twice, or with another OMP_NUM_THREADS, to see whether a candidate is deterministic).
//   gif_palette_figures [RUNS]
// The figures in docs/ARCHITECTURE.md (saving pictures) come from this tool on a
// RelWithDebInfo build. libimagequant's rows appear when libimagequant-dev was found.
#include "pictures/palette_pictures.h"
#include "pictures/palette_quantizer.h"

#include <QCryptographicHash>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#ifdef CHROMADECK_HAVE_IMAGEQUANT
#include <libimagequant.h>
#endif

using namespace chromadeck;

namespace {

using Quantizer = std::function<QImage(const QImage&)>;

struct Candidate {
    std::string name;
    Quantizer quantize;
};

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

int coloursUsed(const QImage& indexed) {
    std::set<uchar> used;
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x) used.insert(indexed.constScanLine(y)[x]);
    return int(used.size());
}

double exactShare(const QImage& picture, const QImage& back) {
    qint64 same = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            same += (picture.pixel(x, y) & 0xffffff) == (back.pixel(x, y) & 0xffffff);
    return 100.0 * double(same) / (double(picture.width()) * picture.height());
}

// Of the colours that cover at least 1 pixel in 1000 (the flat areas of a capture), how
// many come back exactly in every one of their pixels, as "kept/all".
QString flatColoursKept(const QImage& picture, const QImage& back) {
    std::map<QRgb, bool> kept;  // colour -> every pixel so far exact
    std::map<QRgb, qint64> pixels;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            ++pixels[c];
            auto [it, fresh] = kept.try_emplace(c, true);
            it->second = it->second && (back.pixel(x, y) | 0xff000000u) == (c | 0xff000000u);
        }
    int flat = 0, exact = 0;
    for (const auto& [colour, count] : pixels)
        if (count * 1000 >= qint64(picture.width()) * picture.height()) {
            ++flat;
            exact += kept[colour];
        }
    return QStringLiteral("%1/%2").arg(exact).arg(flat);
}

QByteArray checksum(const QImage& indexed) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (QRgb c : indexed.colorTable())
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(&c), 4));
    for (int y = 0; y < indexed.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(indexed.constScanLine(y)),
                                    indexed.width()));
    return hash.result().toHex().left(12);
}

#ifdef CHROMADECK_HAVE_IMAGEQUANT
// libimagequant at its default speed and gamma, with the given dithering level.
QImage imagequant(const QImage& picture, float dither) {
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    liq_attr* attr = liq_attr_create();
    liq_image* image =
        liq_image_create_rgba(attr, rgba.constBits(), rgba.width(), rgba.height(), 0);
    liq_result* result = nullptr;
    QImage out;
    if (liq_image_quantize(image, attr, &result) == LIQ_OK) {
        liq_set_dithering_level(result, dither);
        out = QImage(rgba.size(), QImage::Format_Indexed8);
        std::vector<unsigned char*> rows(size_t(out.height()));
        for (int y = 0; y < out.height(); ++y) rows[size_t(y)] = out.scanLine(y);
        liq_write_remapped_image_rows(result, image, rows.data());
        const liq_palette* palette = liq_get_palette(result);
        QList<QRgb> table;
        for (unsigned i = 0; i < palette->count; ++i)
            table.push_back(
                qRgb(palette->entries[i].r, palette->entries[i].g, palette->entries[i].b));
        out.setColorTable(table);
        liq_result_destroy(result);
    }
    liq_image_destroy(image);
    liq_attr_destroy(attr);
    return out;
}
#endif

std::vector<Candidate> candidates() {
    auto own = [](int rounds, double enough, bool flat) {
        return [=](const QImage& p) { return ReducePalette(p, {rounds, enough, flat}); };
    };
    std::vector<Candidate> list{
        {"variance cut", own(0, 0, false)},
        {"variance cut, 4 Lloyd rounds", own(4, 0, false)},
        {"variance cut, Lloyd rounds until no change", own(100, 0, false)},
        {"variance cut, Lloyd rounds until < 0.1 % gain", own(12, 0.001, false)},
        {"ReducePalette: the same, flat colours kept", own(12, 0.001, true)}};
#ifdef CHROMADECK_HAVE_IMAGEQUANT
    list.push_back({"libimagequant", [](const QImage& p) { return imagequant(p, 0); }});
    list.push_back({"libimagequant, dithered", [](const QImage& p) { return imagequant(p, 1); }});
#endif
    return list;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::pair<const char*, QImage> pictures[] = {
        {"gradient", testing::gradientPicture()},
        {"photo", testing::photoPicture()},
        {"screenshot", testing::screenshotPicture()}};
    std::printf(
        "| picture | candidate | PSNR dB | colours | exact px %% | flat colours kept | wall ms | "
        "CPU ms | output |\n");
    std::printf("| --- | --- | --- | --- | --- | --- | --- | --- | --- |\n");
    for (const auto& [name, picture] : pictures) {
        for (const Candidate& c : candidates()) {
            std::vector<double> wall, cpu;
            QImage out;
            for (int r = 0; r < runs; ++r) {
                const auto w0 = std::chrono::steady_clock::now();
                const double c0 = cpuSeconds();
                out = c.quantize(picture);
                cpu.push_back(1e3 * (cpuSeconds() - c0));
                wall.push_back(
                    1e3 *
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count());
            }
            const QImage back = out.convertToFormat(QImage::Format_RGB32);
            std::printf("| %s | %s | %.2f | %d | %.1f | %s | %.1f | %.1f | %s |\n", name,
                        c.name.c_str(), testing::psnr(picture, back), coloursUsed(out),
                        exactShare(picture, back), qPrintable(flatColoursKept(picture, back)),
                        median(wall), median(cpu), checksum(out).constData());
        }
    }
    return 0;
}
