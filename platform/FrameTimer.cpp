#include "platform/FrameTimer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace platform {

namespace {

constexpr int kMinimisedIntervalMs = 1000;

}  // namespace

int displayFrameIntervalMs() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double hertz = screen && screen->refreshRate() >= 1 ? screen->refreshRate() : 60.0;
    return std::max(1, int(1000.0 / hertz));
}

FrameTimer::FrameTimer(QWidget* window, std::function<void()> handler)
    : QObject(window), window_(window), timer_(new QTimer(this)), handler_(std::move(handler)) {
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, [this] { handler_(); });
    window_->installEventFilter(this);
}

void FrameTimer::setActive(bool active) {
    active_ = active;
    pace();
}

bool FrameTimer::isActive() const {
    return timer_->isActive();
}

int FrameTimer::intervalMs() const {
    return timer_->interval();
}

bool FrameTimer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowStateChange) {
        const bool wasMinimised = timer_->interval() == kMinimisedIntervalMs;
        pace();
        if (active_ && wasMinimised && !window_->isMinimized()) handler_();
    }
    return false;
}

void FrameTimer::pace() {
    if (!active_) {
        timer_->stop();
        return;
    }
    const int interval = window_->isMinimized() ? kMinimisedIntervalMs : displayFrameIntervalMs();
    if (timer_->isActive() && timer_->interval() == interval) return;
    timer_->start(interval);
}

}  // namespace platform
