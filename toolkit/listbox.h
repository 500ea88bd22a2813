#pragma once
// A list box whose OnClick runs whenever the user picks a line: a click on a line, or a move of
// the current line by mouse or key (arrows, Home, End, Page Up, Page Down, a typed letter), as
// a desktop list box reports a change of its selection. A dialog that shows the record of the
// chosen line thus never shows one record while another is highlighted. Changes the program
// makes (setCurrentRow, takeItem, clear) do not run it: the code that makes them decides what
// the dialog shows.
#include <QListWidget>
#include <functional>

class TListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TListBox(QWidget* parent = nullptr);

    std::function<void()> OnClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The current line and whether it is highlighted: what a user's key or mouse may change.
    struct Choice {
        int Row;
        bool Selected;
        bool operator==(const Choice& other) const { return Row == other.Row && Selected == other.Selected; }
    };
    Choice Chosen() const;
    // Handles a key or mouse event and runs OnClick when it changed the choice; true when it ran.
    bool Reporting(const std::function<void()>& handleEvent);
    void Click();

    // The press of the current mouse button already reported its line, so the click that
    // follows on the same line does not report it again.
    bool PressReported = false;
};
