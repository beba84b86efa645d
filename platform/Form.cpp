#include "platform/Form.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include "core/Rounding.h"
#include "platform/WindowStacking.h"
#include "shell/WindowPlacement.h"

namespace platform {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

Form::Form(Environment env, const QString& caption, const QColor& background)
    : env_(std::move(env)),
      client_(new QWidget(this)),
      confinement_(std::make_unique<PointerConfinement>(this, client_)) {
    setWindowTitle(caption);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, background);
    client_->setPalette(palette);
    setCentralWidget(client_);
}

void Form::setClientSize(double widthTwips, double heightTwips) {
    const int width = int(roundHalfEven(widthTwips / twipsPerPixelX()));
    const int height = int(roundHalfEven(heightTwips / twipsPerPixelY()));
    designSize_ = QSize(width, height + menuBar()->heightForWidth(width));
    resize(designSize_);
    layout()->activate();  // place the client area now, so twips read right before the first show
}

double Form::twipsPerPixelX() const {
    return kTwipsPerInch / screen()->logicalDotsPerInchX();
}
double Form::twipsPerPixelY() const {
    return kTwipsPerInch / screen()->logicalDotsPerInchY();
}

double Form::outerLeft() const {
    return frameGeometry().x() * twipsPerPixelX();
}
double Form::outerTop() const {
    return frameGeometry().y() * twipsPerPixelY();
}
double Form::outerWidth() const {
    return frameGeometry().width() * twipsPerPixelX();
}
double Form::outerHeight() const {
    return frameGeometry().height() * twipsPerPixelY();
}
double Form::clientWidth() const {
    return client_->width() * twipsPerPixelX();
}
double Form::clientHeight() const {
    return client_->height() * twipsPerPixelY();
}

void Form::showCentered() {
    placeOnScreen(QMargins());
    show();
    // The window manager's frame is known only once it has framed the window.
    awaitingFrame_ = true;
}

void Form::placeOnScreen(const QMargins& frame) {
    const int menuHeight = menuBar()->heightForWidth(designSize_.width());
    const int shortest = menuHeight + int(roundHalfEven(shortestClientHeight() / twipsPerPixelY()));
    const QRect placed = placeWindow(screen()->availableGeometry(), frame, designSize_.width(),
                                     designSize_.height(), shortest);
    resize(placed.size());
    move(placed.topLeft() - QPoint(frame.left(), frame.top()));  // where the frame goes
}

void Form::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (!awaitingFrame_ || frame.isNull()) return;
    awaitingFrame_ = false;
    placeOnScreen(frame);
}

void Form::clipCursor(const std::optional<QRect>& screenRect) {
    if (screenRect) {
        confinement_->confineTo(*screenRect);
    } else {
        confinement_->release();
    }
}

std::optional<QRect> Form::cursorClip() const {
    return confinement_->rect();
}

void Form::onMouse(MouseDownHandler onMouseDown, DblClickHandler onDblClick) {
    routeMouse(*this, client_, std::move(onMouseDown), std::move(onDblClick));
}

void Form::onKey(const QKeySequence& key, std::function<void()> handler) {
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, this, [handler] { handler(); });
}

void Form::closeEvent(QCloseEvent* event) {
    // The unload handler runs once, however the close was asked for.
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    event->accept();
}

void Form::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Minimising drops a pointer grab; take it again as soon as the window is back.
    if (event->type() == QEvent::WindowStateChange || event->type() == QEvent::ActivationChange) {
        confinement_->reassert();
    }
}

void Form::setKeepAbove(bool above) {
    if (!isVisible()) {
        // Not on screen yet: the toolkit puts the state on the window when it first maps it.
        setWindowFlag(Qt::WindowStaysOnTopHint, above);
        return;
    }
    if (requestKeepAbove(*this, above)) return;
    // Elsewhere only the toolkit's hint is left, which re-shows the window to apply it.
    setWindowFlag(Qt::WindowStaysOnTopHint, above);
    show();
}

void Form::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

}  // namespace platform
