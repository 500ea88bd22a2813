#pragma once
// The clock that playback reads: seconds of a monotonic clock, with their fraction. Setting the
// system clock back or forward does not move it, so elapsed times are never negative. Tests
// install a clock of their own to play deterministically.
class TClock {
public:
    virtual ~TClock() = default;
    // Seconds since some fixed moment; never decreases for the desktop clock.
    virtual double Seconds() = 0;
};

// The clock in use; the desktop one unless a test installed another.
TClock& Clock();
// Installs a clock (nullptr restores the desktop one); returns the one it replaces.
TClock* SetClock(TClock* clock);
inline double ClockSeconds() { return Clock().Seconds(); }
