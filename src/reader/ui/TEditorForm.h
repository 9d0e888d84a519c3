#pragma once
// The editor window: the open book's text in a plain-text box, with a tool
// bar of four movable bands (font, actions, find, replace), find and replace
// with "\n" for a line break, and the questions of Done, Apply, Reload and
// Cancel. It hands the edited text back through `applyText`; the reader
// re-fits it. Shown modally, it keeps its own (possibly edited) text between
// openings until the reader's text changes (the reload-needed flag).

#include "reader/editor_layout.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QStackedWidget;
class QToolBar;

namespace qw {

struct Book;
class Configuration;
class Dialogs;
class EditorTextBox;
class TPanelButton;

class TEditorForm : public QDialog {
    Q_OBJECT
  public:
    TEditorForm(Configuration& config, Dialogs& dialogs, const Book& book,
                QWidget* parent = nullptr);

    // Hands the edited text (CR LF) back to the reader.
    std::function<void(std::string)> applyText;
    // The reader's book font.
    std::function<QFont()> bookFont;

    // Loads the text when it must, puts the caret at the beginning of
    // `startLine` (logical, 0-based) with that line at the top, and shows
    // the window modally; returns at once.
    void openAt(int startLine);
    // The reader's WorkText changed: the next opening shows it.
    void setReloadNeeded() { reloadNeeded_ = true; }
    bool reloadNeeded() const { return reloadNeeded_; }

    QPlainTextEdit* textBox() const;
    QMenu* barPopup() const { return BarPopup; }
    QToolBar* band(EditorBandKind kind) const { return bands_[static_cast<int>(kind)]; }

  public slots:
    void EditorDoneClick();
    void EditorApplyClick();
    void EditorReloadClick();
    void EditorCancelClick();
    void EditorUndoClick();
    void StartFindClick();
    void StartReplaceClick();
    void StartReplaceAllClick();
    void EditorBookFontClick(bool on);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QToolBar* makeBand(EditorBandKind kind, const char* name);
    TPanelButton* makeButton(QToolBar* bar, const char* name, const QString& text,
                             const QList<QKeySequence>& keys);
    void loadText(bool reload);
    void placeCaret(int line);
    // Asks the closing question; true when the window may close.
    bool mayClose();
    void closeWindow();
    void applyEdits();
    // The text as book text (CR LF, UTF-8), and compared with a book text.
    std::string editedBookText() const;
    bool differsFrom(const std::string& bookText) const;
    // The text with '\n' between lines, as positions in the box count.
    const QString& plainText();
    bool findNext(bool ask);
    void updateFindButtons();

    void readLayout();
    void syncLayoutFromBars();
    void applyLayoutToBars();
    void writeLayoutAndBounds();
    void restoreBounds();
    void applyFont();
    void fillFontBoxes();

    Configuration& config_;
    Dialogs& dialogs_;
    const Book& book_;
    bool reloadNeeded_ = true;
    bool closing_ = false; // closed by code after its question
    std::size_t maxLength_ = 0;
    QString plain_;
    bool plainValid_ = false;
    EditorBands layout_;

    QMainWindow* bars_;
    std::array<QToolBar*, 4> bands_{};
    QMenu* BarPopup;
    std::array<QAction*, 4> bandItems_{};
    QStackedWidget* stack_;
    EditorTextBox* OriginalText;
    QLabel* OTPanel;

    TPanelButton* EditorBookFont;
    QComboBox* Schriftart;
    QComboBox* Fontgroesse;
    TPanelButton* EditorUndo;
    TPanelButton* EditorApply;
    TPanelButton* EditorReload;
    TPanelButton* EditorCancel;
    TPanelButton* EditorDone;
    TPanelButton* StartFind;
    QLineEdit* FindText;
    QCheckBox* FindWord;
    QCheckBox* FindCase;
    TPanelButton* StartReplace;
    TPanelButton* StartReplaceAll;
    QLineEdit* ReplaceText;
};

} // namespace qw
