#pragma once
// The OpenGL drawing surface of the windows that show 3D pictures. It asks for a compatibility
// context (fixed-function OpenGL 1.1 with display lists) with a depth buffer, and hands the
// context's three moments and the mouse to its owner: display lists must be rebuilt in
// OnInitialize, because the widget may get a new context (for example when it is re-parented).
// All drawing happens in OnPaint; handlers change state and call update().
#include <QFont>
#include <QOpenGLWidget>
#include <QSurfaceFormat>
#include <functional>

class QMouseEvent;

class TGLPanel : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit TGLPanel(QWidget* parent = nullptr);

    // Compatibility profile, RGBA, double buffer, a 16-bit depth buffer.
    static QSurfaceFormat DefaultFormat();

    std::function<void()> OnInitialize;           // a new context is current
    std::function<void(int, int)> OnResize;       // width, height in device pixels
    std::function<void()> OnPaint;                // draw one frame
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;

    // True once a context has been created and initialised.
    bool HasContext() const { return Initialized; }

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool Initialized = false;
};

// Bitmap glyphs of a font as display lists base + c for the characters first .. first + count - 1
// (drawn with glBitmap at the current raster position, advancing it), so text is drawn with
// glListBase(base) and glCallLists. Build them with the context current; they live with it.
void BuildBitmapFontLists(const QFont& font, unsigned base, int first, int count);
// The plots' two glyph sets over all 255 characters: the system font (12 pixels) at systemBase and
// the smaller label font (10 pixels) at labelBase.
void BuildPlotFontLists(unsigned systemBase, unsigned labelBase);
// The plots' view: white background, depth test, and an orthographic box of the given half
// extent along the shorter side of a width x height picture; black drawing colour.
void SetUpPlotView(float halfExtent, int width, int height);
// Draws Latin-1 text at the current raster position with the glyph lists of `base`.
void DrawBitmapText(unsigned base, const char* text);
