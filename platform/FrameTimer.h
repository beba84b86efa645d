// The clock of a live display. Every tick recomputes what is shown from the millisecond counter,
// so ticking more often than the screen can show a change only costs: it ticks on the frames of
// the display its window is on (60 times a second at 60 Hz, never twice in one frame, and
// re-paced when the window moves to a screen with another rate) while the window is on
// screen, once a second while the window is minimised (ticking at once when it comes back), and
// not at all while switched off.
#pragma once

#include <QObject>
#include <chrono>
#include <functional>

class QScreen;
class QTimer;
class QWidget;

namespace platform {

class FrameTimer : public QObject {
public:
    /// How a screen's refresh rate in hertz is learnt.
    using RefreshRateOf = std::function<double(const QScreen&)>;

    FrameTimer(QWidget* window, std::function<void()> handler);

    /// Replaces the screens' own reports of their refresh rates (tests give screens rates that
    /// the offscreen platform cannot).
    void setRefreshRateSource(RefreshRateOf source);
    /// One frame of the screen the window is on now.
    std::chrono::microseconds framePeriod() const;

    void setActive(bool active);
    bool isActive() const;
    /// Time from one tick to the next as things stand: a display frame, or a second while
    /// minimised.
    std::chrono::microseconds period() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pace();
    void tick();
    void scheduleNextTick();
    void followScreenChanges();

    QWidget* window_;
    RefreshRateOf refreshRateOf_;
    bool followingScreen_ = false;
    QTimer* timer_;
    std::function<void()> handler_;
    bool active_ = false;
    std::chrono::microseconds period_{0};
    std::chrono::steady_clock::time_point firstFrame_;
};

/// How long one frame lasts at a refresh rate (16,667 µs at 60 Hz); a screen that reports no
/// rate counts as 60 Hz.
std::chrono::microseconds framePeriodAt(double hertz);

/// Whole milliseconds from `sinceFirst` (time since the first frame began) to the start of the
/// next frame. A timer may fire a little early; a moment up to a millisecond before a frame
/// starts counts as that frame, so an early tick is not followed by a second one in the same frame.
int msUntilNextFrame(std::chrono::microseconds sinceFirst, std::chrono::microseconds period);

}  // namespace platform
