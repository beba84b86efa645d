#include "platform/FrameTimer.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace platform {

using std::chrono::microseconds;

namespace {

constexpr microseconds kMinimisedPeriod = std::chrono::seconds(1);
constexpr microseconds kEarlyTolerance = std::chrono::milliseconds(1);

}  // namespace

microseconds framePeriodAt(double hertz) {
    if (!(hertz >= 1)) hertz = 60.0;
    return microseconds(std::max<long long>(1000, std::llround(1e6 / hertz)));
}

int msUntilNextFrame(microseconds sinceFirst, microseconds period) {
    const auto nextFrame = (sinceFirst + kEarlyTolerance) / period + 1;
    const microseconds wait = nextFrame * period - sinceFirst;
    return int((wait.count() + 999) / 1000);
}

FrameTimer::FrameTimer(QWidget* window, std::function<void()> handler)
    : QObject(window), window_(window), timer_(new QTimer(this)), handler_(std::move(handler)) {
    refreshRateOf_ = [](const QScreen& screen) { return screen.refreshRate(); };
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setSingleShot(true);  // each tick aims at the start of the next frame
    connect(timer_, &QTimer::timeout, this, [this] { tick(); });
    window_->installEventFilter(this);
}

void FrameTimer::setActive(bool active) {
    active_ = active;
    pace();
}

bool FrameTimer::isActive() const {
    return active_;
}

microseconds FrameTimer::period() const {
    return period_;
}

void FrameTimer::setRefreshRateSource(RefreshRateOf source) {
    refreshRateOf_ = std::move(source);
    pace();
}

microseconds FrameTimer::framePeriod() const {
    const QScreen* screen = window_->screen();
    return framePeriodAt(screen ? refreshRateOf_(*screen) : 0.0);
}

void FrameTimer::followScreenChanges() {
    // The native window, whose screen Qt reports, exists only once the window is shown.
    QWindow* native = window_->windowHandle();
    if (followingScreen_ || !native) return;
    followingScreen_ = true;
    connect(native, &QWindow::screenChanged, this, [this] { pace(); });
}

bool FrameTimer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Show) followScreenChanges();
    if (watched == window_ && event->type() == QEvent::WindowStateChange) {
        const bool wasMinimised = period_ == kMinimisedPeriod;
        pace();
        if (active_ && wasMinimised && !window_->isMinimized()) handler_();
    }
    return false;
}

void FrameTimer::pace() {
    if (!active_) {
        timer_->stop();
        period_ = microseconds(0);
        return;
    }
    const microseconds period = window_->isMinimized() ? kMinimisedPeriod : framePeriod();
    if (timer_->isActive() && period == period_) return;
    period_ = period;
    firstFrame_ = std::chrono::steady_clock::now();
    scheduleNextTick();
}

void FrameTimer::tick() {
    handler_();
    if (active_ && !timer_->isActive()) scheduleNextTick();
}

void FrameTimer::scheduleNextTick() {
    const auto sinceFirst =
        std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - firstFrame_);
    timer_->start(msUntilNextFrame(sinceFirst, period_));
}

}  // namespace platform
