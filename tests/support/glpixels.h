#pragma once
// Small helpers of the GL tests: letting timers and repaints run, writing result files, and
// looking at pixels around a point.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QThread>
#include <fstream>
#include <string>

// Runs the event loop for a while, so timers fire and panels repaint.
inline void Settle(int milliseconds = 60)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QApplication::processEvents();
        QThread::msleep(2);
    }
}

inline void WriteText(const QString& path, const std::string& text, std::ios::openmode mode = std::ios::trunc)
{
    std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary | mode);
    out << text;
}

// Counts the pixels around p that pass a test.
template <class Test>
int Around(const QImage& image, QPoint p, int radius, Test test)
{
    int n = 0;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.valid(p.x() + dx, p.y() + dy) && test(image.pixel(p.x() + dx, p.y() + dy)))
                ++n;
    return n;
}
