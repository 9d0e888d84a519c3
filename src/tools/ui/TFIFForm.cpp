#include "tools/ui/TFIFForm.h"

#include "controls/dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "settings/ui/colour_scheme_ui.h"
#include "tools/ui/FileSearchRun.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qw {

namespace {

const char* const kCaption = "Find text in files";
// A search that has not stopped this long after Stop (a large file still
// being converted) is left to end by itself, unseen.
constexpr int kStopWaitMs = 80;

TPanelButton* button(QWidget* parent, const char* name, const QString& text, const QString& hint) {
    auto* b = new TPanelButton(text, parent);
    b->useGrooveLook();
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    return b;
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A folder as typed: "~" is the home folder, and it ends with "/".
QString folderAsTyped(QString folder) {
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        folder = QDir::homePath() + folder.mid(1);
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

TFIFForm::TFIFForm(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("FIFForm"));
    setWindowTitle(tr(kCaption));
    setModal(true);
    resize(640, 420);

    FIFFind = new QLineEdit(this);
    FIFFind->setObjectName(QStringLiteral("FIFFind"));
    FIFDir = new QLineEdit(this);
    FIFDir->setObjectName(QStringLiteral("FIFDir"));
    FIFCSens = new QCheckBox(tr("&Case sensitive"), this);
    FIFCSens->setObjectName(QStringLiteral("FIFCSens"));
    SubDirs = new QCheckBox(tr("Sub&directories"), this);
    SubDirs->setObjectName(QStringLiteral("SubDirs"));
    FIFStart = button(this, "FIFStart", tr("&Find"), tr("Start searching [Alt+F]"));
    FIFStop = button(this, "FIFStop", tr("&Stop"), tr("Stop searching [Alt+S]"));
    FIFAbort =
        button(this, "FIFAbort", tr("&Abort"), tr("Stop searching and close the dialog [Alt+A]"));
    FIFBrowse =
        button(this, "FIFBrowse", tr("&Browse"), tr("Browse and select a directory (Alt+B)"));

    Found = new QTreeWidget(this);
    Found->setObjectName(QStringLiteral("Found"));
    Found->setColumnCount(2);
    Found->setHeaderLabels({tr("Found files/archives"), tr("Files in archives")});
    Found->setRootIsDecorated(false);
    Found->setUniformRowHeights(true);
    Found->setSelectionBehavior(QAbstractItemView::SelectRows);
    Found->setSelectionMode(QAbstractItemView::SingleSelection);
    Found->header()->setStretchLastSection(true);
    Found->setColumnWidth(0, 360);

    auto* findLabel = new QLabel(tr("Te&xt to find:"), this);
    findLabel->setBuddy(FIFFind);
    auto* dirLabel = new QLabel(tr("Director&y:"), this);
    dirLabel->setBuddy(FIFDir);
    auto* grid = new QGridLayout;
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(FIFFind, 0, 1);
    grid->addWidget(FIFStart, 0, 2);
    grid->addWidget(dirLabel, 1, 0);
    grid->addWidget(FIFDir, 1, 1);
    grid->addWidget(FIFBrowse, 1, 2);
    auto* options = new QHBoxLayout;
    options->addWidget(FIFCSens);
    options->addWidget(SubDirs);
    options->addStretch(1);
    options->addWidget(FIFStop);
    options->addWidget(FIFAbort);
    grid->addLayout(options, 2, 1, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Found, 1);

    connect(FIFStart, &TPanelButton::clicked, this, &TFIFForm::FIFStartClick);
    connect(FIFStop, &TPanelButton::clicked, this, &TFIFForm::FIFStopClick);
    connect(FIFAbort, &TPanelButton::clicked, this, &TFIFForm::FIFAbortClick);
    connect(FIFBrowse, &TPanelButton::clicked, this, &TFIFForm::FIFBrowseClick);
    connect(Found, &QTreeWidget::itemDoubleClicked, this, &TFIFForm::FoundDblClick);
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);

    SetColourRole(*this, ColourRole::Window);
    SetColourRole(*Found, ColourRole::List);
    setSearching(false);
}

TFIFForm::~TFIFForm() = default; // a running search is cancelled and waited for

void TFIFForm::prepare(const QString& phrase, bool caseSensitive, const QString& folderIfEmpty) {
    if (FIFDir->text().isEmpty())
        FIFDir->setText(folderAsTyped(folderIfEmpty));
    FIFFind->setText(phrase);
    FIFCSens->setChecked(caseSensitive);
    setWindowTitle(tr(kCaption));
    chosenPath_.clear();
    chosenMember_.clear();
}

QString TFIFForm::phrase() const {
    return FIFFind->text();
}
bool TFIFForm::caseSensitive() const {
    return FIFCSens->isChecked();
}
QString TFIFForm::folder() const {
    return FIFDir->text();
}

void TFIFForm::showEvent(QShowEvent* event) {
    ApplyColourScheme(*this);
    QDialog::showEvent(event);
    if (FIFFind->text().isEmpty())
        FIFFind->setFocus();
}

void TFIFForm::setSearching(bool searching) {
    FIFStop->setEnabled(searching);
    FIFAbort->setEnabled(searching);
    FIFStart->setEnabled(!searching);
    FIFCSens->setEnabled(!searching);
    FIFBrowse->setEnabled(!searching);
    SubDirs->setEnabled(!searching);
    if (searching)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void TFIFForm::FIFStartClick() {
    if (isSearching())
        return;
    if (FIFFind->text().isEmpty()) {
        dialogs_.information("Please enter text to find");
        FIFFind->setFocus();
        return;
    }
    if (FIFDir->text().isEmpty()) {
        dialogs_.information("Please specify a directory");
        FIFDir->setFocus();
        return;
    }
    FIFDir->setText(folderAsTyped(FIFDir->text()));
    if (!QFileInfo(FIFDir->text()).isDir()) {
        dialogs_.information("Please specify an existing directory");
        FIFDir->setFocus();
        return;
    }

    FileSearchRequest request;
    request.folder = FIFDir->text().toStdString();
    request.phrase = FIFFind->text().toStdString();
    request.caseSensitive = FIFCSens->isChecked();
    request.subfolders = SubDirs->isChecked();
    if (completeRequest)
        completeRequest(request);

    Found->clear();
    state_ = QStringLiteral("Find");
    setWindowTitle(tr("Searching files ..."));
    setSearching(true);
    run_ = new FileSearchRun(std::move(request), beforeFile, this);
    connect(run_, &FileSearchRun::listed, this,
            [this] { setWindowTitle(tr("Searching text in files ...")); });
    connect(run_, &FileSearchRun::searching, this,
            [this](int index, int count, const QString& path, const QString& entry) {
                if (state_ != QLatin1String("Find"))
                    return;
                QString caption = QStringLiteral("File %1/%2: %3").arg(index).arg(count).arg(path);
                if (!entry.isEmpty())
                    caption += QStringLiteral(" / ") + entry;
                setWindowTitle(caption);
            });
    connect(run_, &FileSearchRun::found, this, [this](const QString& path, const QString& entry) {
        new QTreeWidgetItem(Found, {path, entry});
    });
    connect(run_, &FileSearchRun::finished, this, &TFIFForm::searchEnded);
    run_->start();
}

void TFIFForm::searchEnded(FileSearchEnd end) {
    if (run_ != nullptr) {
        run_->deleteLater();
        run_ = nullptr;
    }
    const QString state = state_;
    state_.clear();
    setSearching(false);
    if (end == FileSearchEnd::NoFiles) {
        setWindowTitle(tr(kCaption));
        dialogs_.information("No files found!");
        return;
    }
    setWindowTitle(state == QLatin1String("Find") ? tr("Done") : tr("Stopped"));
    Found->setFocus();
    if (Found->topLevelItemCount() == 0) {
        if (state == QLatin1String("Find"))
            dialogs_.information("No matches found!");
        return;
    }
    if (Found->currentItem() == nullptr)
        Found->setCurrentItem(Found->topLevelItem(0));
}

void TFIFForm::abandonRun() {
    if (run_ == nullptr)
        return;
    FileSearchRun* run = run_;
    run_ = nullptr;
    run->cancel();
    run->disconnect(this);
    connect(run, &FileSearchRun::finished, run, &QObject::deleteLater);
}

void TFIFForm::FIFStopClick() {
    if (state_ != QLatin1String("Find"))
        return;
    state_ = QStringLiteral("Stop");
    setWindowTitle(tr("Waiting to stop ..."));
    run_->cancel();
    QPointer<FileSearchRun> stopping = run_;
    QTimer::singleShot(kStopWaitMs, this, [this, stopping] {
        if (stopping != nullptr && stopping == run_) {
            abandonRun();
            searchEnded(FileSearchEnd::Stopped);
        }
    });
}

void TFIFForm::FIFAbortClick() {
    if (isSearching()) {
        state_ = QStringLiteral("Abort");
        setWindowTitle(tr("Aborting ..."));
        abandonRun();
        state_.clear();
        setSearching(false);
    }
    done(Aborted);
}

void TFIFForm::reject() {
    // Esc while searching ends the search with the window.
    if (isSearching()) {
        abandonRun();
        state_.clear();
        setSearching(false);
        setWindowTitle(tr(kCaption));
    }
    QDialog::reject();
}

void TFIFForm::FIFBrowseClick() {
    if (isSearching())
        return;
    const std::string chosen =
        dialogs_.chooseFolder("Select directory for searching", FIFDir->text().toStdString());
    if (!chosen.empty())
        FIFDir->setText(folderAsTyped(QString::fromStdString(chosen)));
}

void TFIFForm::FoundDblClick(QTreeWidgetItem* item) {
    // While a search runs a row is not taken: it could start nothing inside it.
    if (isSearching() || item == nullptr || item->text(0).isEmpty())
        return;
    chosenPath_ = FIFDir->text() + item->text(0);
    chosenMember_ = item->text(1);
    accept();
}

bool TFIFForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Space && isSearching()) {
        FIFStopClick();
        return true;
    }
    if (isEnter(key->key()) && key->modifiers() == Qt::NoModifier) {
        if (watched == Found) {
            FoundDblClick(Found->currentItem());
            return true;
        }
        if (watched == FIFFind || watched == FIFDir || watched == FIFCSens || watched == SubDirs) {
            FIFStartClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qw
