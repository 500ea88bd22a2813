#pragma once
// The result directory window ("dir"): browses for a result folder, lists the result files it
// holds and hands the folder to the plot window with "Open". Browsing changes nothing in the
// plot window; only "Open" does.

#include "results/io/plotfiles.h"
#include "results/windowlink.h"
#include "toolkit/forms.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class ResultFolderReceiver;
class TFolderBrowser;

class TForm4 : public TForm {
    Q_OBJECT
public:
    explicit TForm4(QWidget* owner = nullptr);

    TFolderBrowser* FolderBrowser;
    QComboBox* DriveComboBox1;       // parts of FolderBrowser
    QTreeWidget* DirectoryListBox1;
    QLabel* Label1;                  // the chosen folder, shortened to fit
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label2;
    QListWidget* ListBox1;           // the result files found
    QPushButton* Button1;            // "Open"
    QPushButton* Button2;            // "Cancel"
    QLineEdit* Edit3;                // invisible

    bool DataOpened = false;
    int LayerCount = 0;
    bool FabricsFound = false;
    bool FiberFilesFound = false;
    bool BodyPropertyFound = false;
    bool ComfortFound = false;

    // Shows the window modeless for a plot window, which "Open" and "Cancel" report to.
    void ShowFor(ResultFolderReceiver* receiver);

    void DirectoryListBox1Change();
    void Button1Click();
    void Button2Click();

protected:
    void FormShow() override;

private:
    QString Directory() const;
    WindowLink<ResultFolderReceiver> Receiver;  // null once the receiving window is gone
    ResultFolderReceiver* Target() const { return Receiver.Get(); }
};

extern TForm4* Form4;
