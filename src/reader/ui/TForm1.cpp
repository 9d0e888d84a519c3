#include "reader/ui/TForm1.h"

#include "catalogue/ui/TPGftpForm.h"
#include "controls/dialogs.h"
#include "controls/ui/TMyHintWindow.h"
#include "reader/caption.h"
#include "reader/help_file.h"
#include "reader/ui/ColoursPart.h"
#include "reader/ui/ContentsPanel.h"
#include "reader/ui/EditorPart.h"
#include "reader/ui/FindInFilesPart.h"
#include "reader/ui/FindPart.h"
#include "reader/ui/FolderPart.h"
#include "reader/ui/LayoutPart.h"
#include "reader/ui/OptionsPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/PrintPart.h"
#include "reader/ui/RecentPart.h"
#include "reader/ui/RecordsPart.h"
#include "reader/ui/save_as_glue.h"
#include "settings/ui/qt_config_environment.h"
#include "settings/ui/window_bounds.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace qw {

namespace {

const char* const kUnsavedExit = "Edited text has not been saved!\rExit program?";

// A command of the "Menu" button; the shortcut is shown, the key preview
// carries it out.
QAction* menuCommand(QMenu* menu, const char* name, const QString& text, const QString& keys) {
    QAction* action = menu->addAction(keys.isEmpty() ? text : text + QLatin1Char('\t') + keys);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

TForm1::TForm1(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), loader_(book_, *this, dialogs) {
    setObjectName(QStringLiteral("Form1"));
    InstallHintWindow(); // every tooltip in the program's hint window
    setMinimumSize(600, 400);
    resize(1024, 720);

    // The configuration load: file, options, fonts and the window's bounds.
    config_ = std::make_unique<Configuration>();
    configLoaded_ = config_->load(QtConfigEnvironment(), dialogs_);

    pages_ = new PageArea(book_, dialogs_, this);
    context_ = std::make_unique<ReaderContext>(
        ReaderContext{*this, dialogs_, *config_, configLoaded_, book_, *pages_});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);

    // The commands live behind one button so the top row stays narrow.
    MenuButton = new QToolButton(this);
    MenuButton->setObjectName(QStringLiteral("ShowMenu"));
    MenuButton->setText(tr("Menu"));
    MenuButton->setToolTip(tr("Open, append, save, close, options"));
    MenuButton->setAutoRaise(true);
    MenuButton->setFocusPolicy(Qt::NoFocus);
    MenuButton->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(MenuButton);
    Laden = menuCommand(menu, "Laden", tr("&Open..."), tr("Ctrl+O"));
    Append = menuCommand(menu, "Append", tr("&Append..."), tr("Ctrl+A"));
    Speichern = menuCommand(menu, "Speichern", tr("&Save as..."), tr("Ctrl+S"));
    Schliessen = menuCommand(menu, "Schliessen", tr("Close"), tr("Ctrl+W"));
    QAction* printText = menuCommand(menu, "PrintText", tr("Print text"), tr("Ctrl+P"));
    menu->addSeparator();
    QAction* contents = menuCommand(menu, "ShowTOC", tr("&Table of contents"), tr("Ctrl+T"));
    QAction* catalogue = menuCommand(menu, "PGBrowser", tr("Project &Gutenberg..."), tr("Ctrl+G"));
    QAction* findInFiles =
        menuCommand(menu, "FIFiles", tr("Find in &files..."), tr("Ctrl+Shift+F"));
    OptionsAction = menuCommand(menu, "OptionsAction", tr("O&ptions..."), QString());
    menu->addSeparator();
    QAction* help = menuCommand(menu, "OpenHelpTxt", tr("Open &Help.txt"), QString());
    QAction* exit = menuCommand(menu, "Beenden", tr("E&xit"), tr("Ctrl+X"));
    MenuButton->setMenu(menu);
    pages_->buttonRow()->insertWidget(0, MenuButton);
    connect(Laden, &QAction::triggered, this, &TForm1::LadenClick);
    connect(Append, &QAction::triggered, this, &TForm1::AppendClick);
    connect(Speichern, &QAction::triggered, this, &TForm1::SpeichernClick);
    connect(Schliessen, &QAction::triggered, this, &TForm1::SchliessenClick);
    connect(contents, &QAction::triggered, this, [this] { contents_->ToggleToc(); });
    connect(OptionsAction, &QAction::triggered, this, [this] { ShowOptions(); });
    connect(catalogue, &QAction::triggered, this, &TForm1::showCatalogue);
    connect(findInFiles, &QAction::triggered, this, [this] { runCommand({Command::FindInFiles}); });
    connect(exit, &QAction::triggered, this, [this] { runCommand({Command::Exit}); });
    connect(help, &QAction::triggered, this, &TForm1::OpenHelpFile);
    connect(printText, &QAction::triggered, this, [this] { runCommand({Command::PrintText}); });

    records_ = new RecordsPart(*context_, *pages_->buttonRow());
    connect(records_, &RecordsPart::captionFieldsChanged, this, &TForm1::UpdateCaption);
    records_->tocShown = [this] { return contents_ != nullptr && contents_->tocShown(); };

    layout_ = new LayoutPart(*context_, *records_);
    connect(layout_, &LayoutPart::captionNeeded, this, &TForm1::UpdateCaption);
    connect(pages_, &PageArea::resized, layout_, &LayoutPart::pagesResized);
    connect(pages_, &PageArea::pagesShown, this, [this](int leftPage) {
        records_->writePage(leftPage);
        records_->refreshBookmarkButtons();
    });
    pages_->setLines(0, [this](int n) { return layout_->displayLine(n); });

    if (configLoaded_) {
        pages_->setOptions(layout_->layoutOptions());
        ApplyWindowBounds(*this, config_->state);
    }
    layout_->applyPageFont();
    layout_->recomputeLinesPerPage();
    Append->setEnabled(false);
    Speichern->setEnabled(false);
    Schliessen->setEnabled(false);
    setUpContents();
    setUpRecent();
    setUpOptions();
    colours_ = new ColoursPart(*context_);
    connect(options_, &OptionsPart::coloursChanged, colours_, &ColoursPart::apply);
    colours_->apply();
    find_ = new FindPart(*context_, layout_->wrap(), layout_->resizeTimer());
    folder_ = new FolderPart(
        *context_,
        [this](const FileRef& file) { return loader_.openKnownFile(file.path, file.entry); },
        [this] { return openFolder_; });
    folder_->addMenuCommands(*menu, exit);
    findInFiles_ = new FindInFilesPart(*context_, loader_, *find_);
    connect(find_, &FindPart::findInFilesRequested, findInFiles_, &FindInFilesPart::start);
    setUpEditor();
    print_ = new PrintPart(*context_);
    qApp->installEventFilter(this); // the window sees keys before its controls
    UpdateCaption();
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

QString TForm1::fontName() const {
    return QString::fromStdString(config_->state.book.fontName);
}
int TForm1::fontSize() const {
    return config_->state.book.fontSize;
}

void TForm1::startupOpen(const QStringList& arguments) {
    if (startupDone_)
        return;
    startupDone_ = true;
    // The pages take their size before the book is fitted to it.
    layout()->activate();
    layout_->recomputeLinesPerPage();
    if (arguments.size() > 1) {
        loader_.openStartupFile(arguments.at(1).toStdString());
        return;
    }
    if (configLoaded_ && config_->settings.Bool(Setting::AutoOpen)) {
        const FileRef last = FileRef::parse(config_->settings.Text(Setting::LastReadFile));
        if (!last.path.empty())
            loader_.openKnownFile(last.path, last.entry);
    }
}

void TForm1::LadenClick() {
    contents_->hideFloatingToc();
    loader_.openCommand(false, openFolder_);
}
void TForm1::OpenHelpFile() {
    auto variable = [](const char* name) {
        const QByteArray value = qgetenv(name);
        return value.toStdString();
    };
    const std::string path =
        FindHelpFile({QCoreApplication::applicationDirPath().toStdString(),
                      variable("XDG_DATA_HOME"), variable("HOME"), variable("XDG_DATA_DIRS")});
    if (path.empty()) {
        dialogs_.error("Help.txt was not found beside the program or in its share folder.");
        return;
    }
    contents_->hideFloatingToc();
    loader_.openKnownFile(path, std::string());
}
void TForm1::AppendClick() {
    contents_->hideFloatingToc();
    loader_.openCommand(true, openFolder_);
}

void TForm1::SchliessenClick() {
    if (book_.isOpen())
        loader_.closeBook();
}

void TForm1::ReloadClick() {
    if (book_.isOpen())
        loader_.openKnownFile(book_.FileName, book_.ArchiveEntry);
}

void TForm1::SpeichernClick() {
    if (!book_.isOpen())
        return;
    WindowSaveHost host(*this, config_->state.book.removeLineBreaks, [this] { UpdateCaption(); });
    host.titleField = [this] { return records_->record().info.title; };
    host.writeBookRecord = [this](const Book&) { records_->writeBookRecord(); };
    host.addRecent = [this](const FileRef& file) { registerLastRead(file); };
    SaveAs(book_, host, dialogs_);
}

void TForm1::LesezeichenClick() {
    records_->setNextBookmark();
}

const BookRecord& TForm1::record() const {
    return records_->record();
}

void TForm1::loadRecord(const std::string& name) {
    records_->loadRecord(name);
    layout_->applyPageFont();
}

void TForm1::setUpContents() {
    contents_ =
        new ContentsPart(*context_, *pages_->buttonRow(), *records_, layout_->resizeTimer());
    layout_->setContents(*contents_);
    contents_->lineText = [this](int n) { return layout_->displayLine(n).value_or(std::string()); };
    connect(contents_, &ContentsPart::captionNeeded, this, &TForm1::UpdateCaption);
    connect(contents_, &ContentsPart::dockedShownChanged, layout_,
            &LayoutPart::keepPageAreaWhileDocking);
    if (config_->state.book.tocOnLeftSide)
        contents_->ShowToc(true);
}

void TForm1::setUpRecent() {
    recent_ = new RecentPart(*context_, *pages_->buttonRow(), *records_);
    recent_->openKnownFile = [this](const std::string& path, const std::string& entry) {
        contents_->hideFloatingToc();
        loader_.openKnownFile(path, entry);
    };
    recent_->openDialogIn = [this](const std::string& folder) {
        openFolder_ = folder;
        LadenClick();
    };
    recent_->panelTop = [this] {
        return MenuButton->mapTo(this, QPoint(0, MenuButton->height())).y();
    };
    if (configLoaded_)
        openFolder_ = config_->settings.BaseDirectory();
    pages_->closePanels = [this] { return closePanels(); };
}

bool TForm1::closePanels() {
    // A floating contents panel closes; a docked one is part of the window.
    const bool recentOpen = recent_->isOpen();
    recent_->hidePanel();
    return contents_->hideFloatingToc() || recentOpen;
}

void TForm1::flushPendingRelayout() {
    layout_->flushPendingRelayout();
}
bool TForm1::isFullScreenOn() const {
    return layout_->isFullScreen();
}
void TForm1::FullScreen(bool on) {
    layout_->FullScreen(on);
}
void TForm1::ApplyMarginsClick(bool apply) {
    layout_->ApplyMarginsClick(apply);
}
void TForm1::ChangeMarginsClick(const PageMargins& margins) {
    layout_->ChangeMarginsClick(margins);
}

void TForm1::AnpassenClick() {
    if (book_.isOpen())
        layout_->fitLines();
}

void TForm1::UpdateCaption() {
    CaptionInput in;
    in.bookOpen = book_.isOpen();
    in.fileName = book_.FileName;
    in.archiveEntry = book_.ArchiveEntry;
    const BookInfo& info = records_->record().info;
    in.title = info.title;
    in.subtitle = info.subtitle;
    in.author = info.author;
    if (configLoaded_) {
        in.hideFilePaths = config_->settings.Bool(Setting::HideFilePath);
        in.hideArchiveNames = config_->settings.Bool(Setting::HideArchiveName);
    }
    in.fontName = config_->state.book.fontName;
    in.fontSize = config_->state.book.fontSize;
    in.defaultFontName = config_->state.defaultFontName;
    in.defaultFontSize = config_->state.defaultFontSize;
    in.pageCount = book_.Pages.PageCount;
    const QString caption = QString::fromStdString(ComposeCaption(in));
    if (in.bookOpen)
        setWindowIconText(QString::fromStdString(CaptionNamePart(in)));
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

void TForm1::runCommand(const KeyDecision& d) {
    switch (d.command) {
    case Command::TurnPage:
        pages_->applyMove(d.move);
        break;
    case Command::HistoryBack:
        pages_->historyBack();
        break;
    case Command::HistoryForward:
        pages_->historyForward();
        break;
    case Command::Open:
        LadenClick();
        break;
    case Command::Append:
        AppendClick();
        break;
    case Command::Close:
        SchliessenClick();
        break;
    case Command::Reload:
        ReloadClick();
        break;
    case Command::SaveAs:
        SpeichernClick();
        break;
    case Command::GoToBookmark:
        records_->goToBookmark(d.bookmark - 1);
        break;
    case Command::ClearBookmark:
        records_->clearBookmark(d.bookmark - 1);
        break;
    case Command::SetNextBookmark:
        LesezeichenClick();
        break;
    case Command::ClearAllBookmarks:
        records_->clearAllBookmarks();
        break;
    case Command::LargerFont:
        layout_->changeFontSize(StepFontSize(config_->state.book.fontSize, true));
        break;
    case Command::SmallerFont:
        layout_->changeFontSize(StepFontSize(config_->state.book.fontSize, false));
        break;
    case Command::NextFont:
        layout_->changeFont(1);
        break;
    case Command::PreviousFont:
        layout_->changeFont(-1);
        break;
    case Command::Copy:
        pages_->activePage()->copy();
        break;
    case Command::PrintText:
        print_->PrintText();
        break;
    case Command::Minimize:
        showMinimized();
        break;
    case Command::ToggleFullScreen:
        layout_->FullScreen(!layout_->isFullScreen());
        break;
    case Command::Exit:
        if (!book_.isOpen() || dialogs_.askYesNo("Exit Quirewell?"))
            close();
        break;
    case Command::OpenMostRecent:
        recent_->OpenLatest();
        break;
    case Command::ShowRecent:
        contents_->hideFloatingToc();
        recent_->ShowRecentPanel();
        break;
    case Command::DeleteRecentEntry:
        recent_->deleteSelected();
        break;
    case Command::OpenRecentEntry:
        recent_->openSelected();
        break;
    case Command::OpenWithAssociatedProgram:
        if (book_.isOpen())
            QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(book_.FileName)));
        break;
    case Command::ToggleContents:
        contents_->ToggleToc();
        break;
    case Command::PreviousSection:
        contents_->PreviousSection();
        break;
    case Command::NextSection:
        contents_->NextSection();
        break;
    case Command::JumpToSection:
        contents_->JumpToSelectedSection();
        break;
    case Command::ClosePanels:
        closePanels();
        break;
    case Command::OpenCatalogue:
        showCatalogue();
        break;
    case Command::Find:
        find_->showPanel();
        break;
    case Command::FindStart:
    case Command::FindNext:
        find_->findNext();
        break;
    case Command::OpenFindAndFindNext:
        find_->showPanel();
        find_->findNext();
        break;
    case Command::CloseFindBar:
        find_->closePanel();
        break;
    case Command::Edit:
        editor_->openEditor();
        break;
    case Command::FirstFile:
        folder_->goToFile(FileDirection::First);
        break;
    case Command::PreviousFile:
        folder_->goToFile(FileDirection::Previous);
        break;
    case Command::NextFile:
        folder_->goToFile(FileDirection::Next);
        break;
    case Command::LastFile:
        folder_->goToFile(FileDirection::Last);
        break;
    case Command::FindInFilesStart:
    case Command::FindInFiles:
        findInFiles_->start(find_->text());
        break;
    case Command::PassOn:
    case Command::Nothing:
        break;
    // Not built yet: the find bar, find in files, automatic turning, the
    // help and menu panels, the catalogue browser and
    // the folder navigation plug in here as they arrive.
    case Command::AutoTurnOff:
    case Command::AutoTurnPause:
    case Command::ToggleHelp:
    case Command::OpenOptionsPage:
    case Command::DeleteBookRecords:
    case Command::ApplyMargins:
    case Command::OpenHelpPage:
        break;
    }
}

void TForm1::showCatalogue() {
    // The browser is a window of its own that keeps its state for the run.
    if (pgBrowser_ == nullptr)
        pgBrowser_ = new TPGftpForm(*config_, dialogs_, this);
    pgBrowser_->exec();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (book_.TextEdited && !dialogs_.askOkCancel(kUnsavedExit)) {
        event->ignore();
        return;
    }
    event->accept();
    if (configLoaded_)
        SaveWindowBounds(config_->file, layout_->closeBounds());
}

} // namespace qw
