// The reader window's contents part: detecting the sections after
// fitting or on demand (Space stops the scan), the contents panel with its
// list and preview, jumping to a section and the previous/next section
// commands.
//
// After Space stops a scan the sections found so far are kept, the list
// stays empty (so the section buttons are off) and whatever called the scan
// carries on: a fitting still shows the pages, restores the caption and
// writes the book record, so nothing is left half done.

#include "reader/ui/ContentsPart.h"

#include "controls/ui/TPanelButton.h"
#include "reader/book.h"
#include "reader/ui/ContentsPanel.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/RecordsPart.h"
#include "reader/ui/ScanGuard.h"
#include "reader/ui/TocCriteriaGroup.h"
#include "settings/book_settings.h"
#include "settings/configuration.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLayout>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

namespace qw {

namespace {

// While the contents are scanned the window repaints and Space stops the
// scan; a Space already waiting when the scan starts is dropped.
class TocScanPump : public TocScanHost {
  public:
    TocScanPump(QWidget& window, QTimer& resizeTimer, int pollMs)
        : window_(window), guard_(resizeTimer, {Qt::Key_Space}, true), pollMs_(pollMs) {}

    bool abortRequested() override { return !guard_.poll(pollMs_); }
    void showProgress(const std::string& caption) override {
        window_.setWindowTitle(QString::fromStdString(caption));
    }

  private:
    QWidget& window_;
    ScanGuard guard_;
    int pollMs_;
};

TPanelButton* sectionButton(QWidget* parent, const char* name, const QString& text,
                            const QString& tip) {
    auto* button = new TPanelButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

ContentsPart::ContentsPart(ReaderContext& context, QBoxLayout& buttonRow, RecordsPart& records,
                           QTimer& resizeTimer)
    : QObject(&context.window), context_(context), records_(records), resizeTimer_(resizeTimer) {
    QWidget* window = &context_.window;
    Contents = new ContentsPanel(window);
    MBTOC = sectionButton(window, "MBTOC", tr("TOC"), tr("Show or hide the table of contents"));
    MBPrevious =
        sectionButton(window, "MBPrevious", tr("|<"), tr("Previous section (Ctrl+Arrow Left)"));
    MBNext = sectionButton(window, "MBNext", tr(">|"), tr("Next section (Ctrl+Arrow Right)"));
    for (TPanelButton* button : {MBTOC, MBPrevious, MBNext})
        buttonRow.addWidget(button);
    MBPrevious->setEnabled(false);
    MBNext->setEnabled(false);
    // A right click on either section button shows the panel instead.
    for (TPanelButton* button : {MBPrevious, MBNext}) {
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this, [this] { ShowToc(true); });
    }
    connect(MBTOC, &TPanelButton::clicked, this, &ContentsPart::ToggleToc);
    connect(MBPrevious, &TPanelButton::clicked, this, &ContentsPart::PreviousSection);
    connect(MBNext, &TPanelButton::clicked, this, &ContentsPart::NextSection);

    connect(Contents, &ContentsPanel::sectionClicked, this, &ContentsPart::JumpToSection);
    connect(Contents, &ContentsPanel::rowSelected, this, &ContentsPart::PreviewSection);
    connect(Contents, &ContentsPanel::createRequested, this, &ContentsPart::CreateTOCClick);
    connect(Contents, &ContentsPanel::hideRequested, this, [this] { ShowToc(false); });
    connect(Contents, &ContentsPanel::dockingChanged, this, [this](bool docked) {
        config().state.book.tocOnLeftSide = docked;
        const bool shown = Contents->isVisible();
        Contents->setDocked(docked);
        if (shown)
            emit dockedShownChanged(docked);
        storeTocSettings();
    });
    connect(Contents, &ContentsPanel::previewResized, this, [this] {
        previewedRow_ = -1;
        PreviewSection(Contents->selectedRow());
    });
    connect(&pages(), &PageArea::pagesShown, this, &ContentsPart::syncContentsSelection);
    Contents->setDocked(config().state.book.tocOnLeftSide);
}

bool ContentsPart::createToc() {
    runCreateToc(false);
    return true; // the fitting goes on after an abort as well
}

void ContentsPart::CreateTOCClick() {
    runCreateToc(true);
}

void ContentsPart::runCreateToc(bool redraw) {
    if (!book().isOpen() || tocScanning_)
        return;
    tocScanning_ = true;
    context_.window.setWindowTitle(QStringLiteral("Creating TOC ..."));
    {
        TocScanPump pump(context_.window, resizeTimer_, tocPollMs_);
        if (Contents->rowCount() > 0) {
            clearToc();
            if (Contents->isVisible())
                Contents->repaint();
        }
        const LineTextSource lines = [this](int n) { return lineText(n); };
        TocCriteria criteria = TocCriteriaOf(config().state.book);
        criteria.alwaysListChapters = config().settings.Bool(Setting::AlwaysListChapters);
        TocScan scan = DetectSections(book(), criteria, lines, &pump);
        sections_ = std::move(scan.sections);
        if (!scan.aborted) {
            if (sections_.empty()) {
                clearToc();
            } else {
                contentsRows_ = SectionRows(sections_, book().Pages.LinesPerPage, lines);
                Contents->setRows(contentsRows_);
                previewedRow_ = -1;
                MBPrevious->setEnabled(true);
                MBNext->setEnabled(true);
                syncContentsSelection(book().Pages.LeftPage);
            }
        }
    }
    tocScanning_ = false;
    emit captionNeeded();
    if (redraw)
        pages().showCurrentPages();
}

void ContentsPart::clearToc() {
    contentsRows_.clear();
    Contents->clearRows();
    Contents->setPreviewText(QString());
    previewedRow_ = -1;
    MBPrevious->setEnabled(false);
    MBNext->setEnabled(false);
}

void ContentsPart::clearSections() {
    sections_.clear();
    clearToc();
    // A new book's record (or "Default") has been read: the criteria group shows it.
    if (tocCriteria_)
        tocCriteria_->setValues(config().state.book);
}

void ContentsPart::attachTocCriteria(TocCriteriaGroup* group) {
    tocCriteria_ = group;
    group->setValues(config().state.book);
    connect(group, &TocCriteriaGroup::criterionChanged, this, [this, group](bool headerTextOnly) {
        group->writeTo(config().state.book);
        TocCriteriaChanged(headerTextOnly);
    });
    connect(group, &TocCriteriaGroup::applyClicked, this, &ContentsPart::CreateTOCClick);
    group->setAlwaysListChapters(config().settings.Bool(Setting::AlwaysListChapters));
    connect(group, &TocCriteriaGroup::alwaysListChaptersToggled, this, [this](bool on) {
        config().settings.SetBool(Setting::AlwaysListChapters, on);
        TocCriteriaChanged(false);
    });
}

bool ContentsPart::tocWanted() const {
    // Automatic, or a list the reader has made or is looking at: the
    // sections of the old layout are detected again for the new one rather
    // than left empty. A new book keeps a list only when it is automatic or
    // the panel is open.
    if (config().state.book.automaticToc || tocShown())
        return true;
    return book().ChangeReason != "DateiLaden" && Contents->rowCount() > 0;
}

void ContentsPart::tocAfterRepagination() {
    if (tocWanted())
        runCreateToc(false);
    else
        clearToc();
}

std::vector<int> ContentsPart::contentsPages() const {
    // The pages of the sections the list shows (none while it is empty).
    if (contentsRows_.empty())
        return {};
    return SectionPages(sections_, book().Pages.LinesPerPage);
}

void ContentsPart::syncContentsSelection(int leftPage) {
    if (!book().isOpen()) {
        if (!sections_.empty() || Contents->rowCount() > 0)
            clearSections();
        return;
    }
    const std::optional<int> row =
        SectionToSelect(contentsPages(), Contents->selectedRow(), leftPage);
    if (!row)
        return;
    Contents->selectRow(*row);
    PreviewSection(*row);
}

void ContentsPart::PreviewSection(int row) {
    if (row < 0 || row >= static_cast<int>(contentsRows_.size()) || row == previewedRow_ ||
        static_cast<size_t>(row) >= sections_.size())
        return;
    if (!Contents->isVisible()) {
        // Built when the panel is shown, once the box has its size.
        Contents->setPreviewText(QString());
        previewedRow_ = -1;
        return;
    }
    previewedRow_ = row;
    const int first = sections_[static_cast<size_t>(row)].firstLine;
    const int end = static_cast<size_t>(row) + 1 < sections_.size()
                        ? sections_[static_cast<size_t>(row) + 1].firstLine
                        : book().LineCount + 1;
    ParaWrap boxWrap;
    Contents->preparePreviewWrap(boxWrap);
    const std::string text = BuildSectionPreview([this](int n) { return lineText(n); }, first, end,
                                                 Contents->previewMaxRows(), boxWrap);
    Contents->setPreviewText(QString::fromStdString(text));
}

void ContentsPart::JumpToSection(int row) {
    if (!book().isOpen() || row < 0 || row >= static_cast<int>(contentsRows_.size()))
        return;
    // A click shows the page pair that holds the section's page.
    const int sectionPage = contentsRows_[static_cast<size_t>(row)].page;
    const int page = JumpToSectionPage(sectionPage, book().Pages.PageCount);
    if (page != book().Pages.LeftPage)
        pages().goToPage(page);
    keepPageInSight(std::min(sectionPage, book().Pages.PageCount));
}

void ContentsPart::JumpToSelectedSection() {
    const int row = Contents->selectedRow();
    if (!book().isOpen() || row < 0 || row >= static_cast<int>(contentsRows_.size()))
        return;
    // Enter goes to the section's own page.
    const int page =
        std::clamp(contentsRows_[static_cast<size_t>(row)].page, 0, book().Pages.PageCount);
    if (page != book().Pages.LeftPage)
        pages().goToPage(page);
    keepPageInSight(page);
}

void ContentsPart::keepPageInSight(int page) {
    if (!Contents->isVisible() || !Contents->isWindow())
        return;
    const bool onLeft = page == book().Pages.LeftPage;
    const QWidget* left = pages().visibleLeftPage();
    const QWidget* right = pages().rightPage();
    const QWidget* shown = onLeft ? left : right;
    const QRect target(shown->mapToGlobal(QPoint(0, 0)), shown->size());
    const QRect frame = Contents->frameGeometry();
    if (!frame.intersects(target))
        return;
    // Over the other page, kept on the screen; hidden when it still covers the target.
    const int otherLeft = (onLeft ? right : left)->mapToGlobal(QPoint(0, 0)).x();
    int x = onLeft ? otherLeft : target.left() - frame.width();
    if (const QScreen* screen = Contents->screen()) {
        const QRect room = screen->availableGeometry();
        x = std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - frame.width()));
    }
    QRect moved = frame;
    moved.moveLeft(x);
    if (moved.intersects(target)) {
        ShowToc(false);
        return;
    }
    Contents->move(Contents->pos() + QPoint(x - frame.left(), 0));
}

bool ContentsPart::hideFloatingToc() {
    if (!Contents->isVisible() || Contents->isDocked())
        return false;
    ShowToc(false);
    return true;
}

void ContentsPart::ToggleToc() {
    ShowToc(!Contents->isVisible());
}

void ContentsPart::PreviousSection() {
    if (!book().isOpen())
        return;
    const std::optional<int> page =
        PreviousSectionPage(contentsPages(), book().Pages.LeftPage, book().Pages.PageCount);
    if (page && *page != book().Pages.LeftPage)
        pages().goToPage(*page);
}

void ContentsPart::NextSection() {
    if (!book().isOpen())
        return;
    const std::optional<int> page =
        NextSectionPage(contentsPages(), book().Pages.LeftPage, book().Pages.PageCount);
    if (page && *page != book().Pages.LeftPage)
        pages().goToPage(*page);
}

void ContentsPart::ShowToc(bool show) {
    const bool dockedBefore = Contents->isDocked() && Contents->isVisible();
    showTocPanel(show);
    const bool dockedAfter = Contents->isDocked() && Contents->isVisible();
    if (dockedAfter != dockedBefore)
        emit dockedShownChanged(dockedAfter);
}

void ContentsPart::showTocPanel(bool show) {
    // A book that was never scanned gets its contents when the panel opens,
    // rather than an empty list.
    if (show && book().isOpen() && Contents->rowCount() == 0 && !Contents->isVisible())
        runCreateToc(true);
    if (show) {
        const std::optional<int> row =
            SectionToSelect(contentsPages(), Contents->selectedRow(), book().Pages.LeftPage);
        if (row)
            Contents->selectRow(*row);
        Contents->setDocked(config().state.book.tocOnLeftSide);
        Contents->show();
        Contents->raise();
        Contents->layout()->activate();
        if (!Contents->isDocked())
            Contents->activateWindow();
        Contents->list()->setFocus();
        // Built again now that the box has its final size.
        previewedRow_ = -1;
        PreviewSection(Contents->selectedRow());
    } else {
        Contents->hide();
        if (Contents->isDocked()) {
            config().state.book.tocOnLeftSide = false;
            Contents->setDocked(false);
        }
    }
    storeTocSettings();
}

bool ContentsPart::syncContentsDocking() {
    const bool docked = config().state.book.tocOnLeftSide;
    if (docked == (Contents->isDocked() && Contents->isVisible()))
        return false;
    ShowToc(docked);
    return true;
}

void ContentsPart::storeTocSettings() {
    if (!context_.configLoaded)
        return;
    if (!book().isOpen())
        SaveTocSettings(config().file, kDefaultRecord, config().state.book, tocShown());
    else if (!records_.isUnrecorded())
        SaveTocSettings(config().file, records_.recordName(), config().state.book, tocShown());
}

void ContentsPart::TocCriteriaChanged(bool headerTextOnly) {
    storeTocSettings();
    if (!headerTextOnly && config().state.book.automaticToc && book().isOpen() &&
        book().ChangeReason != "DateiLaden")
        runCreateToc(true);
}

bool ContentsPart::tocShown() const {
    return !Contents->isHidden();
}

void ContentsPart::tocKeyState(KeyState& s, const QWidget* focus) const {
    s.tocOpen = Contents->isVisible();
    s.tocDockedLeft = Contents->isDocked() && Contents->isVisible();
    if (s.tocOpen && focus == Contents->list())
        s.focus = Focus::TocList;
}

} // namespace qw
