#include "reader/ui/RecentPart.h"

#include "controls/dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "reader/book.h"
#include "reader/ui/RecentPanel.h"
#include "reader/ui/RecordsPart.h"
#include "settings/configuration.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace qw {

namespace {

QString hintText(const std::string& hint) {
    return QString::fromStdString(hint).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool pathExists(const std::string& path) {
    return QFileInfo::exists(QString::fromStdString(path));
}

} // namespace

RecentPart::RecentPart(ReaderContext& context, QBoxLayout& buttonRow, RecordsPart& records)
    : QObject(&context.window), context_(context), records_(records) {
    QWidget* window = &context_.window;
    Recent = new RecentPanel(window);
    MBRecent = new TPanelButton(window);
    MBRecent->setObjectName(QStringLiteral("MBRecent"));
    MBRecent->setText(tr("Recent"));
    MBRecent->setFocusPolicy(Qt::NoFocus);
    MBRecent->setToolTip(hintText(RecentFiles::startupHint()));
    MBRecent->setContextMenuPolicy(Qt::CustomContextMenu);
    buttonRow.addWidget(MBRecent);
    connect(MBRecent, &TPanelButton::clicked, this, &RecentPart::ShowRecentPanel);
    connect(MBRecent, &QWidget::customContextMenuRequested, this, &RecentPart::OpenLatest);

    connect(Recent, &RecentPanel::entryClicked, this, &RecentPart::entryClicked);
    connect(Recent, &RecentPanel::setCurrentClicked, this, [this] {
        if (context_.book.isOpen())
            applyBaseDirectory(currentFolder());
    });
    connect(Recent, &RecentPanel::browseClicked, this, [this] {
        const std::string dir =
            context_.dialogs.chooseFolder("Select base directory", currentFolder());
        if (!dir.empty())
            applyBaseDirectory(dir);
    });
    connect(Recent, &RecentPanel::addCurrentClicked, this, [this] {
        if (!context_.book.isOpen())
            return;
        lists().addFavorite(context_.book.FileName);
        refresh();
    });
    connect(Recent, &RecentPanel::addDirectoryClicked, this, [this] {
        std::string dir = context_.dialogs.chooseFolder("Select directory to add", currentFolder());
        if (dir.empty())
            return;
        if (dir.back() != '/')
            dir += '/';
        lists().addFavorite(dir);
        refresh();
    });
    if (context_.configLoaded)
        MBRecent->setToolTip(hintText(lists().recentButtonHint()));
}

RecentFiles RecentPart::lists() const {
    return RecentFiles(context_.config.file);
}

std::string RecentPart::currentFolder() const {
    return FolderOf(context_.book.FileName);
}

bool RecentPart::isOpen() const {
    return Recent->isVisible();
}

void RecentPart::recentKeyState(KeyState& s, const QWidget* focus) const {
    s.recentOpen = isOpen();
    if (s.recentOpen && Recent->isList(focus))
        s.focus = Focus::RecentList;
}

void RecentPart::registerLastRead(const FileRef& file) {
    if (!context_.configLoaded)
        return;
    const std::string programDir = QCoreApplication::applicationDirPath().toStdString() + "/";
    if (lists().registerLastRead(file, records_.recordRules(), programDir))
        refresh();
}

void RecentPart::bookClosed() {
    if (!context_.configLoaded)
        return;
    lists().forgetLastRead();
    refresh();
}

void RecentPart::refresh() {
    if (!context_.configLoaded)
        return;
    const RecentFiles recent = lists();
    const bool hidePaths = context_.config.settings.Bool(Setting::HideFilePath);
    const std::string base = recent.baseDirectory();
    for (PathList which : {PathList::Recent, PathList::Favorite}) {
        std::vector<PanelEntry> entries;
        for (const std::string& path : recent.list(which))
            entries.push_back({SplitDisplayName(path, hidePaths, base), pathExists(path)});
        Recent->setEntries(which, entries);
    }
    Recent->setBaseDirectory(base);
    MBRecent->setToolTip(hintText(recent.recentButtonHint()));
}

void RecentPart::ShowRecentPanel() {
    if (isOpen()) {
        hidePanel();
        return;
    }
    refresh();
    Recent->showOver(panelTop());
}

void RecentPart::hidePanel() {
    Recent->hide();
}

void RecentPart::OpenLatest() {
    if (!context_.configLoaded)
        return;
    const std::string path = lists().latestToOpen();
    if (!path.empty() && openKnownFile)
        openKnownFile(path, {});
}

void RecentPart::open(PathList which, const std::string& path) {
    hidePanel();
    if (which == PathList::Favorite && !path.empty() && path.back() == '/') {
        if (openDialogIn)
            openDialogIn(path);
    } else if (openKnownFile) {
        openKnownFile(path, {});
    }
}

void RecentPart::entryClicked(PathList which, const std::string& path, Qt::KeyboardModifiers mods) {
    if (mods & Qt::ShiftModifier) {
        lists().removeEntry(which, path);
        refresh();
    } else if ((mods & Qt::ControlModifier) && which == PathList::Recent) {
        lists().addFavorite(path);
        refresh();
    } else if (!(mods & Qt::ControlModifier)) {
        open(which, path);
    }
}

void RecentPart::openSelected() {
    if (PathListBox* box = Recent->focusedList())
        open(box == Recent->list(PathList::Recent) ? PathList::Recent : PathList::Favorite,
             box->selectedPath());
}

void RecentPart::deleteSelected() {
    PathListBox* box = Recent->focusedList();
    if (box == nullptr)
        return;
    const int row = box->currentRow();
    lists().removeEntry(box == Recent->list(PathList::Recent) ? PathList::Recent
                                                              : PathList::Favorite,
                        box->selectedPath());
    refresh();
    box->setCurrentRow(std::min(row, box->count() - 1));
}

void RecentPart::applyBaseDirectory(const std::string& dir) {
    lists().setBaseDirectory(dir);
    refresh();
}

} // namespace qw
