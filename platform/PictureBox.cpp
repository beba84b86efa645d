#include "platform/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "core/Rounding.h"
#include "platform/Accessibility.h"
#include "platform/Form.h"

namespace platform {

class PictureSurface : public QWidget {
public:
    PictureSurface(QWidget* parent, PictureBox* box) : QWidget(parent), box_(box) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAccessibleRole(this, QAccessible::Graphic);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        box_->followScreen();
        QPainter painter(this);
        const QImage& image = box_->image();
        const QRectF area = event->rect();
        const qreal ratio = image.devicePixelRatio();
        painter.drawImage(area, image, QRectF(area.topLeft() * ratio, area.size() * ratio));
    }

private:
    PictureBox* box_;
};

namespace {

/// A rectangle of an image's pixels in the logical coordinates its painter and widget use.
QRectF toLogical(const QRect& devicePixels, qreal ratio) {
    return QRectF(QPointF(devicePixels.topLeft()) / ratio, QSizeF(devicePixels.size()) / ratio);
}

/// A picture from the program's resources, the "@2x" version for a high-DPI screen.
QImage loadPicture(const QString& resourceBaseName, bool highDpi) {
    QImage picture(QStringLiteral(":/assets/%1%2.png")
                       .arg(resourceBaseName, highDpi ? QStringLiteral("@2x") : QString()));
    if (highDpi) picture.setDevicePixelRatio(2);
    return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

PictureBox::PictureBox(Form& form, const QString& name, TwipsRect design,
                       const QString& pictureName, const QColor& background)
    : Control(form, new PictureSurface(form.clientArea(), this), name, design),
      surface_(static_cast<PictureSurface*>(widget())),
      pictureName_(pictureName),
      background_(background) {
    resizeImage();
}

const QImage& PictureBox::picture() const {
    const bool highDpi = surface_->devicePixelRatioF() > 1;
    if (!pictureName_.isEmpty() && (picture_.isNull() || pictureIsHighDpi_ != highDpi)) {
        picture_ = loadPicture(pictureName_, highDpi);
        pictureIsHighDpi_ = highDpi;
    }
    return picture_;
}

void PictureBox::followScreen() {
    if (surface_->devicePixelRatioF() != cleared_.devicePixelRatio()) resizeImage();
}

void PictureBox::setSize(double widthTwips, double heightTwips) {
    setWidth(widthTwips);
    setHeight(heightTwips);
    resizeImage();
}

void PictureBox::resizeImage() {
    const qreal ratio = surface_->devicePixelRatioF();
    const QSize logical(int(roundHalfEven(width() / form_.twipsPerPixelX())),
                        int(roundHalfEven(height() / form_.twipsPerPixelY())));
    cleared_ = QImage(logical * ratio, QImage::Format_RGB32);
    cleared_.setDevicePixelRatio(ratio);
    cleared_.fill(background_);
    if (const QImage& shown = picture(); !shown.isNull()) {
        QPainter painter(&cleared_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), shown.deviceIndependentSize()), shown);
    }
    image_ = cleared_.copy();
    rendered_.clear();  // the operations are replayed onto the new size, keeping the painting
    screenStale_ = true;
    scheduleScreenUpdate();
}

void PictureBox::cls() {
    followScreen();
    operations_.clear();
    scheduleScreenUpdate();
}

void PictureBox::paintPicture(const PictureBox& source, double destX, double destY, double width,
                              double height, double sourceX, double sourceY) {
    record({Operation::Copy, &source, destX, destY, width, height, sourceX, sourceY, 0, 0,
            fillStyle_, fillColor_});
}

void PictureBox::line(double x1, double y1, double x2, double y2, QRgb colour) {
    record({Operation::Line, nullptr, x1, y1, x2, y2, 0, 0, colour, drawWidth_, fillStyle_,
            fillColor_});
}

void PictureBox::circle(double x, double y, double radius, QRgb colour) {
    record({Operation::Circle, nullptr, x, y, radius, 0, 0, 0, colour, drawWidth_, fillStyle_,
            fillColor_});
}

void PictureBox::record(const Operation& operation) {
    operations_.push_back(operation);
    scheduleScreenUpdate();
}

const QImage& PictureBox::image() const {
    if (rendered_ == operations_) return image_;
    const auto firstDifference =
        std::mismatch(rendered_.begin(), rendered_.end(), operations_.begin(), operations_.end());
    const std::size_t same = std::size_t(firstDifference.first - rendered_.begin());
    QPainter painter(&image_);
    if (same == rendered_.size()) {  // only painted on top: draw the new operations
        for (std::size_t i = same; i < operations_.size(); ++i) {
            apply(painter, operations_[i]);
            unpushed_ |= bounds(operations_[i]);
        }
    } else {
        // Pixels outside what the differing operations cover are painted by the same operations
        // as before: redraw only that area, from the cleared picture up.
        QRect area;
        for (std::size_t i = same; i < rendered_.size(); ++i) area |= bounds(rendered_[i]);
        for (std::size_t i = same; i < operations_.size(); ++i) area |= bounds(operations_[i]);
        area &= cleared_.rect();
        const QRectF logical = toLogical(area, cleared_.devicePixelRatio());
        painter.setClipRect(logical);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(logical, cleared_, QRectF(area));
        for (const Operation& operation : operations_) {
            if (bounds(operation).intersects(area)) apply(painter, operation);
        }
        unpushed_ |= area;
    }
    rendered_ = operations_;
    return image_;
}

QRect PictureBox::bounds(const Operation& op) const {
    // In device pixels of the image, with room for anti-aliasing and line caps.
    const double tx = form_.twipsPerPixelX() / cleared_.devicePixelRatio();
    const double ty = form_.twipsPerPixelY() / cleared_.devicePixelRatio();
    const double pen = op.drawWidth * cleared_.devicePixelRatio() / 2.0 + 2;
    QRectF area;
    switch (op.kind) {
        case Operation::Copy:
            area = QRectF(QPointF(op.a / tx, op.b / ty), QSizeF(op.c / tx, op.d / ty));
            return area.toAlignedRect().adjusted(-1, -1, 1, 1);
        case Operation::Line:
            area =
                QRectF(QPointF(op.a / tx, op.b / ty), QPointF(op.c / tx, op.d / ty)).normalized();
            break;
        case Operation::Circle:
            area = QRectF(QPointF((op.a - op.c) / tx, (op.b - op.c) / ty),
                          QPointF((op.a + op.c) / tx, (op.b + op.c) / ty));
            break;
    }
    return area.adjusted(-pen, -pen, pen, pen).toAlignedRect();
}

void PictureBox::apply(QPainter& painter, const Operation& op) const {
    const double tx = form_.twipsPerPixelX();
    const double ty = form_.twipsPerPixelY();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing, op.kind != Operation::Copy);
    switch (op.kind) {
        case Operation::Copy: {
            auto px = [tx](double twips) { return roundHalfEven(twips / tx); };
            auto py = [ty](double twips) { return roundHalfEven(twips / ty); };
            const QImage& from = op.source->picture();
            const qreal ratio = from.devicePixelRatio();
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(
                QRectF(px(op.a), py(op.b), px(op.c), py(op.d)), from,
                QRectF(px(op.e) * ratio, py(op.f) * ratio, px(op.c) * ratio, py(op.d) * ratio));
            break;
        }
        case Operation::Line:
            painter.setPen(QPen(QColor(op.colour), op.drawWidth, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(op.a / tx, op.b / ty), QPointF(op.c / tx, op.d / ty));
            break;
        case Operation::Circle:
            painter.setPen(QPen(QColor(op.colour), op.drawWidth));
            painter.setBrush(op.fillStyle == Solid ? QBrush(QColor(op.fillColor))
                                                   : QBrush(Qt::NoBrush));
            painter.drawEllipse(QPointF(op.a / tx, op.b / ty), op.c / tx, op.c / ty);
            break;
    }
}

void PictureBox::scheduleScreenUpdate() {
    // Decide once the current handler has finished: a Cls followed by the same painting as
    // before leaves the screen as it is.
    if (updateScheduled_) return;
    updateScheduled_ = true;
    QTimer::singleShot(0, surface_, [this] { pushToScreenIfChanged(); });
}

void PictureBox::pushToScreenIfChanged() {
    updateScheduled_ = false;
    if (!screenStale_ && operations_ == onScreen_) return;
    onScreen_ = operations_;
    const QImage& now = image();
    // Only what was redrawn goes to the screen: a hand step touches a sliver of the dial.
    const QRect changed = screenStale_ ? now.rect() : unpushed_ & now.rect();
    screenStale_ = false;
    unpushed_ = QRect();
    if (changed.isEmpty()) return;
    ++screenUpdates_;
    surface_->update(toLogical(changed, now.devicePixelRatio()).toAlignedRect());
}

}  // namespace platform
