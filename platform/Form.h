// The one top-level window: a client area that holds the controls, a menu bar, and the window's
// position and size in twips (1/1440 inch), converted through the screen's logical DPI.
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "platform/Environment.h"
#include "platform/MouseEvents.h"
#include "platform/PointerConfinement.h"

class QMenuBar;

namespace platform {

class Form : public QMainWindow {
public:
    /// Creates the window with the given caption and client-area background.
    Form(Environment env, const QString& caption, const QColor& background);

    const Environment& env() const { return env_; }

    /// Twips per screen pixel, from the logical DPI of the window's screen (15 at 96 DPI).
    double twipsPerPixelX() const;
    double twipsPerPixelY() const;

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& text) { setWindowTitle(text); }

    /// Outer position and size (title bar, menu bar and frame included), in twips.
    double outerLeft() const;
    double outerTop() const;
    double outerWidth() const;
    double outerHeight() const;

    /// Size of the client area below the menu bar, in twips.
    double clientWidth() const;
    double clientHeight() const;

    /// The widget that holds the controls; everything on it is positioned in client pixels.
    QWidget* clientArea() const { return client_; }

    /// Shows the window centred in its screen's available area, with its title bar and menu bar
    /// inside it: a screen too low for the design height gets a lower window.
    void showCentered();

    /// ClipCursor: keeps the mouse pointer in a screen rectangle (never beyond the client
    /// area), or releases it when given none.
    void clipCursor(const std::optional<QRect>& screenRect);
    /// The rectangle the pointer is kept in, if any.
    std::optional<QRect> cursorClip() const;

    /// Presses and double clicks on the client area's background.
    void onMouse(MouseDownHandler onMouseDown, DblClickHandler onDblClick);

    /// A key that works anywhere in the window (not while a menu or a message box is open);
    /// holding it down acts once.
    void onKey(const QKeySequence& key, std::function<void()> handler);

    /// Keeps the window above all ordinary windows, also while another program has the focus,
    /// or releases it. Changes the state in place, without hiding the window.
    void setKeepAbove(bool above);

protected:
    /// Sizes the window so that its client area below the menu bar has this size; called once
    /// the menu bar is complete, since its height counts.
    void setClientSize(double widthTwips, double heightTwips);

    /// The client height, in twips, the window never goes below when it must open lower than
    /// designed: what the panels above the part that may shrink need.
    virtual double shortestClientHeight() const { return clientHeight(); }

    /// Raised when the window is closing, by the user or by close(); the window always closes.
    virtual void Form_Unload() {}
    /// Raised whenever the size of the window changes, also when it is first shown.
    virtual void Form_Resize() {}

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    Environment env_;
    QWidget* client_;
    std::unique_ptr<PointerConfinement> confinement_;
    bool unloaded_ = false;
    QSize designSize_;
    bool awaitingFrame_ = false;

    void placeOnScreen(const QMargins& frame);
};

}  // namespace platform
