#include <QFile>
#include <QImage>
#include <QtTest>
#include <cmath>

#include "dial/DialGeometry.h"

namespace {

/// The shipped pictures, read where they are kept in the source tree, so this test of pure
/// drawing needs none of the program's libraries.
QString artwork(const char* name) {
    return QStringLiteral(TAMORU_SOURCE_DIR "/assets/") + QLatin1String(name);
}

constexpr double kCentre = 125.0;

int grey(const QImage& image, double degrees, double radius) {
    const double a = degrees * M_PI / 180;
    const int x = int(std::floor(kCentre + radius * std::sin(a)));
    const int y = int(std::floor(kCentre - radius * std::cos(a)));
    return qGray(image.pixel(x, y));
}

/// Dark runs met going once round the face at a radius: their start angles and widths.
struct Run {
    double start;
    int samples;
    int ink;  // darkness summed over the run
};
QList<Run> darkRunsAround(const QImage& image, double radius) {
    constexpr int kSteps = 7200;  // 0.05 degrees
    QList<Run> runs;
    // Begin in a light spot so no run is split across the start.
    int offset = 0;
    while (grey(image, offset * 0.05, radius) < 160) ++offset;
    bool inRun = false;
    for (int i = 0; i < kSteps; ++i) {
        const double degrees = (offset + i) * 0.05;
        const bool dark = grey(image, degrees, radius) < 160;
        if (dark && !inRun) runs.append({std::fmod(degrees, 360.0), 0, 0});
        if (dark) {
            ++runs.last().samples;
            runs.last().ink += 255 - grey(image, degrees, radius);
        }
        inRun = dark;
    }
    return runs;
}

/// Bit depth and colour type from a PNG header: 8, 2 is 24-bit RGB without alpha.
QByteArray pngColourType(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.read(26).mid(24, 2);
}

/// The darkest sample within half a pixel of a radius.
int darkestNear(const QImage& image, double degrees, double radius) {
    int darkest = 255;
    for (double r = radius - 0.5; r <= radius + 0.5; r += 0.1) {
        darkest = std::min(darkest, grey(image, degrees, r));
    }
    return darkest;
}

double nearestMultipleGap(double degrees, double step) {
    const double r = std::fmod(degrees + 360.0, step);
    return std::min(r, step - r);
}

}  // namespace

class ArtworkTest : public QObject {
    Q_OBJECT
    QImage face_{artwork("face.png")};
    QImage digits_{artwork("digits.png")};

private slots:
    void picturesHaveTheirDesignSizes() {
        QCOMPARE(face_.size(), QSize(250, 250));
        QCOMPARE(pngColourType(artwork("face.png")), QByteArray("\x08\x02", 2));
        QCOMPARE(digits_.size(), QSize(150, 30));
        QCOMPARE(pngColourType(artwork("digits.png")), QByteArray("\x08\x02", 2));
        QCOMPARE(QImage(artwork("face@2x.png")).size(), QSize(500, 500));
        QCOMPARE(QImage(artwork("digits@2x.png")).size(), QSize(300, 60));
        for (int size : {16, 32, 48}) {
            QCOMPARE(QImage(artwork("icon-%1.png").arg(size)).size(), QSize(size, size));
        }
    }

    void threeCirclesBoundTwoBands() {
        // Angles halfway between divisions and away from the numerals.
        for (double a : {31.25, 88.75, 151.25, 211.25, 271.25, 331.25}) {
            for (double r : {111.5, 117.5, 124.5}) QVERIFY(darkestNear(face_, a, r) < 160);
            for (double r : {100.0, 114.5, 121.0}) QVERIFY(grey(face_, a, r) > 230);
        }
    }

    void outerBandHas144DivisionsEvery2Point5Degrees() {
        const QList<Run> runs = darkRunsAround(face_, 121.0);
        QCOMPARE(runs.size(), 144);
        for (const Run& run : runs) {
            const double middle = run.start + run.samples * 0.05 / 2;
            QVERIFY(nearestMultipleGap(middle, 2.5) < 0.4);
        }
    }

    void everyThirdDivisionCrossesTheInnerBand() {
        const QList<Run> runs = darkRunsAround(face_, 114.5);
        QCOMPARE(runs.size(), 48);
        for (const Run& run : runs) {
            QVERIFY(nearestMultipleGap(run.start + run.samples * 0.025, 7.5) < 0.4);
        }
    }

    void twentyFourTicksOfWhichSixAreBold() {
        const QList<Run> runs = darkRunsAround(face_, 109.0);
        QCOMPARE(runs.size(), 24);
        int boldInk = 1 << 30, thinInk = 0;
        for (const Run& run : runs) {
            const double middle = run.start + run.samples * 0.025;
            QVERIFY(nearestMultipleGap(middle, 15) < 0.4);
            if (nearestMultipleGap(middle, 60) < 0.4) {
                boldInk = std::min(boldInk, run.ink);
            } else {
                thinInk = std::max(thinInk, run.ink);
            }
        }
        QVERIFY2(boldInk > thinInk * 1.4,
                 qPrintable(QStringLiteral("bold %1 thin %2").arg(boldInk).arg(thinInk)));
    }

    void numeralBlocksLieOnPlainWhite() {
        for (int slot = 0; slot < 6; ++slot) {
            const QPoint corner = kNumeralSlots.at(std::size_t(slot));
            for (int y = 0; y < 30; ++y) {
                for (int x = 0; x < 30; ++x) {
                    const QPoint p = corner + QPoint(x, y);
                    const bool twelveOclockTick =
                        slot == 0 && (p.x() == 124 || p.x() == 125) && p.y() <= 18;
                    if (twelveOclockTick) {
                        QVERIFY(qGray(face_.pixel(p)) < 200);
                    } else {
                        QCOMPARE(face_.pixel(p), qRgb(255, 255, 255));
                    }
                }
            }
        }
    }

    void legendSitsBelowTheCentre() {
        QRect dark;
        for (int y = 176; y < 200; ++y) {
            for (int x = 100; x < 155; ++x) {
                if (qGray(face_.pixel(x, y)) < 128) dark |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY(std::abs(dark.width() - 33) <= 2 && std::abs(dark.height() - 8) <= 1);
        QVERIFY(std::abs(dark.center().x() - 127) <= 1 && std::abs(dark.center().y() - 188) <= 1);
    }

    void digitCellsHoldDarkGlyphsOnWhite() {
        for (int cell = 0; cell < 10; ++cell) {
            QRect ink;
            for (int y = 0; y < 30; ++y) {
                for (int x = 0; x < 15; ++x) {
                    if (qGray(digits_.pixel(cell * 15 + x, y)) < 128) ink |= QRect(x, y, 1, 1);
                }
            }
            QVERIFY(ink.top() >= 4 && ink.bottom() <= 28 && ink.height() >= 23);
            QVERIFY(ink.left() >= 1 && ink.right() <= 14);
            QCOMPARE(digits_.pixel(cell * 15, 0), qRgb(255, 255, 255));
        }
    }
};

QTEST_APPLESS_MAIN(ArtworkTest)
#include "tst_artwork.moc"
