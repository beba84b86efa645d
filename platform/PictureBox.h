// A picture surface that keeps what is painted on it, so the painting shows whenever the surface
// becomes visible, also when it was painted while hidden. Coordinates are twips.
//
// Painting is recorded, not rasterised at once: the surface holds its picture plus the list of
// operations since the last Cls, and renders that list only when it is looked at. A tick that
// clears and repaints exactly what is already on screen therefore costs a few comparisons and
// causes no repaint; the screen is updated only when the drawing really changes.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>
#include <vector>

#include "platform/Control.h"

namespace platform {

class PictureSurface;
}  // namespace platform

class QPainter;

namespace platform {

class PictureBox : public Control {
public:
    enum FillStyle { Solid = 0, Transparent = 1 };

    /// `pictureName` names the picture in the program's resources (see loadPicture); the box
    /// shows the "@2x" version while its window is on a high-DPI screen.
    PictureBox(Form& form, const QString& name, TwipsRect design, const QString& pictureName,
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

    void setDrawWidth(int pixels) { drawWidth_ = pixels; }
    void setFillStyle(FillStyle style) { fillStyle_ = style; }
    void setFillColor(QRgb colour) { fillColor_ = colour; }

    /// What the surface shows, at the device pixel ratio it is held in.
    const QImage& image() const;
    /// The picture behind the painting (what Cls restores), in the version for the screen the
    /// window is on now.
    const QImage& picture() const;
    /// Renders again at the surface's pixel ratio when the window has moved to a screen with
    /// another; the surface calls it before it paints, Cls before it clears.
    void followScreen();
    /// How many times the surface has asked to be repainted on screen (changed pixels only).
    int screenUpdates() const { return screenUpdates_; }

private:
    struct Operation {
        enum Kind { Copy, Line, Circle } kind;
        const PictureBox* source;
        double a, b, c, d, e, f;
        QRgb colour;
        int drawWidth;
        FillStyle fillStyle;
        QRgb fillColor;
        bool operator==(const Operation&) const = default;
    };

    void record(const Operation& operation);
    void apply(QPainter& painter, const Operation& operation) const;
    QRect bounds(const Operation& operation) const;
    void resizeImage();
    void scheduleScreenUpdate();
    void pushToScreenIfChanged();

    PictureSurface* surface_;
    QString pictureName_;
    mutable QImage picture_;
    mutable bool pictureIsHighDpi_ = false;
    QColor background_;
    QImage cleared_;
    std::vector<Operation> operations_;
    // What image_ holds: cleared_ plus these operations.
    mutable QImage image_;
    mutable std::vector<Operation> rendered_;
    // What was last handed to the screen, and the part of image_ redrawn since (device pixels).
    std::vector<Operation> onScreen_;
    mutable QRect unpushed_;
    bool screenStale_ = true;
    bool updateScheduled_ = false;
    int screenUpdates_ = 0;
    int drawWidth_ = 1;
    FillStyle fillStyle_ = Transparent;
    QRgb fillColor_ = qRgb(0, 0, 0);
};

}  // namespace platform
