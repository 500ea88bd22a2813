#include "toolkit/pathlabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace {

const char* const kPrefixProperty = "pathPrefix";
const char* const kPathProperty = "path";

void FitPath(QLabel* label)
{
    const QString prefix = label->property(kPrefixProperty).toString();
    const QFontMetrics metrics(label->font());
    const int room = label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0) -
                     metrics.horizontalAdvance(prefix);
    label->setText(prefix + metrics.elidedText(label->property(kPathProperty).toString(), Qt::ElideMiddle,
                                               std::max(room, 0)));
}

class PathFitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)
            FitPath(static_cast<QLabel*>(watched));
        return false;
    }
};

} // namespace

void ShowPath(QLabel* label, const QString& prefix, const QString& path)
{
    if (!label->property(kPathProperty).isValid()) {
        label->installEventFilter(new PathFitter(label));
        // In a layout the label takes the width it is given: the path adapts to it, not the
        // layout to the path.
        label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
    }
    label->setProperty(kPrefixProperty, prefix);
    label->setProperty(kPathProperty, path);
    label->setToolTip(path);
    FitPath(label);
}
