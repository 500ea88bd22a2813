#pragma once
// The frame every asset generator shares: it is called with the bin folder, makes the folder it
// writes into, and reports each picture it cannot write. Header only: each tools/*.cpp is a
// program of its own.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <functional>

// A DejaVu Sans font of a pixel size, so pictures do not depend on the desktop's fonts.
inline QFont GeneratorFont(int pixels, bool bold = true)
{
    QFont f("DejaVu Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A diagonal gradient from `from` to `to` under a faint engineering grid of the given spacing.
inline void PaintGridBackground(QPainter& p, const QRect& area, const QColor& from, const QColor& to,
                                int spacing, int gridAlpha)
{
    QLinearGradient g(area.topLeft(), area.bottomRight());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.fillRect(area, g);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, gridAlpha), 1));
    for (int x = area.left(); x < area.right(); x += spacing)
        p.drawLine(x, area.top(), x, area.bottom());
    for (int y = area.top(); y < area.bottom(); y += spacing)
        p.drawLine(area.left(), y, area.right(), y);
    p.restore();
}

// Writes a picture as a Windows bitmap; false (and a line on stderr) when it cannot.
inline bool SaveBitmap(const QImage& img, const QString& path)
{
    if (!img.save(path, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Runs a generator: write(folder) gets bin + "/" + subfolder + "/" (made first) and returns
// whether every file was written. Exit status 0 on success, 1 on a failed write, 2 on misuse.
inline int RunGenerator(int argc, char** argv, const char* program, const QString& subfolder,
                        const std::function<bool(const QString& folder)>& write)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s BIN_FOLDER\n", program);
        return 2;
    }
    const QString folder = QString(argv[1]) + "/" + subfolder + "/";
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder));
        return 1;
    }
    return write(folder) ? 0 : 1;
}
