#pragma once
// Shown after the case was saved for simulation: a link to the online simulation service.
#include "toolkit/forms.h"

class QLabel;

// The web address of the online simulation service.
inline constexpr const char* SimulationServiceUrl = "https://simulation.vantora.net/";

class TOpenLinkFrm : public TForm {
    Q_OBJECT
public:
    explicit TOpenLinkFrm(QWidget* owner = nullptr);

    QLabel* Label1;
    QLabel* Label2;

    // Opens the simulation service in the browser and closes the window.
    void Label2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TOpenLinkFrm* OpenLinkFrm;
