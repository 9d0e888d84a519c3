#include "reader/ui/FindPart.h"

#include "controls/dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "reader/book.h"
#include "reader/book_search_lines.h"
#include "reader/find_pages.h"
#include "reader/find_text.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/ReaderContext.h"
#include "reader/ui/ScanGuard.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTimer>

namespace qw {

namespace {

constexpr int kRememberedTexts = 10;
constexpr int kPollMs = 40;
const char* const kNoBook = "No text opened, start searching in files?";
const char* const kNotFound =
    "Text not found.\rStart again from the beginning?\r(No closes the Find dialog)";

// While the book is scanned: the caption every 10 pages, the hourglass, and
// Space or Esc stop the scan.
class FindScanPump : public FindProgress {
  public:
    FindScanPump(QWidget& window, QTimer& resizeTimer, int pageCount)
        : window_(window), guard_(resizeTimer, {Qt::Key_Space, Qt::Key_Escape}, false),
          pageCount_(pageCount), caption_(window.windowTitle()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~FindScanPump() override {
        QApplication::restoreOverrideCursor();
        window_.setWindowTitle(caption_);
    }

    bool keepGoing(int page) override {
        if (page % 10 == 0)
            window_.setWindowTitle(
                QStringLiteral("Searching on page %1 of %2").arg(page).arg(pageCount_));
        return guard_.poll(kPollMs);
    }
    int stopKey() const { return guard_.stopKey(); }

  private:
    QWidget& window_;
    ScanGuard guard_;
    int pageCount_;
    QString caption_;
};

TPanelButton* panelButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new TPanelButton(text, parent);
    button->useGrooveLook();
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus); // the focus stays in the field
    return button;
}

} // namespace

FindPart::FindPart(ReaderContext& context, const ParaWrap& wrap, QTimer& resizeTimer)
    : QObject(&context.window), context_(context), wrap_(wrap), resizeTimer_(resizeTimer) {
    Finden = new QFrame(&context.window);
    Finden->setObjectName(QStringLiteral("Finden"));
    Finden->setFrameShape(QFrame::StyledPanel);
    Finden->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(Finden);
    row->setContentsMargins(4, 1, 4, 1);
    FindText = new QComboBox(Finden);
    FindText->setObjectName(QStringLiteral("FindText"));
    FindText->setEditable(true);
    FindText->setInsertPolicy(QComboBox::NoInsert);
    FindText->setMinimumContentsLength(24);
    FindText->setToolTip(tr("Enter the text to find, then press Enter or click Find."));
    FindCSens = new QCheckBox(tr("&Case sensitive"), Finden);
    FindCSens->setObjectName(QStringLiteral("FindCSens"));
    FindCSens->setFocusPolicy(Qt::NoFocus);
    FindStart = panelButton(Finden, "FindStart", tr("Find"));
    FindInFiles = panelButton(Finden, "FindInFiles", tr("Find in files"));
    FindDone = panelButton(Finden, "FindDone", tr("Close"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{FindText, FindCSens, FindStart, FindInFiles, FindDone})
        row->addWidget(w);
    Finden->hide();

    connect(FindStart, &TPanelButton::clicked, this, &FindPart::findNext);
    connect(FindDone, &TPanelButton::clicked, this, &FindPart::closePanel);
    connect(FindInFiles, &TPanelButton::clicked, this,
            [this] { emit findInFilesRequested(FindText->currentText()); });
    connect(FindCSens, &QCheckBox::clicked, this, [this] {
        if (isOpen())
            FindText->setFocus(); // without selecting the text
    });
    context.window.installEventFilter(this);
}

bool FindPart::isOpen() const {
    return Finden->isVisibleTo(&context_.window);
}

void FindPart::findKeyState(KeyState& state, const QWidget* focus) const {
    state.findBarOpen = isOpen();
    if (focus != nullptr && (focus == FindText || FindText->isAncestorOf(focus)))
        state.focus = Focus::FindField;
}

bool FindPart::eventFilter(QObject* watched, QEvent* event) {
    // The window is the parent: while the window is destroyed its context
    // is already gone, and its last events must not reach into it.
    if (watched == parent() && event->type() == QEvent::Resize && isOpen())
        placePanel();
    return QObject::eventFilter(watched, event);
}

void FindPart::placePanel() {
    // In the middle of the top button row, over the turning buttons: a panel
    // over the pages would hide the first lines of the right page, where a
    // hit from the left page continues.
    QWidget& window = context_.window;
    const QSize size = Finden->sizeHint();
    const int width = std::min(size.width(), window.width());
    Finden->setGeometry((window.width() - width) / 2, 1, width, size.height());
    Finden->raise();
}

void FindPart::showPanel() {
    placePanel();
    Finden->show();
    Finden->raise();
    FindText->setFocus();
    FindText->lineEdit()->selectAll();
}

void FindPart::closePanel() {
    context_.pages.leftPage()->collapseSelection();
    context_.pages.rightPage()->collapseSelection();
    const bool hadFocus = Finden->isAncestorOf(QApplication::focusWidget());
    Finden->hide();
    if (hadFocus)
        context_.window.setFocus();
}

void FindPart::quickFind(const QString& character, bool open) {
    QLineEdit* edit = FindText->lineEdit();
    if (open) {
        edit->setText(character);
        showPanel();
    } else {
        edit->setText(edit->text() + character);
        FindText->setFocus();
    }
    edit->deselect();
    edit->end(false);
}

QString FindPart::text() const {
    return FindText->currentText();
}
bool FindPart::caseSensitive() const {
    return FindCSens->isChecked();
}
void FindPart::setSearch(const QString& text, bool caseSensitive) {
    FindText->setEditText(text);
    FindCSens->setChecked(caseSensitive);
}

void FindPart::rememberText(const QString& text) {
    // The last ten texts of this run, the latest first.
    const int found = FindText->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found == 0)
        return;
    if (found > 0)
        FindText->removeItem(found);
    FindText->insertItem(0, text);
    while (FindText->count() > kRememberedTexts)
        FindText->removeItem(FindText->count() - 1);
    FindText->setCurrentIndex(0);
}

void FindPart::findNext() {
    const QString text = FindText->currentText();
    Book& book = context_.book;
    if (!book.isOpen()) {
        if (context_.dialogs.askOkCancel(kNoBook))
            emit findInFilesRequested(text);
        return;
    }
    const std::optional<FindQuery> query =
        MakeFindQuery(text.toStdString(), FindCSens->isChecked());
    if (!query)
        return;
    rememberText(text);
    PageArea& pages = context_.pages;
    const Pagination& paging = book.Pages;
    const int linesPerPage = std::max(1, paging.LinesPerPage);

    // From the end of the selection on the found side; the title page has
    // no text, so the search begins on the right page then.
    if (paging.LeftPage == 0)
        pages.setActivePage(pages.rightPage());
    const bool right = pages.activePage() == pages.rightPage();
    PageView* side = right ? pages.rightPage() : pages.leftPage();
    (right ? pages.leftPage() : pages.rightPage())->collapseSelection();
    const int caret = side->selectionEnd();
    side->setSelection(caret, caret);
    const PageText& shown = right ? pages.rightText() : pages.leftText();
    const SearchStart start = SearchStartOf(paging.LeftPage + (right ? 1 : 0), linesPerPage, shown,
                                            ControlPlace(shown.text, caret));

    BookSearchLines lines(book, wrap_);
    FindResult result;
    int stopKey = 0;
    {
        FindScanPump pump(context_.window, resizeTimer_, paging.PageCount);
        result = FindFrom(*query, lines, start.line, start.column, linesPerPage, &pump);
        stopKey = pump.stopKey();
    }
    while (result.end == FindEnd::EndOfBook) {
        const Choice answer =
            context_.dialogs.askChoice(kNotFound, {Choice::Yes, Choice::No, Choice::Cancel});
        if (answer == Choice::No)
            closePanel();
        if (answer != Choice::Yes)
            return;
        pages.setActivePage(pages.leftPage());
        FindScanPump pump(context_.window, resizeTimer_, paging.PageCount);
        result = FindFrom(*query, lines, 1, 0, linesPerPage, &pump);
        stopKey = pump.stopKey();
    }
    if (result.end == FindEnd::Stopped) {
        if (stopKey == Qt::Key_Escape)
            closePanel();
        return;
    }
    showHit(result.hit);
}

void FindPart::showHit(const TextHit& hit) {
    PageArea& pages = context_.pages;
    Pagination& paging = context_.book.Pages;
    const int linesPerPage = std::max(1, paging.LinesPerPage);
    const HitPlacement placed = PlaceHit(hit, paging.LeftPage, linesPerPage);
    if (placed.leftPage != paging.LeftPage)
        pages.goToPage(placed.leftPage);
    PagePair shown;
    shown.left = pages.leftText();
    shown.right = pages.rightText();
    const HitSelections selected = SelectHit(hit, paging.LeftPage, linesPerPage, shown);
    auto apply = [](PageView* page, const std::optional<PageSelection>& s) {
        if (s)
            page->setSelection(s->start, s->end);
        else
            page->collapseSelection();
    };
    apply(pages.leftPage(), selected.left);
    apply(pages.rightPage(), selected.right);
    PageView* side = placed.side == PageSide::Right ? pages.rightPage() : pages.leftPage();
    pages.setActivePage(side);
    side->setFocus();
}

} // namespace qw
