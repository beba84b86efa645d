#include "platform/PictureBox.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "platform/Form.h"
#include "platform/Rounding.h"

namespace platform {

class PictureSurface : public QWidget {
public:
    PictureSurface(QWidget* parent, const PictureBox* box) : QWidget(parent), box_(box) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), box_->image());
    }

private:
    const PictureBox* box_;
};

QImage loadPicture(const QString& resourceBaseName) {
    const bool highDpi = QGuiApplication::primaryScreen() &&
                         QGuiApplication::primaryScreen()->devicePixelRatio() > 1;
    QImage picture(QStringLiteral(":/assets/%1%2.png")
                       .arg(resourceBaseName, highDpi ? QStringLiteral("@2x") : QString()));
    if (highDpi) picture.setDevicePixelRatio(2);
    return picture.convertToFormat(QImage::Format_RGB32);
}

PictureBox::PictureBox(Form& form, const QString& name, TwipsRect design, const QImage& picture,
                       const QColor& background)
    : Control(form, new PictureSurface(form.clientArea(), this), name, design),
      surface_(static_cast<PictureSurface*>(widget())),
      picture_(picture),
      background_(background) {
    resizeImage();
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
    if (!picture_.isNull()) {
        QPainter painter(&cleared_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), picture_.deviceIndependentSize()), picture_);
    }
    image_ = cleared_;
    rendered_.clear();  // the operations are replayed onto the new size, keeping the painting
    screenStale_ = true;
    scheduleScreenUpdate();
}

void PictureBox::cls() {
    if (surface_->devicePixelRatioF() != cleared_.devicePixelRatio()) resizeImage();
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
    const bool extendsRendered =
        rendered_.size() <= operations_.size() &&
        std::equal(rendered_.begin(), rendered_.end(), operations_.begin());
    if (!extendsRendered) {
        image_ = cleared_;
        rendered_.clear();
    }
    if (rendered_.size() == operations_.size()) return image_;
    QPainter painter(&image_);
    for (std::size_t i = rendered_.size(); i < operations_.size(); ++i) {
        apply(painter, operations_[i]);
        rendered_.push_back(operations_[i]);
    }
    return image_;
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
    screenStale_ = false;
    onScreen_ = operations_;
    ++screenUpdates_;
    surface_->update();
}

}  // namespace platform
