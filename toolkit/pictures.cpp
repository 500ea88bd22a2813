#include "toolkit/pictures.h"

#include <QFileInfo>

QPixmap LoadPicture(const QString& path)
{
    QPixmap picture;
    if (!QFileInfo(path).isFile() || !picture.load(path))
        throw EFOpenError(QString("Cannot open file \"%1\".").arg(path).toStdString());
    return picture;
}

int TImageList::Add(const QPixmap& picture)
{
    Pictures.push_back(picture);
    return Count() - 1;
}

QPixmap TImageList::Picture(int index) const
{
    if (index < 0 || index >= Count())
        return QPixmap();
    return Pictures[static_cast<std::size_t>(index)];
}
