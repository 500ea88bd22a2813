#include "toolkit/glwidget.h"

#include <GL/gl.h>

#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <vector>

TGLPanel::TGLPanel(QWidget* parent) : QOpenGLWidget(parent)
{
    setFormat(DefaultFormat());
}

QSurfaceFormat TGLPanel::DefaultFormat()
{
    QSurfaceFormat f;
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setProfile(QSurfaceFormat::CompatibilityProfile);
    f.setVersion(2, 1);
    f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    f.setRedBufferSize(8);
    f.setGreenBufferSize(8);
    f.setBlueBufferSize(8);
    f.setDepthBufferSize(16);
    return f;
}

void TGLPanel::initializeGL()
{
    Initialized = true;
    if (OnInitialize)
        OnInitialize();
}

void TGLPanel::resizeGL(int w, int h)
{
    if (OnResize)
        OnResize(w, h);
}

void TGLPanel::paintGL()
{
    if (OnPaint)
        OnPaint();
}

void TGLPanel::mousePressEvent(QMouseEvent* event)
{
    if (OnMouseDown)
        OnMouseDown(event);
}

void TGLPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove)
        OnMouseMove(event);
}

void TGLPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (OnMouseUp)
        OnMouseUp(event);
}

void BuildBitmapFontLists(const QFont& font, unsigned base, int first, int count)
{
    QFont f = font;
    // Bitmaps have one bit per pixel: no grey edges to lose.
    f.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics fm(f);
    const int ascent = fm.ascent(), descent = fm.descent();
    const int height = std::max(1, ascent + descent);

    GLint oldAlignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &oldAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int c = first; c < first + count; ++c) {
        const QString text = (c >= 32 && c != 127 && (c < 128 || c >= 160)) ? QString(QChar(c)) : QString();
        glNewList(base + c, GL_COMPILE);
        if (text.isEmpty()) {
            glEndList();  // control characters draw nothing and do not advance
            continue;
        }
        const int advance = fm.horizontalAdvance(text);
        const QRect box = fm.boundingRect(text);
        const int left = std::min(0, box.left());
        const int width = std::max({1, advance - left, box.right() + 1 - left});
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::black);
        {
            QPainter p(&image);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(-left, ascent, text);
        }
        const int rowBytes = (width + 7) / 8;
        std::vector<GLubyte> bits(static_cast<std::size_t>(rowBytes) * height, 0);
        for (int y = 0; y < height; ++y) {
            // glBitmap rows run from the bottom up.
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(height - 1 - y));
            GLubyte* out = bits.data() + static_cast<std::size_t>(y) * rowBytes;
            for (int x = 0; x < width; ++x)
                if (qRed(line[x]) >= 128)
                    out[x / 8] |= static_cast<GLubyte>(0x80 >> (x % 8));
        }
        glBitmap(width, height, static_cast<GLfloat>(-left), static_cast<GLfloat>(descent),
                 static_cast<GLfloat>(advance), 0.0f, bits.data());
        glEndList();
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, oldAlignment);
}

void BuildPlotFontLists(unsigned systemBase, unsigned labelBase)
{
    QFont system("DejaVu Sans");
    system.setPixelSize(12);
    BuildBitmapFontLists(system, systemBase, 0, 255);
    QFont label("DejaVu Sans");
    label.setPixelSize(10);
    BuildBitmapFontLists(label, labelBase, 0, 255);
}

void DrawBitmapText(unsigned base, const char* text)
{
    glListBase(base);
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
}

void SetUpPlotView(float halfExtent, int width, int height)
{
    glClearColor(1, 1, 1, 1);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    const float a = static_cast<float>(width) / static_cast<float>(height > 0 ? height : 1);
    const float s = halfExtent;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (a <= 1)
        glOrtho(-s / a, s / a, -s, s, -2 * s, 2 * s);
    else
        glOrtho(-s, s, -s / a, s / a, -2 * s, 2 * s);
    glMatrixMode(GL_MODELVIEW);
    glColor3f(0, 0, 0);
}
