// Draws the program's artwork: the dial face (250 x 250), the digit strip (150 x 30, the digits
// 1 2 3 4 5 6 7 8 9 0 in 15 x 30 cells) and the window icon, each also at twice the size for
// high-DPI screens. Fonts come from Debian's fonts-dejavu-core and fonts-dejavu-extra, loaded by
// file so the output does not depend on the fonts a machine happens to prefer.
//
//   make_artwork OUTPUT_DIR
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>

#include "dial/DialGeometry.h"

namespace {

constexpr double kCentre = 125.0;  // between pixels 124 and 125
const QColor kInk(40, 40, 40);
const QString kFontDir = QStringLiteral("/usr/share/fonts/truetype/dejavu/");

QString loadFont(const QString& file) {
    const int id = QFontDatabase::addApplicationFont(kFontDir + file);
    if (id < 0) qFatal("cannot load font %s", qPrintable(file));
    return QFontDatabase::applicationFontFamilies(id).first();
}

/// Draws text as a filled outline stretched to exactly fill the given box.
void fillTextInto(QPainter& painter, const QString& text, const QFont& font, const QRectF& box,
                  const QColor& colour) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / bounds.width(), box.height() / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    painter.fillPath(fit.map(path), colour);
}

QPointF onRadius(double degreesFromTwelve, double radius) {
    const double a = qDegreesToRadians(degreesFromTwelve);
    return {kCentre + radius * std::sin(a), kCentre - radius * std::cos(a)};
}

void radial(QPainter& painter, double degrees, double from, double to, double width) {
    painter.setPen(QPen(kInk, width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(onRadius(degrees, from), onRadius(degrees, to));
}

QImage face(int scale, const QString& sans) {
    QImage image(250 * scale, 250 * scale, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    painter.setPen(QPen(kInk, 1));
    for (double radius : {111.5, 117.5, 124.5}) {
        painter.drawEllipse(QPointF(kCentre, kCentre), radius, radius);
    }
    // 144 divisions of the outer band, one frame each at the 6-second range; every third
    // crosses both bands.
    for (int i = 0; i < 144; ++i) {
        radial(painter, i * 2.5, i % 3 == 0 ? 111.5 : 117.5, 124.5, 1);
    }
    // 24 ticks; the six on whole seconds of the 6-second range are bold.
    for (int i = 0; i < 24; ++i) radial(painter, i * 15.0, 106.5, 124.5, i % 4 == 0 ? 2 : 1);

    QFont legendFont(sans);
    legendFont.setPixelSize(40);
    fillTextInto(painter, QStringLiteral("1/24 SEC"), legendFont, QRectF(110.5, 184, 33, 8), kInk);
    QFont wordmarkFont(sans);
    wordmarkFont.setPixelSize(60);
    wordmarkFont.setBold(true);
    const QColor wordmark(150, 150, 150);
    fillTextInto(painter, QStringLiteral("TAMORU"), wordmarkFont, QRectF(89, 70, 72, 14), wordmark);
    fillTextInto(painter, QStringLiteral("WATCH"), wordmarkFont, QRectF(97, 90, 56, 13), wordmark);

    // The numerals are painted on plain white; only the 12 o'clock tick reaches into its block.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const QPoint& block : kNumeralSlots)
        painter.fillRect(QRect(block, QSize(30, 30)), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    radial(painter, 0, 106.5, 124.5, 2);
    return image;
}

QImage digitStrip(int scale, const QString& sansBold) {
    QImage image(150 * scale, 30 * scale, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    QFont font(sansBold);
    font.setPixelSize(100);
    const QString digits = QStringLiteral("1234567890");
    for (int cell = 0; cell < 10; ++cell) {
        fillTextInto(painter, digits.mid(cell, 1), font, QRectF(cell * 15 + 1, 4, 13, 25),
                     Qt::black);
    }
    return image;
}

QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 48.0, size / 48.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 90, 90));
    painter.drawRoundedRect(QRectF(20, 1, 8, 7), 1.5, 1.5);  // crown
    painter.setPen(QPen(QColor(40, 40, 40), 3));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(24, 27), 19.5, 19.5);
    painter.setPen(QPen(QColor(40, 40, 40), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double a = qDegreesToRadians(i * 60.0);
        painter.drawLine(QPointF(24 + 14 * std::sin(a), 27 - 14 * std::cos(a)),
                         QPointF(24 + 17 * std::sin(a), 27 - 17 * std::cos(a)));
    }
    painter.setPen(QPen(QColor(230, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(24, 27), QPointF(24 + 14 * std::sin(1.05), 27 - 14 * std::cos(1.05)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 0, 0));
    painter.drawEllipse(QPointF(24, 27), 3, 3);
    return image;
}

void save(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) qFatal("cannot write %s", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_artwork OUTPUT_DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const QString sans = loadFont(QStringLiteral("DejaVuSans.ttf"));
    const QString sansBold = loadFont(QStringLiteral("DejaVuSansCondensed-Bold.ttf"));
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        save(face(scale, sans), out + QStringLiteral("face%1.png").arg(suffix));
        save(digitStrip(scale, sansBold), out + QStringLiteral("digits%1.png").arg(suffix));
    }
    for (int size : {16, 32, 48}) save(icon(size), out + QStringLiteral("icon-%1.png").arg(size));
    return 0;
}
