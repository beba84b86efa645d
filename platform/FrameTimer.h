// The clock of a live display. Every tick recomputes what is shown from the millisecond counter,
// so ticking more often than the screen can show a change only costs: it ticks once per display
// frame (16 ms at 60 Hz) while its window is on screen, once a second while the window is
// minimised (ticking at once when it comes back), and not at all while switched off.
#pragma once

#include <QObject>
#include <functional>

class QTimer;
class QWidget;

namespace platform {

class FrameTimer : public QObject {
public:
    FrameTimer(QWidget* window, std::function<void()> handler);

    void setActive(bool active);
    bool isActive() const;
    /// Milliseconds between two ticks as things stand.
    int intervalMs() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pace();

    QWidget* window_;
    QTimer* timer_;
    std::function<void()> handler_;
    bool active_ = false;
};

/// Milliseconds between two frames of the display (16 at 60 Hz).
int displayFrameIntervalMs();

}  // namespace platform
