#include "platform/PictureBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include "platform/Form.h"
#include "platform/Rounding.h"

namespace platform {

class PictureSurface : public QWidget {
  public:
    PictureSurface(QWidget* parent, const QImage* image) : QWidget(parent), image_(image) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.drawImage(event->rect(), *image_,
                          QRectF(QPointF(event->rect().topLeft()) * image_->devicePixelRatio(),
                                 QSizeF(event->rect().size()) * image_->devicePixelRatio()));
    }

  private:
    const QImage* image_;
};

PictureBox::PictureBox(Form& form, const QString& name, TwipsRect design, const QImage& picture,
                       const QColor& background)
    : Control(form, new PictureSurface(form.clientArea(), &image_), name, design),
      surface_(static_cast<PictureSurface*>(widget())),
      picture_(picture.convertToFormat(QImage::Format_RGB32)),
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
    QPainter painter(&cleared_);
    painter.drawImage(QPoint(0, 0), picture_);
    painter.end();
    image_ = cleared_;
    changed();
}

void PictureBox::cls() {
    if (surface_->devicePixelRatioF() != cleared_.devicePixelRatio()) resizeImage();
    image_ = cleared_;
    changed();
}

QPointF PictureBox::toPixels(double xTwips, double yTwips) const {
    return {xTwips / form_.twipsPerPixelX(), yTwips / form_.twipsPerPixelY()};
}

void PictureBox::paintPicture(const PictureBox& source, double destX, double destY, double width,
                              double height, double sourceX, double sourceY) {
    auto px = [this](double twips) { return int(roundHalfEven(twips / form_.twipsPerPixelX())); };
    auto py = [this](double twips) { return int(roundHalfEven(twips / form_.twipsPerPixelY())); };
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(px(destX), py(destY), px(width), py(height)), source.picture(),
                      QRect(px(sourceX), py(sourceY), px(width), py(height)));
    changed();
}

void PictureBox::line(double x1, double y1, double x2, double y2, QRgb colour) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(colour), drawWidth_, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(toPixels(x1, y1), toPixels(x2, y2));
    changed();
}

void PictureBox::circle(double x, double y, double radius, QRgb colour) {
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(colour), drawWidth_));
    painter.setBrush(fillStyle_ == Solid ? QBrush(QColor(fillColor_)) : QBrush(Qt::NoBrush));
    const double rx = radius / form_.twipsPerPixelX();
    const double ry = radius / form_.twipsPerPixelY();
    painter.drawEllipse(toPixels(x, y), rx, ry);
    changed();
}

void PictureBox::changed() {
    surface_->update();
}

}  // namespace platform
