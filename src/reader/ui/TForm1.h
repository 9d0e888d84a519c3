#pragma once
// The reader window: holds the one open book, lays it out on two facing
// pages and routes the reader's keys and clicks to the commands.

#include "reader/book.h"
#include "reader/book_loader.h"
#include "reader/commands.h"
#include "reader/fit_lines.h"
#include "reader/para_wrap.h"
#include "reader/sections.h"
#include "reader/ui/ContentsPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/ReaderContext.h"
#include "reader/window_layout.h"
#include "settings/book_record.h"
#include "settings/config_load.h"
#include "settings/configuration.h"
#include "settings/ui/option_pages.h"

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <QWidget>

#include <memory>

class QAction;
class QWheelEvent;
class QPushButton;
class QToolButton;

namespace qw {

class Dialogs;
class PageArea;
class ContentsPanel;
class TocCriteriaGroup;
class OptionsWindow;
class LayoutPart;
class OptionsPart;
class TPGftpForm;
class RecordsPart;
class RecentPart;
class ColoursPart;
class FindPart;
class EditorPart;
class FolderPart;
class FindInFilesPart;
class PrintPart;

class TForm1 : public QWidget, private LoadHost {
    Q_OBJECT
  public:
    explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    const Book& book() const { return book_; }
    BookLoader& loader() { return loader_; }
    PageArea* pageArea() const { return pages_; }
    const BookRecord& record() const;

    // Runs once after the windows exist: opens the file named on the command
    // line, or the last read file when "Auto-open last file" is on.
    void startupOpen(const QStringList& arguments);

    QString fontName() const;
    int fontSize() const;

    // The configuration of this run: the store, the options and the loaded values.
    Configuration& configuration() { return *config_; }
    Settings& settings() { return config_->settings; }
    // False when the configuration load ended the program (no usable font).
    bool configurationLoaded() const { return configLoaded_; }

    // Runs a relayout that waits for the window size to settle now.
    void flushPendingRelayout();

    // Carries out one command of the key map.
    void runCommand(const KeyDecision& decision);

    bool isFullScreenOn() const;

  public slots:
    void LadenClick();
    void AppendClick();
    void SchliessenClick();
    void ReloadClick();
    void SpeichernClick(); // save as (Ctrl+S)
    void OpenHelpFile();   // the guide, Help.txt, as a book
    void UpdateCaption();
    void LesezeichenClick(); // set the next bookmark (Ctrl+B)
    // Fits the lines now ("Fit lines now").
    void AnpassenClick();

    // Options (TForm1_options.cpp): opens the options window at a page
    // (-1: the page shown last).
    void ShowOptions(int page = -1);
    OptionsWindow* optionsWindow() const;

    // The layout part's commands.
    void FullScreen(bool on);
    void ApplyMarginsClick(bool apply);                  // "Apply margin settings"
    void ChangeMarginsClick(const PageMargins& margins); // "Change margins to:"

    // The contents part's commands, under their names in the window.
    void ShowToc(bool show) { contents_->ShowToc(show); }
    void ToggleToc() { contents_->ToggleToc(); }
    void CreateTOCClick() { contents_->CreateTOCClick(); }
    void PreviousSection() { contents_->PreviousSection(); }
    void NextSection() { contents_->NextSection(); }
    void JumpToSection(int row) { contents_->JumpToSection(row); }
    void JumpToSelectedSection() { contents_->JumpToSelectedSection(); }
    void TocCriteriaChanged(bool headerTextOnly) { contents_->TocCriteriaChanged(headerTextOnly); }

  public:
    ContentsPanel* contentsPanel() const { return contents_->panel(); }
    RecentPart* recentPart() const { return recent_; }
    FindPart* findPart() const { return find_; }
    EditorPart* editorPart() const { return editor_; }
    FolderPart* folderPart() const { return folder_; }
    PrintPart* printPart() const { return print_; }
    const SectionMap& sections() const { return contents_->sections(); }
    void setTocPollInterval(int ms) { contents_->setPollInterval(ms); }
    void attachTocCriteria(TocCriteriaGroup* group) { contents_->attachTocCriteria(group); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // LoadHost
    void showProgress(const std::string& caption) override;
    void setBusy(bool busy) override;
    std::vector<std::string> archiveMembersToOpen(const std::string& archivePath) override;
    std::optional<std::string> extractArchiveMember(const std::string& archivePath,
                                                    const std::string& entry) override;
    ImportOptions importOptions() override;
    std::string bookEncoding(const std::string& path, const std::string& entry) override;
    void switchOffLineBreakRemoval() override;
    std::vector<FileRef> orderFiles(std::vector<FileRef> files) override;
    void firstFileLoaded(Book& book, bool appending) override;
    void layOutBook(Book& book) override;
    void bookLoaded(Book& book) override;
    void registerLastRead(const FileRef& file) override;
    void bookClosed(Book& book) override;
    void updateCaption() override { UpdateCaption(); }
    void rememberOpenFolder(const std::string& path) override;

    // Reads a record into the book controls and applies its font.
    void loadRecord(const std::string& name);

    // The options part, wired to the layout part (TForm1_options.cpp).
    void setUpOptions();
    void syncOptionsWindow();

    void setUpContents();
    // Closes the recent panel and a floating contents panel (Esc, a press on
    // the page text); true when one was open.
    bool closePanels();
    // "Browse and download Project Gutenberg files" (Ctrl+G, the menu).
    void showCatalogue();
    void setUpRecent();
    // The editor part and its menu entry (TForm1_editor.cpp).
    void setUpEditor();

    // Keys and the mouse wheel (TForm1_keys.cpp); `focus` is the control the
    // key was meant for.
    bool ownsWindow(const QWidget* window) const;
    KeyState keyState(const QWidget* focus) const;
    bool handleKeyPress(QKeyEvent* event, const QWidget* focus);
    bool handleCharacter(QKeyEvent* event, const QWidget* focus);
    bool handleWheel(QWidget* widget, QWheelEvent* event);

    Dialogs& dialogs_;
    std::unique_ptr<Configuration> config_;
    std::unique_ptr<ReaderContext> context_;
    bool configLoaded_ = false;
    Book book_;
    BookLoader loader_;
    std::string openFolder_;
    bool startupDone_ = false;
    int wheelDelta_ = 0; // wheel turning not yet a whole notch

    PageArea* pages_;
    QToolButton* MenuButton;
    QAction* Laden;
    QAction* Append;
    QAction* Speichern;
    QAction* Schliessen;
    QAction* OptionsAction;

    // The parts, each owning its state; new features add a part here.
    RecordsPart* records_ = nullptr;         // the book record, bookmarks and book information
    LayoutPart* layout_ = nullptr;           // fitting, pagination, fonts, full screen, margins
    ContentsPart* contents_ = nullptr;       // the sections, the contents panel and its buttons
    OptionsPart* options_ = nullptr;         // the options window and its pages
    TPGftpForm* pgBrowser_ = nullptr;        // the catalogue browser, made when first shown
    RecentPart* recent_ = nullptr;           // the recent files, favourites and their panel
    ColoursPart* colours_ = nullptr;         // the colours of the scheme on the window
    FindPart* find_ = nullptr;               // the find panel and find next in the book
    FolderPart* folder_ = nullptr;           // the files of the book's folder, the file order
    FindInFilesPart* findInFiles_ = nullptr; // "Find text in files" and opening its hits
    EditorPart* editor_ = nullptr;           // the editor window and handing its text back
    PrintPart* print_ = nullptr;             // printing the selection or the shown pages
};

} // namespace qw
