#pragma once
#include "toolkit/forms.h"

class QLabel;
class QPushButton;

// The application's name, edition and version beside a picture of the clothed wearer.
class TAbout : public TForm {
    Q_OBJECT
public:
    explicit TAbout(QWidget* owner = nullptr);

    QLabel* Image1;       // tall picture on the left
    QLabel* ProductName;
    QLabel* Subtitle;
    QLabel* Version;
    QLabel* Origin1;
    QLabel* Origin2;
    QLabel* Platform;
    QLabel* Image2;       // small picture
    QPushButton* Button1;

    void Button1Click();
};

extern TAbout* About;
