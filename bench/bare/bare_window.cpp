// The yardstick of the start-up benchmark: a bare Qt main window of the application's client
// size with a File menu of the same four entries, shown at once where the application's is.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("bare");
    QMenu* file = window.menuBar()->addMenu("File");
    file->addAction("New Simulation");
    file->addAction("Load From...");
    file->addAction("Save As...");
    file->addSeparator();
    file->addAction("Exit");
    // The client area lies below the menu bar, as in the application.
    window.resize(1016, 665 + window.menuBar()->sizeHint().height());
    window.move(0, 0);
    window.show();
    return app.exec();
}
