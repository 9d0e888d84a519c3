#include "reader/ui/TForm1.h"

#include "controls/dialogs.h"
#include "import/cp1252.h"
#include "import/natural_sort.h"
#include "import/ui/TZipForm.h"
#include "import/zip_archive.h"
#include "reader/caption.h"
#include "settings/import_settings.h"
#include "settings/ui/qt_config_environment.h"
#include "settings/ui/window_bounds.h"
#include "reader/ui/save_as_glue.h"
#include "reader/ui/fit_lines_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace qw {

namespace {

const char* const kUnsavedExit = "Edited text has not been saved!\rExit program?";

// The page font until the configuration supplies one: Times New Roman or the
// family the system puts in its place.
QFont defaultPageFont() {
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setKerning(false);
    const QString family = QFontInfo(font).family();
    if (!family.isEmpty())
        font.setFamily(family);
    return font;
}

} // namespace

TForm1::TForm1(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), loader_(book_, *this, dialogs) {
    setObjectName(QStringLiteral("Form1"));
    resize(1024, 720);

    Laden = new QPushButton(tr("Open"), this);
    Laden->setObjectName(QStringLiteral("Laden"));
    Laden->setToolTip(tr("Open a file (Ctrl+O)"));
    Append = new QPushButton(tr("Append"), this);
    Append->setObjectName(QStringLiteral("Append"));
    Append->setToolTip(tr("Append a file to the open book (Ctrl+A)"));
    Schliessen = new QPushButton(tr("Close"), this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    Schliessen->setToolTip(tr("Close the book (Ctrl+W)"));
    for (QPushButton* button : {Laden, Append, Schliessen})
        button->setFocusPolicy(Qt::NoFocus);

    BookView = new QPlainTextEdit(this);
    BookView->setObjectName(QStringLiteral("BookView"));
    BookView->setReadOnly(true);
    BookView->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    BookView->setFont(defaultPageFont());
    BookView->setFrameShape(QFrame::NoFrame);
    BookView->document()->setDocumentMargin(48);
    BookView->setStyleSheet(
        QStringLiteral("QPlainTextEdit { background: #fbf7ee; color: #1e1a14; }"));

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 4, 6, 4);
    buttons->addWidget(Laden);
    buttons->addWidget(Append);
    buttons->addWidget(Schliessen);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buttons);
    layout->addWidget(BookView, 1);
    fitView_ = new FitLinesView(
        book_, BookView, [this](const QString& caption) { setWindowTitle(caption); },
        [this] { UpdateCaption(); });

    connect(Laden, &QPushButton::clicked, this, &TForm1::LadenClick);
    connect(Append, &QPushButton::clicked, this, &TForm1::AppendClick);
    connect(Schliessen, &QPushButton::clicked, this, &TForm1::SchliessenClick);
    auto shortcut = [this](QKeySequence keys, void (TForm1::*slot)()) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_O), &TForm1::LadenClick);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_A), &TForm1::AppendClick);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_W), &TForm1::SchliessenClick);
    shortcut(QKeySequence(Qt::Key_F5), &TForm1::ReloadClick);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), &TForm1::SpeichernClick);

    Append->setEnabled(false);
    Schliessen->setEnabled(false);

    // The configuration load: file, options, fonts and the window's bounds.
    config_ = std::make_unique<Configuration>();
    configLoaded_ = config_->load(QtConfigEnvironment(), dialogs_);
    if (configLoaded_) {
        QFont font = BookView->font();
        font.setFamily(QString::fromStdString(config_->state.book.fontName));
        font.setPointSize(config_->state.book.fontSize);
        BookView->setFont(font);
        ApplyWindowBounds(*this, config_->state);
    }
    UpdateCaption();
}

TForm1::~TForm1() = default;

QString TForm1::fontName() const {
    return BookView->font().family();
}
int TForm1::fontSize() const {
    return BookView->font().pointSize();
}

void TForm1::startupOpen(const QStringList& arguments) {
    if (arguments.size() > 1)
        loader_.openStartupFile(arguments.at(1).toStdString());
}

void TForm1::LadenClick() {
    loader_.openCommand(false, openFolder_);
}
void TForm1::AppendClick() {
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
    WindowSaveHost host(*this, removeSingleLineBreaks_, [this] { UpdateCaption(); });
    SaveAs(book_, host, dialogs_);
}

void TForm1::UpdateCaption() {
    CaptionInput in;
    in.bookOpen = book_.isOpen();
    in.fileName = book_.FileName;
    in.archiveEntry = book_.ArchiveEntry;
    in.fontName = fontName().toStdString();
    in.fontSize = fontSize();
    in.defaultFontName = in.fontName;
    in.defaultFontSize = in.fontSize;
    in.pageCount = book_.PageCount;
    const QString caption = QString::fromStdString(ComposeCaption(in));
    if (in.bookOpen)
        setWindowIconText(QString::fromStdString(CaptionNamePart(in)));
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (book_.TextEdited && !dialogs_.askOkCancel(kUnsavedExit)) {
        event->ignore();
        return;
    }
    event->accept();
    if (configLoaded_)
        SaveWindowBounds(config_->file, CloseBoundsOf(*this, false));
}

void TForm1::showProgress(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void TForm1::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

std::vector<std::string> TForm1::archiveMembersToOpen(const std::string& archivePath) {
    const ImportOptions options = importOptions();
    std::vector<std::string> entries =
        ListArchive(archivePath, options.hideIgnoredInArchives, options.ignoredFiles).entries;
    entries = SortArchiveListing(std::move(entries));
    if (entries.size() > 1)
        entries = ShowArchiveContents(this, archivePath, entries);
    return entries;
}

std::optional<std::string> TForm1::extractArchiveMember(const std::string& archivePath,
                                                        const std::string& entry) {
    ArchiveEntryBytes member = ExtractArchiveEntry(archivePath, entry);
    if (!member.ok()) {
        dialogs_.error(member.error);
        return std::nullopt;
    }
    return std::move(member.bytes);
}

ImportOptions TForm1::importOptions() {
    return configLoaded_ ? ImportOptionsFrom(config_->settings, config_->state) : ImportOptions{};
}

void TForm1::switchOffLineBreakRemoval() {
    removeSingleLineBreaks_ = false;
}

void TForm1::firstFileLoaded(Book&, bool) {
    BookView->clear();
    Append->setEnabled(true);
    Schliessen->setEnabled(true);
}

void TForm1::layOutBook(Book&) {
    // Until pagination exists the fitted display lines are shown as one scrolling text.
    fitView_->options().removeLineBreaks = removeSingleLineBreaks_;
    fitView_->fit();
}

void TForm1::bookLoaded(Book&) {}

void TForm1::registerLastRead(const FileRef&) {}

void TForm1::bookClosed(Book&) {
    BookView->clear();
    Append->setEnabled(false);
    Schliessen->setEnabled(false);
    setWindowIconText(QString::fromLatin1(kProgramVersionTitle));
}

void TForm1::rememberOpenFolder(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    openFolder_ = slash == std::string::npos ? std::string() : path.substr(0, slash);
}

void TForm1::showBookText() {
    std::string utf8 = Cp1252ToUtf8(book_.WorkText);
    BookView->setPlainText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    BookView->moveCursor(QTextCursor::Start);
}

} // namespace qw
