// The yardstick of the start-up benchmark: a bare Qt Widgets window, shown at once.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("bare");
    window.resize(400, 300);
    window.show();
    return app.exec();
}
