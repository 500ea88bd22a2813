#include "toolkit/clock.h"

#include <QElapsedTimer>

#include "toolkit/service.h"

namespace {

class TDesktopClock : public TClock {
public:
    TDesktopClock() { Started.start(); }
    double Seconds() override { return static_cast<double>(Started.elapsed()) / 1000.0; }

private:
    QElapsedTimer Started;  // monotonic where the platform has such a clock
};

TSwappable<TClock>& Service()
{
    static TDesktopClock desktop;
    static TSwappable<TClock> service(desktop);
    return service;
}

} // namespace

TClock& Clock() { return Service().Get(); }
TClock* SetClock(TClock* clock) { return Service().Set(clock); }
