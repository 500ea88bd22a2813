#pragma once
// Picture loading and image lists.
#include <QIcon>
#include <QPixmap>
#include <stdexcept>
#include <vector>

// A file that cannot be opened; the message names the file.
class EFOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Loads a picture; throws EFOpenError naming the file when it is missing or unreadable.
QPixmap LoadPicture(const QString& path);
// Checks that a picture is there and its header readable, without decoding it; throws as
// LoadPicture does.
void CheckPicture(const QString& path);

// An ordered list of equally sized pictures.
class TImageList {
public:
    TImageList(int width = 16, int height = 16) : Width(width), Height(height) {}
    int Add(const QPixmap& picture);
    int Count() const { return static_cast<int>(Pictures.size()); }
    QPixmap Picture(int index) const;
    QIcon Icon(int index) const { return QIcon(Picture(index)); }
    int Width;
    int Height;

private:
    std::vector<QPixmap> Pictures;
};
