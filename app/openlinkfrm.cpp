#include "app/openlinkfrm.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "toolkit/application.h"
#include "toolkit/shell.h"

TOpenLinkFrm* OpenLinkFrm = nullptr;

TOpenLinkFrm::TOpenLinkFrm(QWidget* owner) : TForm(owner)
{
    setObjectName("OpenLinkFrm");
    SetCaption("OpenLinkFrm");
    SetClientSize(454, 179);
    SetSizeable(true);
    SetPosition(TPosition::ScreenCenter);

    QFont font = this->font();
    font.setPointSize(11);

    Label1 = new QLabel("Data file has been saved successfully!", this);
    Label1->setObjectName("Label1");
    Label1->setFont(font);
    Label1->setGeometry(32, 44, 400, 24);

    Label2 = new QLabel("Go to simulation: " + QString(SimulationServiceUrl), this);
    Label2->setObjectName("Label2");
    Label2->setFont(font);
    Label2->setGeometry(32, 92, 400, 24);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setStyleSheet("QLabel { color: #0645ad; text-decoration: underline; }");
    Label2->installEventFilter(this);
}

bool TOpenLinkFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label2 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Guard([this] { Label2Click(); })();
        return true;
    }
    return TForm::eventFilter(watched, event);
}

void TOpenLinkFrm::Label2Click()
{
    Shell().OpenUrl(SimulationServiceUrl);  // a failure of the browser start is not reported
    Close();
}
