#include "toolkit/folderbrowser.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "toolkit/application.h"

namespace {

constexpr int PathRole = Qt::UserRole;

QString CleanFolder(const QString& folder)
{
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

// Every item of the directory list stays open, so it draws no expand or collapse marks.
class DirectoryTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

    // Where the desktop opens an item with one click, the first click of a double-click has
    // opened its folder and the list was laid out again: the second click would land on another
    // row and open that one as well. It opens nothing, and neither does its release.
    void mousePressEvent(QMouseEvent* event) override
    {
        SecondClick = false;
        QTreeWidget::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr, this)) {
            SecondClick = true;
            event->accept();
            return;
        }
        QTreeWidget::mouseDoubleClickEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (SecondClick) {
            SecondClick = false;
            event->accept();
            return;
        }
        QTreeWidget::mouseReleaseEvent(event);
    }

private:
    bool SecondClick = false;
};

bool IsInside(const QString& folder, const QString& root)
{
    return folder == root || root == "/" || folder.startsWith(root + '/');
}

} // namespace

TFolderBrowser::TFolderBrowser(QWidget* parent)
    : QWidget(parent),
      DriveCombo(new QComboBox(this)),
      DirectoryList(new DirectoryTree(this)),
      FileList(new QListWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(DriveCombo);
    layout->addWidget(DirectoryList, 3);
    layout->addWidget(FileList, 2);

    QStyle* style = QApplication::style();
    DriveCombo->addItem(style->standardIcon(QStyle::SP_DriveHDIcon), "/", QString("/"));
    const QString home = CleanFolder(QDir::homePath());
    if (home != "/")
        DriveCombo->addItem(style->standardIcon(QStyle::SP_DirHomeIcon), home, home);

    DirectoryList->setHeaderHidden(true);
    DirectoryList->setRootIsDecorated(false);
    DirectoryList->setItemsExpandable(false);
    DirectoryList->setIndentation(12);
    DirectoryList->setSelectionMode(QAbstractItemView::SingleSelection);
    DirectoryList->header()->setStretchLastSection(false);
    DirectoryList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    FileList->setSelectionMode(QAbstractItemView::SingleSelection);
    FileList->hide();

    connect(DriveCombo, qOverload<int>(&QComboBox::activated), this, Guard([this](int index) { DriveChosen(index); }));
    connect(DirectoryList, &QTreeWidget::itemActivated, this,
            Guard([this](QTreeWidgetItem* item, int) { FolderActivated(item); }));
    connect(FileList, &QListWidget::itemSelectionChanged, this, Guard([this] { emit FileChanged(FileName()); }));

    SetDirectory(DriveCombo->itemData(0).toString());
}

void TFolderBrowser::PlaceListsSideBySide()
{
    // Deleting a layout leaves its widgets in place; the new one takes them over.
    delete layout();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    column->addWidget(DriveCombo);
    auto* lists = new QHBoxLayout;
    lists->setSpacing(6);
    lists->addWidget(DirectoryList, 3);
    lists->addWidget(FileList, 2);
    column->addLayout(lists, 1);
}

QString TFolderBrowser::Drive() const
{
    // The deepest drive root holding the folder (the home folder before "/").
    QString drive = "/";
    for (int i = 0; i < DriveCombo->count(); ++i) {
        const QString root = DriveCombo->itemData(i).toString();
        if (IsInside(Folder, root) && root.size() > drive.size())
            drive = root;
    }
    return drive;
}

bool TFolderBrowser::SetDirectory(const QString& folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    const QString clean = CleanFolder(folder);
    const bool changed = clean != Folder;
    Folder = clean;
    Refresh();
    if (changed)
        emit DirectoryChanged(Folder);
    return true;
}

void TFolderBrowser::Refresh()
{
    ShowDrive();
    FillDirectoryList();
    FillFileList();
}

void TFolderBrowser::ShowFiles(const QString& mask)
{
    Masks = mask.split(';', Qt::SkipEmptyParts);
    for (QString& m : Masks)
        m = m.trimmed();
    FileList->show();
    FillFileList();
}

QString TFolderBrowser::FileName() const
{
    const QList<QListWidgetItem*> selected = FileList->selectedItems();
    if (selected.isEmpty())
        return QString();
    return QDir(Folder).filePath(selected.front()->text());
}

void TFolderBrowser::ShowDrive()
{
    const int index = DriveCombo->findData(Drive());
    if (index >= 0)
        DriveCombo->setCurrentIndex(index);
}

void TFolderBrowser::FillDirectoryList()
{
    DirectoryList->clear();
    QStyle* style = QApplication::style();
    const QIcon open = style->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style->standardIcon(QStyle::SP_DirClosedIcon);

    // The chain of open folders from the drive's root down to the open folder.
    const QString root = Drive();
    auto* item = new QTreeWidgetItem(DirectoryList, QStringList(root));
    item->setData(0, PathRole, root);
    item->setIcon(0, open);
    QString path = root;
    const QString rest = Folder.mid(root.size());
    for (const QString& part : rest.split('/', Qt::SkipEmptyParts)) {
        path = QDir(path).filePath(part);
        item = new QTreeWidgetItem(item, QStringList(part));
        item->setData(0, PathRole, path);
        item->setIcon(0, open);
    }
    QTreeWidgetItem* current = item;

    const QStringList subfolders =
        QDir(Folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        auto* sub = new QTreeWidgetItem(current, QStringList(name));
        sub->setData(0, PathRole, QDir(Folder).filePath(name));
        sub->setIcon(0, closed);
    }
    DirectoryList->expandAll();
    DirectoryList->setCurrentItem(current);
    ScrollToCurrent();
}

void TFolderBrowser::ScrollToCurrent()
{
    // The chain from the top when it fits together with the open folder.
    DirectoryList->scrollToTop();
    if (QTreeWidgetItem* current = DirectoryList->currentItem())
        DirectoryList->scrollToItem(current);
}

void TFolderBrowser::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ScrollToCurrent();  // the list may have been filled before it had its size
}

void TFolderBrowser::FillFileList()
{
    const bool hadSelection = !FileList->selectedItems().isEmpty();
    {
        const QSignalBlocker block(FileList);
        FileList->clear();
        if (!Masks.isEmpty())
            FileList->addItems(QDir(Folder).entryList(Masks, QDir::Files, QDir::Name | QDir::IgnoreCase));
    }
    if (hadSelection)
        emit FileChanged(QString());
}

void TFolderBrowser::DriveChosen(int index)
{
    const QString root = DriveCombo->itemData(index).toString();
    if (!IsInside(Folder, root) || Drive() != root)
        SetDirectory(root);
}

void TFolderBrowser::FolderActivated(QTreeWidgetItem* item)
{
    if (item)
        SetDirectory(item->data(0, PathRole).toString());
}
