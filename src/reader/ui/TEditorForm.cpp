#include "reader/ui/TEditorForm.h"

#include "controls/dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "reader/book.h"
#include "reader/commands.h"
#include "reader/editor_find.h"
#include "reader/editor_session.h"
#include "settings/configuration.h"
#include "settings/ini_write.h"
#include "settings/ui/colour_scheme_ui.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace qw {

namespace {

const char* const kNotFound = "Text not found.\rStart again from the beginning?";
const char* const kLoadingCaption = "Loading text ...";
const char* const kReloadingCaption = "Reloading text - please wait ...";
const char* const kPleaseWait = "Please wait ...";
const int kDefaultFontSize = 11;

std::u16string_view view(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}
QString toQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::string tooLongMessage(std::size_t maxLength) {
    return "The text would grow past the editor's limit of " + std::to_string(maxLength) +
           " characters.\rNothing was changed.";
}

// The hourglass, restored on every way out.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

// The text box: pastes plain text only, and never past the editor's limit.
class EditorTextBox : public QPlainTextEdit {
  public:
    EditorTextBox(Dialogs& dialogs, QWidget* parent) : QPlainTextEdit(parent), dialogs_(dialogs) {}
    std::size_t maxLength = 1000000;

  protected:
    void insertFromMimeData(const QMimeData* source) override {
        const QString text = source->text();
        const QTextCursor cursor = textCursor();
        const std::size_t length =
            static_cast<std::size_t>(document()->characterCount() - 1) -
            static_cast<std::size_t>(cursor.selectionEnd() - cursor.selectionStart()) +
            static_cast<std::size_t>(text.size());
        if (length > maxLength) {
            dialogs_.warning(tooLongMessage(maxLength));
            return;
        }
        insertPlainText(text);
    }

  private:
    Dialogs& dialogs_;
};

TEditorForm::TEditorForm(Configuration& config, Dialogs& dialogs, const Book& book, QWidget* parent)
    : QDialog(parent), config_(config), dialogs_(dialogs), book_(book) {
    setObjectName(QStringLiteral("EditorForm"));
    setWindowTitle(QString::fromLatin1(kEditorCaption));
    setSizeGripEnabled(true);
    resize(900, 640);

    // The bands live in a main window of their own inside the dialog, which
    // gives them moving, row breaks and hiding.
    bars_ = new QMainWindow(this);
    bars_->setWindowFlags(Qt::Widget); // a main window is made a window of its own
    bars_->setObjectName(QStringLiteral("EditorBars"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bars_);

    stack_ = new QStackedWidget(bars_);
    OriginalText = new EditorTextBox(dialogs_, stack_);
    OriginalText->setObjectName(QStringLiteral("OriginalText"));
    OriginalText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    OriginalText->setTabChangesFocus(false);
    // The selection stays visible when the box loses the focus (to the find field).
    QPalette palette = OriginalText->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    OriginalText->setPalette(palette);
    OTPanel = new QLabel(QString::fromLatin1(kPleaseWait), stack_);
    OTPanel->setObjectName(QStringLiteral("OTPanel"));
    OTPanel->setAlignment(Qt::AlignCenter);
    stack_->addWidget(OriginalText);
    stack_->addWidget(OTPanel);
    bars_->setCentralWidget(stack_);

    QToolBar* font = makeBand(EditorBandKind::Font, "FontBand");
    EditorBookFont = makeButton(font, "EditorBookFont", tr("Book font"), {});
    EditorBookFont->setToolTip(tr("Use the current book font and colors"));
    Schriftart = new QComboBox(font);
    Schriftart->setObjectName(QStringLiteral("Schriftart"));
    Schriftart->setMinimumContentsLength(16);
    font->addWidget(Schriftart);
    Fontgroesse = new QComboBox(font);
    Fontgroesse->setObjectName(QStringLiteral("Fontgroesse"));
    Fontgroesse->setEditable(true);
    Fontgroesse->setToolTip(tr("Change font size between 6 and 99"));
    Fontgroesse->setMinimumContentsLength(3);
    for (const int size : FontSizeSteps())
        Fontgroesse->addItem(QString::number(size));
    font->addWidget(Fontgroesse);

    QToolBar* actions = makeBand(EditorBandKind::Actions, "ActionBand");
    EditorUndo = makeButton(actions, "EditorUndo", tr("Undo"), {QKeySequence(tr("Ctrl+Z"))});
    EditorApply = makeButton(actions, "EditorApply", tr("Apply"), {QKeySequence(tr("Ctrl+S"))});
    EditorReload = makeButton(actions, "EditorReload", tr("Reload"), {QKeySequence(Qt::Key_F5)});
    EditorCancel =
        makeButton(actions, "EditorCancel", tr("Cancel"), {QKeySequence(Qt::Key_Escape)});
    EditorDone = makeButton(actions, "EditorDone", tr("Done"), {QKeySequence(tr("Ctrl+E"))});

    QToolBar* find = makeBand(EditorBandKind::Find, "FindBand");
    StartFind = makeButton(find, "StartFind", tr("Find"),
                           {QKeySequence(Qt::Key_F3), QKeySequence(tr("Ctrl+F"))});
    FindText = new QLineEdit(find);
    FindText->setObjectName(QStringLiteral("FindText"));
    FindText->setToolTip(tr("Text to find; \\n stands for a line break"));
    FindText->setMinimumWidth(200);
    find->addWidget(FindText);
    FindWord = new QCheckBox(tr("&Word"), find);
    FindWord->setObjectName(QStringLiteral("FindWord"));
    FindWord->setToolTip(tr("Whole words only"));
    find->addWidget(FindWord);
    FindCase = new QCheckBox(tr("Case"), find);
    FindCase->setObjectName(QStringLiteral("FindCase"));
    FindCase->setToolTip(tr("Match case"));
    find->addWidget(FindCase);

    QToolBar* replace = makeBand(EditorBandKind::Replace, "ReplaceBand");
    StartReplace = makeButton(replace, "StartReplace", tr("Replace"), {QKeySequence(tr("Ctrl+R"))});
    StartReplaceAll = makeButton(replace, "StartReplaceAll", tr("Replace all"), {});
    ReplaceText = new QLineEdit(replace);
    ReplaceText->setObjectName(QStringLiteral("ReplaceText"));
    ReplaceText->setToolTip(tr("Replacement; \\n stands for a line break"));
    ReplaceText->setMinimumWidth(200);
    replace->addWidget(ReplaceText);

    // "BarPopup": shows and hides the bands.
    BarPopup = new QMenu(this);
    BarPopup->setObjectName(QStringLiteral("BarPopup"));
    for (int i = 0; i < 4; ++i) {
        const auto kind = static_cast<EditorBandKind>(i);
        QAction* item = BarPopup->addAction(tr(EditorBandCaption(kind)));
        item->setCheckable(true);
        item->setChecked(true);
        connect(item, &QAction::triggered, this, [this, kind](bool shown) {
            syncLayoutFromBars();
            SetBandVisible(layout_, kind, shown);
            applyLayoutToBars();
        });
        bandItems_[static_cast<std::size_t>(i)] = item;
    }
    bars_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bars_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { BarPopup->popup(bars_->mapToGlobal(at)); });

    connect(EditorUndo, &TPanelButton::clicked, this, &TEditorForm::EditorUndoClick);
    connect(EditorApply, &TPanelButton::clicked, this, &TEditorForm::EditorApplyClick);
    connect(EditorReload, &TPanelButton::clicked, this, &TEditorForm::EditorReloadClick);
    connect(EditorCancel, &TPanelButton::clicked, this, &TEditorForm::EditorCancelClick);
    connect(EditorDone, &TPanelButton::clicked, this, &TEditorForm::EditorDoneClick);
    connect(StartFind, &TPanelButton::clicked, this, &TEditorForm::StartFindClick);
    connect(StartReplace, &TPanelButton::clicked, this, &TEditorForm::StartReplaceClick);
    connect(StartReplaceAll, &TPanelButton::clicked, this, &TEditorForm::StartReplaceAllClick);
    connect(FindText, &QLineEdit::returnPressed, this, &TEditorForm::StartFindClick);
    connect(FindText, &QLineEdit::textChanged, this, &TEditorForm::updateFindButtons);
    // A toggle: each click flips it.
    connect(EditorBookFont, &TPanelButton::clicked, this,
            [this] { EditorBookFontClick(!EditorBookFont->Down()); });
    connect(Schriftart, &QComboBox::textActivated, this, [this](const QString& name) {
        IniWriteSect(config_.file, sections::kEditor, "Font name", name.toStdString(), false);
        applyFont();
    });
    connect(Fontgroesse, &QComboBox::textActivated, this, [this](const QString& text) {
        bool ok = false;
        const int size = text.trimmed().toInt(&ok);
        if (!ok || size < 6 || size > 99)
            return;
        IniWriteSect(config_.file, sections::kEditor, "Font size", std::to_string(size), false);
        applyFont();
    });

    QTextDocument* document = OriginalText->document();
    connect(document, &QTextDocument::contentsChanged, this, [this] { plainValid_ = false; });
    connect(document, &QTextDocument::undoAvailable, this,
            [this](bool available) { EditorUndo->setEnabled(available); });
    connect(OriginalText, &QPlainTextEdit::selectionChanged, this,
            [this] { StartReplace->setEnabled(false); });
    EditorUndo->setEnabled(false);
    StartReplace->setEnabled(false);
    updateFindButtons();

    SetColourRole(*this, ColourRole::Window);
    readLayout();
    fillFontBoxes();
}

QToolBar* TEditorForm::makeBand(EditorBandKind kind, const char* name) {
    auto* bar = new QToolBar(tr(EditorBandCaption(kind)), bars_);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(true);
    bar->setFloatable(false);
    bar->setAllowedAreas(Qt::TopToolBarArea);
    bars_->addToolBar(Qt::TopToolBarArea, bar);
    bands_[static_cast<std::size_t>(kind)] = bar;
    return bar;
}

TPanelButton* TEditorForm::makeButton(QToolBar* bar, const char* name, const QString& text,
                                      const QList<QKeySequence>& keys) {
    // The keys are the window's (keyPressEvent), so they work while the band is hidden.
    auto* button = new TPanelButton(text, bar);
    button->setObjectName(QString::fromLatin1(name));
    button->useGrooveLook();
    if (!keys.isEmpty())
        button->setToolTip(text + QStringLiteral(" (") +
                           keys.first().toString(QKeySequence::NativeText) + QLatin1Char(')'));
    bar->addWidget(button);
    return button;
}

QPlainTextEdit* TEditorForm::textBox() const {
    return OriginalText;
}

void TEditorForm::openAt(int startLine) {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    loadText(false);
    placeCaret(startLine);
}

void TEditorForm::loadText(bool reload) {
    BusyCursor busy;
    setWindowTitle(QString::fromLatin1(kLoadingCaption));
    stack_->setCurrentWidget(OTPanel);
    OTPanel->repaint();
    if (reload || reloadNeeded_) {
        const QSignalBlocker quiet(OriginalText);
        OriginalText->setPlainText(QString::fromStdString(EditorTextFromBook(book_.WorkText)));
        reloadNeeded_ = false;
        plainValid_ = false;
    }
    OriginalText->document()->setModified(false);
    maxLength_ =
        EditorMaxLength(static_cast<std::size_t>(OriginalText->document()->characterCount() - 1));
    OriginalText->maxLength = maxLength_;
    StartReplace->setEnabled(false);
    stack_->setCurrentWidget(OriginalText);
    setWindowTitle(QString::fromLatin1(kEditorCaption));
}

void TEditorForm::placeCaret(int line) {
    // First to the end, then back: the start line comes into view at the top.
    QTextDocument* document = OriginalText->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    OriginalText->setTextCursor(cursor);
    QTextBlock block = line > 0 ? document->findBlockByNumber(line) : QTextBlock();
    if (!block.isValid())
        block = document->begin();
    cursor.setPosition(block.position());
    OriginalText->setTextCursor(cursor);
    OriginalText->ensureCursorVisible();
    OriginalText->setFocus();
}

const QString& TEditorForm::plainText() {
    if (!plainValid_) {
        plain_ = OriginalText->document()->toRawText();
        plain_.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        plainValid_ = true;
    }
    return plain_;
}

std::string TEditorForm::editedBookText() const {
    return BookTextFromEditor(OriginalText->document()->toRawText().toStdString());
}

bool TEditorForm::differsFrom(const std::string& bookText) const {
    return editedBookText() != bookText;
}

void TEditorForm::EditorDoneClick() {
    const std::optional<std::string> question =
        EditorDoneQuestion(differsFrom(book_.RawText), config_.state.book.removeLineBreaks);
    if (question && !dialogs_.askYesNo(*question))
        return;
    closeWindow();
    applyEdits();
}

void TEditorForm::EditorApplyClick() {
    const std::optional<std::string> question =
        EditorApplyQuestion(differsFrom(book_.RawText), config_.state.book.removeLineBreaks);
    if (question && !dialogs_.askYesNo(*question))
        return;
    applyEdits();
    // The reader's text is now this text: closing later asks again only
    // about what is typed after this.
    reloadNeeded_ = false;
}

void TEditorForm::applyEdits() {
    std::string text = editedBookText();
    if (applyText)
        applyText(std::move(text));
}

void TEditorForm::EditorReloadClick() {
    const std::optional<std::string> question = EditorReloadQuestion(differsFrom(book_.WorkText));
    if (question && !dialogs_.askYesNo(*question))
        return;
    const int line = OriginalText->textCursor().blockNumber();
    {
        BusyCursor busy;
        setWindowTitle(QString::fromLatin1(kReloadingCaption));
        OriginalText->setPlainText(QString::fromStdString(EditorTextFromBook(book_.WorkText)));
        OriginalText->document()->setModified(false);
        reloadNeeded_ = false;
        setWindowTitle(QString::fromLatin1(kEditorCaption));
    }
    placeCaret(line);
}

void TEditorForm::EditorCancelClick() {
    if (mayClose())
        closeWindow();
}

void TEditorForm::reject() {
    EditorCancelClick();
}

bool TEditorForm::mayClose() {
    const std::optional<std::string> question = EditorCloseQuestion(
        reloadNeeded_, OriginalText->document()->isModified(), differsFrom(book_.WorkText));
    if (!question)
        return true;
    if (!dialogs_.askYesNo(*question))
        return false;
    reloadNeeded_ = true;
    return true;
}

void TEditorForm::closeWindow() {
    writeLayoutAndBounds();
    done(QDialog::Accepted);
}

void TEditorForm::closeEvent(QCloseEvent* event) {
    // The window's close button: the same question as Cancel.
    if (!mayClose()) {
        event->ignore();
        return;
    }
    writeLayoutAndBounds();
    event->accept();
}

void TEditorForm::EditorUndoClick() {
    if (!OriginalText->document()->isUndoAvailable())
        return;
    OriginalText->setUpdatesEnabled(false);
    OriginalText->undo();
    QTextCursor cursor = OriginalText->textCursor();
    cursor.clearSelection();
    OriginalText->setTextCursor(cursor);
    OriginalText->setUpdatesEnabled(true);
}

void TEditorForm::updateFindButtons() {
    const bool any = !IsBlankText(view(FindText->text()));
    StartFind->setEnabled(any);
    StartReplaceAll->setEnabled(any);
}

void TEditorForm::StartFindClick() {
    findNext(true);
}

bool TEditorForm::findNext(bool ask) {
    const QString typed = FindText->text();
    if (IsBlankText(view(typed)))
        return false;
    const std::u16string what = ExpandLineBreaks(view(typed));
    const EditorFindOptions options{FindWord->isChecked(), FindCase->isChecked()};
    std::size_t from = static_cast<std::size_t>(OriginalText->textCursor().selectionEnd());
    bool restarted = false;
    for (;;) {
        const std::optional<EditorHit> hit =
            FindInEditorText(view(plainText()), what, from, options);
        if (hit) {
            QTextCursor cursor(OriginalText->document());
            cursor.setPosition(static_cast<int>(hit->start));
            cursor.setPosition(static_cast<int>(hit->start + hit->length), QTextCursor::KeepAnchor);
            OriginalText->setTextCursor(cursor);
            StartReplace->setEnabled(true);
            OriginalText->setFocus();
            return true;
        }
        // Asked once: a search from the beginning that finds nothing ends here.
        if (!ask || restarted || !dialogs_.askYesNo(kNotFound))
            break;
        restarted = true;
        from = 0;
        OriginalText->moveCursor(QTextCursor::Start);
    }
    OriginalText->setFocus();
    return false;
}

void TEditorForm::StartReplaceClick() {
    QTextCursor cursor = OriginalText->textCursor();
    if (!cursor.hasSelection())
        return;
    const QString replacement = toQString(ExpandLineBreaks(view(ReplaceText->text())));
    const std::size_t length = static_cast<std::size_t>(
        plainText().size() - (cursor.selectionEnd() - cursor.selectionStart()) +
        replacement.size());
    if (length > maxLength_) {
        dialogs_.warning(tooLongMessage(maxLength_));
        return;
    }
    cursor.insertText(replacement);
    OriginalText->setTextCursor(cursor);
    findNext(true);
}

void TEditorForm::StartReplaceAllClick() {
    const QString typed = FindText->text();
    if (IsBlankText(view(typed)))
        return;
    ReplaceAllResult result;
    {
        BusyCursor busy;
        OriginalText->setUpdatesEnabled(false);
        stack_->setCurrentWidget(OTPanel);
        result = ReplaceAllInEditorText(
            view(plainText()), ExpandLineBreaks(view(typed)),
            ExpandLineBreaks(view(ReplaceText->text())),
            {FindWord->isChecked(), FindCase->isChecked()}, maxLength_, [this](int percent) {
                OTPanel->setText(QString::number(percent) + QStringLiteral("% done"));
                OTPanel->repaint();
            });
        if (result.count > 0 && !result.tooLong) {
            // One edit: a single Undo brings back the text from before.
            const int caret = OriginalText->textCursor().position();
            const QSignalBlocker quiet(OriginalText);
            QTextCursor cursor(OriginalText->document());
            cursor.beginEditBlock();
            cursor.select(QTextCursor::Document);
            cursor.insertText(toQString(result.text));
            cursor.endEditBlock();
            cursor.setPosition(std::min(caret, OriginalText->document()->characterCount() - 1));
            OriginalText->setTextCursor(cursor);
        }
        OTPanel->setText(QString::fromLatin1(kPleaseWait));
        stack_->setCurrentWidget(OriginalText);
        OriginalText->setUpdatesEnabled(true);
    }
    StartReplace->setEnabled(false);
    OriginalText->setFocus();
    if (result.tooLong)
        dialogs_.warning(tooLongMessage(maxLength_));
}

void TEditorForm::EditorBookFontClick(bool on) {
    config_.settings.SetBool(Setting::UseFontInEditor, on);
    applyFont();
}

void TEditorForm::fillFontBoxes() {
    const QSignalBlocker quiet(Schriftart);
    Schriftart->clear();
    Schriftart->addItems(QFontDatabase::families());
    applyFont();
}

void TEditorForm::applyFont() {
    const bool useBookFont = config_.settings.Bool(Setting::UseFontInEditor);
    EditorBookFont->setDown(useBookFont);
    Schriftart->setEnabled(!useBookFont);
    Fontgroesse->setEnabled(!useBookFont);
    // By default a fixed-pitch font, named as the font list names it.
    const QString fixed = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    const QString name = QString::fromStdString(
        config_.file.ReadString(sections::kEditor, "Font name", fixed.toStdString()));
    const int size = std::clamp(
        config_.file.ReadInteger(sections::kEditor, "Font size", kDefaultFontSize), 6, 99);
    {
        const QSignalBlocker quietName(Schriftart);
        const QSignalBlocker quietSize(Fontgroesse);
        Schriftart->setCurrentIndex(Schriftart->findText(name));
        Fontgroesse->setCurrentText(QString::number(size));
    }
    OriginalText->setFont(useBookFont && bookFont ? bookFont() : QFont(name, size));
    SetColourRole(*OriginalText, useBookFont ? ColourRole::BookText : ColourRole::List);
    ApplyColourScheme(*this);
}

void TEditorForm::keyPressEvent(QKeyEvent* event) {
    // Keys the focused control leaves over come here.
    const bool ctrl = event->modifiers() == Qt::ControlModifier;
    const bool plain = event->modifiers() == Qt::NoModifier;
    TPanelButton* command = nullptr;
    switch (event->key()) {
    case Qt::Key_Z:
        command = ctrl ? EditorUndo : nullptr;
        break;
    case Qt::Key_S:
        command = ctrl ? EditorApply : nullptr;
        break;
    case Qt::Key_F5:
        command = plain ? EditorReload : nullptr;
        break;
    case Qt::Key_Escape:
        command = plain ? EditorCancel : nullptr;
        break;
    case Qt::Key_E:
        command = ctrl ? EditorDone : nullptr;
        break;
    case Qt::Key_F3:
        command = plain ? StartFind : nullptr;
        break;
    case Qt::Key_F:
        command = ctrl ? StartFind : nullptr;
        break;
    case Qt::Key_R:
        command = ctrl ? StartReplace : nullptr;
        break;
    default:
        break;
    }
    if (command == nullptr) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    command->click(); // does nothing while the command is disabled
}

void TEditorForm::showEvent(QShowEvent* event) {
    restoreBounds();
    readLayout();
    applyFont();
    QDialog::showEvent(event);
}

void TEditorForm::readLayout() {
    layout_ = ParseEditorLayout(config_.file.ReadString(sections::kEditor, "Layout", ""));
    applyLayoutToBars();
}

void TEditorForm::applyLayoutToBars() {
    for (QToolBar* bar : bands_) {
        if (bars_->toolBarBreak(bar))
            bars_->removeToolBarBreak(bar);
        bars_->removeToolBar(bar);
    }
    bool first = true;
    for (const EditorBand& band : layout_) {
        QToolBar* bar = bands_[static_cast<std::size_t>(band.kind)];
        if (!first && band.breakBefore)
            bars_->addToolBarBreak(Qt::TopToolBarArea);
        bars_->addToolBar(Qt::TopToolBarArea, bar);
        bar->setVisible(band.visible);
        bandItems_[static_cast<std::size_t>(band.kind)]->setChecked(band.visible);
        first = false;
    }
}

void TEditorForm::syncLayoutFromBars() {
    if (!bars_->isVisible())
        return;
    // The shown bands as they stand now, row by row; hidden ones keep their place.
    std::vector<QToolBar*> shown;
    for (QToolBar* bar : bands_)
        if (!bar->isHidden())
            shown.push_back(bar);
    std::sort(shown.begin(), shown.end(), [](const QToolBar* a, const QToolBar* b) {
        const QRect ra = a->geometry(), rb = b->geometry();
        return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
    });
    std::size_t next = 0;
    for (std::size_t i = 0; i < layout_.size(); ++i) {
        if (!layout_[i].visible || next >= shown.size())
            continue;
        QToolBar* bar = shown[next++];
        const auto at = std::find(bands_.begin(), bands_.end(), bar);
        EditorBand& band = layout_[i];
        band.kind = static_cast<EditorBandKind>(at - bands_.begin());
        band.breakBefore = next == 1 || bars_->toolBarBreak(bar) ||
                           bar->geometry().top() != shown[next - 2]->geometry().top();
        band.width = bar->width();
    }
}

void TEditorForm::writeLayoutAndBounds() {
    syncLayoutFromBars();
    ConfigFile& file = config_.file;
    if (const std::optional<std::string> text = FormatEditorLayout(layout_))
        file.WriteString(sections::kEditor, "Layout", *text);
    else
        dialogs_.error(kEditorLayoutError);
    if (isMaximized()) {
        file.WriteString(sections::kEditor, "Maximized", "Yes");
    } else {
        file.WriteString(sections::kEditor, "Maximized", "No");
        file.WriteInteger(sections::kEditor, "Left", x());
        file.WriteInteger(sections::kEditor, "Top", y());
        file.WriteInteger(sections::kEditor, "Width", width());
        file.WriteInteger(sections::kEditor, "Height", height());
    }
    file.UpdateFile();
}

void TEditorForm::restoreBounds() {
    const ConfigFile& file = config_.file;
    const QSize screenSize = screen() ? screen()->size() : QSize(1024, 768);
    if (file.ReadString(sections::kEditor, "Maximized", "No") == "Yes") {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    setWindowState(windowState() & ~Qt::WindowMaximized);
    int w = file.ReadInteger(sections::kEditor, "Width", width());
    int h = file.ReadInteger(sections::kEditor, "Height", height());
    // A window larger than the screen shrinks to fit it.
    if (w > screenSize.width() + 8)
        w = screenSize.width() - 50;
    if (h > screenSize.height() + 8)
        h = screenSize.height() - 30;
    resize(std::max(w, 300), std::max(h, 200));
    const int left =
        file.ReadInteger(sections::kEditor, "Left", (screenSize.width() - width()) / 2);
    const int top =
        file.ReadInteger(sections::kEditor, "Top", (screenSize.height() - height()) / 2);
    move(left, top);
}

} // namespace qw
