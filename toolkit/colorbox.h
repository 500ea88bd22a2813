#pragma once
// Colour box: a drop-down list of the standard colours with a "Custom..." entry that asks the
// colour chooser. The chooser sits behind a replaceable service so tests can script it.
#include <QColor>
#include <QComboBox>
#include <functional>

class ColorDialogService {
public:
    virtual ~ColorDialogService() = default;
    // The chosen colour, or an invalid colour when the user cancelled.
    virtual QColor ChooseColor(QWidget* parent, const QColor& initial) = 0;
};

ColorDialogService& ColorDialogs();
// Installs a service (nullptr restores the desktop one); returns the one it replaces.
ColorDialogService* SetColorDialogService(ColorDialogService* service);

// A colour as the desktop toolkit writes it (blue x 65536 + green x 256 + red) and back.
inline int WinColor(const QColor& c) { return c.red() + 256 * c.green() + 65536 * c.blue(); }
inline QColor FromWinColor(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

class TColorBox : public QComboBox {
    Q_OBJECT
public:
    explicit TColorBox(QWidget* parent = nullptr);

    QColor Selected() const { return Current; }
    // Selects a standard colour, or sets the custom entry to any other colour. OnChange does not
    // run.
    void SetSelected(const QColor& color);
    // Runs when the user picks another colour.
    std::function<void()> OnChange;

private:
    void Activated(int index);
    void ShowColor(int index, const QColor& color);
    QColor Current;
};
