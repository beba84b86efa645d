// A picture surface that keeps what is painted on it in its own image, so the painting shows
// whenever the surface becomes visible, also when it was painted while hidden. Coordinates are
// twips; the image is held at the screen's device pixel ratio so lines stay sharp on high-DPI
// screens.
#pragma once

#include <QColor>
#include <QImage>

#include "platform/Control.h"

namespace platform {

class PictureSurface;

class PictureBox : public Control {
  public:
    enum FillStyle { Solid = 0, Transparent = 1 };

    PictureBox(Form& form, const QString& name, TwipsRect design, const QImage& picture,
               const QColor& background);

    /// The inner size in twips.
    double scaleWidth() const { return width(); }
    double scaleHeight() const { return height(); }
    void setSize(double widthTwips, double heightTwips);

    /// Wipes everything painted back to the picture.
    void cls();
    /// Copies a rectangle of another box's picture here, replacing the pixels (white included).
    void paintPicture(const PictureBox& source, double destX, double destY, double width,
                      double height, double sourceX, double sourceY);
    void line(double x1, double y1, double x2, double y2, QRgb colour);
    /// A circle outlined in the colour with the current line width, filled per the fill style.
    void circle(double x, double y, double radius, QRgb colour);

    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels) { drawWidth_ = pixels; }
    void setFillStyle(FillStyle style) { fillStyle_ = style; }
    void setFillColor(QRgb colour) { fillColor_ = colour; }

    /// What the surface shows, at the device pixel ratio it is held in.
    const QImage& image() const { return image_; }
    /// The picture behind the painting (what Cls restores).
    const QImage& picture() const { return picture_; }

  private:
    QPointF toPixels(double xTwips, double yTwips) const;
    void resizeImage();
    void changed();

    PictureSurface* surface_;
    QImage picture_;
    QColor background_;
    QImage image_;
    QImage cleared_;
    int drawWidth_ = 1;
    FillStyle fillStyle_ = Transparent;
    QRgb fillColor_ = qRgb(0, 0, 0);
};

/// Colour value red + 256 * green + 65536 * blue as a toolkit colour.
inline QRgb rgbFromColorValue(int32_t value) {
    return qRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

}  // namespace platform
