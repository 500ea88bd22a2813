#include "toolkit/pictures.h"

#include <QFileInfo>
#include <QImageReader>

namespace {

[[noreturn]] void CannotOpen(const QString& path)
{
    throw EFOpenError(QString("Cannot open file \"%1\".").arg(path).toStdString());
}

} // namespace

QPixmap LoadPicture(const QString& path)
{
    QPixmap picture;
    if (!QFileInfo(path).isFile() || !picture.load(path))
        CannotOpen(path);
    return picture;
}

void CheckPicture(const QString& path)
{
    QImageReader reader(path);
    if (!QFileInfo(path).isFile() || !reader.canRead() || reader.size().isEmpty())
        CannotOpen(path);
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
