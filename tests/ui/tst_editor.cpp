// The editor window driven by keys and clicks: it opens at the line of the
// selection, Done with line-break removal on asks and switches removal off
// for the book, keeping the reading position; "\n" in find and replace;
// Replace all undone by one Undo; Cancel, Reload and Apply with their
// questions; a new "Unnamed.txt" without a book; the bands and bounds kept
// in "Editor"; and the time to open a 10 MB book.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "reader/ui/EditorPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/TEditorForm.h"
#include "reader/ui/TForm1.h"
#include "settings/configuration.h"
#include "show_window.h"
#include "test_books.h"

#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {

const std::string kDoneWithRemoval = "Close the editor and apply the text modifications?\r\n"
                                     "(Single line breaks will be permanently removed)";

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

  private:
    qw::test::ConfigFolder config_;

    std::unique_ptr<qw::TForm1> open(qw::ScriptedDialogs& dialogs, const QByteArray& text) {
        auto form = std::make_unique<qw::TForm1>(dialogs);
        if (!qw::test::ShowNormalAt(*form, QSize(1100, 700)))
            return nullptr;
        if (!text.isEmpty())
            form->startupOpen(
                {QStringLiteral("quirewell"),
                 qw::test::WriteTestFile(config_.path(), QStringLiteral("book.txt"), text)});
        return form;
    }
    // Ctrl+E in the reader; the editor window.
    static qw::TEditorForm* edit(qw::TForm1& form) {
        QTest::keyClick(&form, Qt::Key_E, Qt::ControlModifier);
        qw::TEditorForm* editor = form.editorPart()->editor();
        return editor != nullptr && editor->isVisible() ? editor : nullptr;
    }
    template <typename T> static T* control(qw::TEditorForm* editor, const char* name) {
        return editor->findChild<T*>(QString::fromLatin1(name));
    }
    static void click(qw::TEditorForm* editor, const char* name) {
        QTest::mouseClick(control<qw::TPanelButton>(editor, name), Qt::LeftButton);
    }
    static QString text(qw::TEditorForm* editor) { return editor->textBox()->toPlainText(); }
    static void typeAtStart(qw::TEditorForm* editor, const QString& typed) {
        QPlainTextEdit* box = editor->textBox();
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(box, typed);
    }
    static void shot(qw::TEditorForm* editor, const char* name) {
        const QByteArray folder = qgetenv("QW_SHOT_DIR");
        if (!folder.isEmpty())
            editor->grab().save(QString::fromUtf8(folder) + QLatin1Char('/') +
                                QString::fromLatin1(name) + QStringLiteral(".png"));
    }

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void opensAtTheSelectionAndDoneSwitchesRemovalOff() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, qw::test::HardWrappedBook(300));
        QVERIFY(form);
        QVERIFY(form->configuration().state.book.removeLineBreaks);
        qw::PageArea* pages = form->pageArea();
        pages->goToPage(5);
        // A selection in the second line of the right page: the editor opens
        // at the paragraph that line belongs to, at the top of its view.
        qw::PageView* right = pages->rightPage();
        const QString line = right->pageText().split(QLatin1Char('\n')).at(1);
        const int at = right->pageText().indexOf(line);
        right->setSelection(at + 2, at + 6);
        pages->setActivePage(right);
        const QString paragraph = line.split(QLatin1Char(' ')).at(0);

        qw::TEditorForm* editor = edit(*form);
        QVERIFY(editor);
        shot(editor, "editor");
        QTextCursor caret = editor->textBox()->textCursor();
        QVERIFY(caret.block().text().contains(line));
        QVERIFY(caret.block().text().startsWith(paragraph));
        QCOMPARE(caret.positionInBlock(), 0);
        QVERIFY(editor->textBox()->cursorRect().top() < editor->textBox()->fontMetrics().height());

        // Done without typing still asks, the removal having changed the text;
        // No keeps the editor open.
        const int leftPage = form->book().Pages.LeftPage;
        QTest::keyClick(editor->textBox(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(dialogs.messages(), std::vector<std::string>{kDoneWithRemoval});
        QVERIFY(editor->isVisible());
        dialogs.answers = {true};
        click(editor, "EditorDone");
        QVERIFY(!editor->isVisible());
        QVERIFY(form->book().TextEdited);
        QVERIFY(!form->configuration().state.book.removeLineBreaks);
        const std::string record = (config_.path() + QStringLiteral("/book.txt")).toStdString();
        QCOMPARE(form->configuration().file.ReadString(record, "Remove line breaks", ""),
                 std::string("No"));
        // The joined text stays joined and the reader stays where it was.
        QCOMPARE(form->book().RawText, form->book().WorkText);
        QVERIFY(form->book().RawText.find("word7 word7\r\n") == std::string::npos);
        QCOMPARE(form->book().Pages.LeftPage, leftPage);

        // Closing the reader asks about the unsaved text.
        dialogs.clear();
        QVERIFY(!form->close());
        QCOMPARE(dialogs.messages(),
                 std::vector<std::string>{"Edited text has not been saved!\rExit program?"});
    }

    void findAndReplaceWithLineBreaksAndOneUndo() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, qw::test::Novel(2, 2));
        QVERIFY(form);
        qw::TEditorForm* editor = edit(*form);
        QVERIFY(editor);
        auto* find = control<QLineEdit>(editor, "FindText");
        auto* replace = control<QLineEdit>(editor, "ReplaceText");
        auto* replaceButton = control<qw::TPanelButton>(editor, "StartReplace");
        QVERIFY(!replaceButton->isEnabled());
        QVERIFY(!control<qw::TPanelButton>(editor, "StartFind")->isEnabled());

        // "\n" finds across lines and puts line breaks in the replacement.
        find->setText(QStringLiteral("here.\\n\\n\\n\\n\\nchapter ii"));
        QTest::keyClick(find, Qt::Key_F3);
        QCOMPARE(editor->textBox()->textCursor().selectedText(),
                 QStringLiteral("here.\u2029\u2029\u2029\u2029\u2029CHAPTER II"));
        QVERIFY(replaceButton->isEnabled());
        replace->setText(QStringLiteral("here.\\n* * *\\nChapter Two"));
        QTest::keyClick(editor->textBox(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(text(editor).contains(QStringLiteral("here.\n* * *\nChapter Two\n")));
        QVERIFY(!text(editor).contains(QStringLiteral("CHAPTER II")));
        QCOMPARE(dialogs.messages(),
                 std::vector<std::string>{"Text not found.\rStart again from the beginning?"});
        QTest::keyClick(editor->textBox(), Qt::Key_Right);
        QVERIFY(!replaceButton->isEnabled());

        // Replace all, whole words, any case; one Undo brings the text back.
        const QString before = text(editor);
        const qsizetype words = before.count(QRegularExpression(
            QStringLiteral("\\bchapter\\b"), QRegularExpression::CaseInsensitiveOption));
        QVERIFY(words > 10);
        QTest::keyClick(editor->textBox(), Qt::Key_Home, Qt::ControlModifier);
        control<QCheckBox>(editor, "FindWord")->setChecked(true);
        find->setText(QStringLiteral("CHAPTER"));
        replace->setText(QStringLiteral("Part"));
        click(editor, "StartReplaceAll");
        QCOMPARE(text(editor).count(QStringLiteral("Part")), words);
        QVERIFY(!text(editor).contains(QStringLiteral("chapter"), Qt::CaseInsensitive));
        click(editor, "EditorUndo");
        QCOMPARE(text(editor), before);
        click(editor, "EditorUndo"); // and the single Replace
        QVERIFY(text(editor).contains(QStringLiteral("CHAPTER II")));
        QVERIFY(!control<qw::TPanelButton>(editor, "EditorUndo")->isEnabled());
        editor->EditorUndoClick(); // nothing left to undo
        QVERIFY(text(editor).contains(QStringLiteral("CHAPTER II")));

        // An empty replacement deletes; a growth past the limit changes nothing.
        find->setText(QStringLiteral("and on"));
        replace->clear();
        click(editor, "StartReplaceAll");
        QVERIFY(!text(editor).contains(QStringLiteral("and on")));
        const QString small = text(editor);
        find->setText(QStringLiteral("e"));
        control<QCheckBox>(editor, "FindWord")->setChecked(false);
        replace->setText(QString(20000, QLatin1Char('x')));
        dialogs.clear();
        click(editor, "StartReplaceAll");
        QCOMPARE(text(editor), small);
        QCOMPARE(dialogs.shown.size(), size_t(1));
        QCOMPARE(dialogs.shown[0].kind, qw::ScriptedDialogs::Kind::Warning);

        // Ctrl+V pastes the plain text only, and nothing past the limit.
        auto* data = new QMimeData;
        data->setHtml(QStringLiteral("<b>Bold</b> words"));
        data->setText(QStringLiteral("Plain words"));
        QApplication::clipboard()->setMimeData(data);
        QTest::keyClick(editor->textBox(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(editor->textBox(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(text(editor).startsWith(QStringLiteral("Plain wordsTHE TEST NOVEL")));
        QApplication::clipboard()->setText(QString(1000000, QLatin1Char('y')));
        QTest::keyClick(editor->textBox(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(text(editor).startsWith(QStringLiteral("Plain wordsTHE TEST NOVEL")));
        QCOMPARE(dialogs.shown.size(), size_t(2));
    }

    void cancelReloadAndApplyAskFirst() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, qw::test::Novel(2, 2));
        QVERIFY(form);
        form->configuration().state.book.removeLineBreaks = false;
        form->AnpassenClick();
        const QString reader =
            QString::fromStdString(form->book().WorkText).remove(QLatin1Char('\r'));

        // Cancel: No keeps the window, Yes discards; reopening shows the reader's text.
        qw::TEditorForm* editor = edit(*form);
        QVERIFY(editor);
        QCOMPARE(text(editor), reader);
        typeAtStart(editor, QStringLiteral("X"));
        QTest::keyClick(editor->textBox(), Qt::Key_Escape);
        QVERIFY(editor->isVisible());
        dialogs.answers = {true};
        QTest::keyClick(editor->textBox(), Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QCOMPARE(dialogs.messages(),
                 std::vector<std::string>(2, "Close editor and discard changes?"));
        editor = edit(*form);
        QCOMPARE(text(editor), reader);

        // Reload asks, then shows the reader's text again.
        dialogs.clear();
        typeAtStart(editor, QStringLiteral("Y"));
        QTest::keyClick(editor->textBox(), Qt::Key_F5);
        QCOMPARE(text(editor).at(0), QLatin1Char('Y'));
        dialogs.answers = {true};
        click(editor, "EditorReload");
        QCOMPARE(text(editor), reader);
        QCOMPARE(dialogs.messages(),
                 std::vector<std::string>(2, "Reload text and discard changes?"));

        // Apply asks, hands the text over and keeps the window open; closing
        // after it asks nothing, and the next opening shows the applied text.
        dialogs.clear();
        typeAtStart(editor, QStringLiteral("Z"));
        dialogs.answers = {true};
        QTest::keyClick(editor->textBox(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs.messages(), std::vector<std::string>{"Apply text modifications?"});
        QVERIFY(editor->isVisible());
        QCOMPARE(form->book().WorkText.substr(0, 5), std::string("ZTHE "));
        QVERIFY(form->book().TextEdited);
        click(editor, "EditorCancel");
        QVERIFY(!editor->isVisible());
        QCOMPARE(dialogs.shown.size(), size_t(1));
        editor = edit(*form);
        QVERIFY(text(editor).startsWith(QStringLiteral("ZTHE ")));
        // Done with nothing changed applies without a question.
        click(editor, "EditorDone");
        QVERIFY(!editor->isVisible());
        QCOMPARE(dialogs.shown.size(), size_t(1));
    }

    void withoutABookTheTextBecomesUnnamed() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, QByteArray());
        QVERIFY(form);
        form->configuration().settings.SetText(qw::Setting::InitialDir,
                                               config_.path().toStdString());
        // Done with nothing typed makes no book.
        qw::TEditorForm* editor = edit(*form);
        QVERIFY(editor);
        QVERIFY(text(editor).isEmpty());
        click(editor, "EditorDone");
        QVERIFY(!editor->isVisible());
        QVERIFY(!form->book().isOpen());
        editor = edit(*form);
        QTest::keyClicks(editor->textBox(), QStringLiteral("A new text."));
        QTest::keyClick(editor->textBox(), Qt::Key_Return);
        dialogs.answers = {true};
        click(editor, "EditorDone");
        QCOMPARE(dialogs.shown.size(), size_t(1));
        QCOMPARE(form->book().FileName,
                 (config_.path() + QStringLiteral("/Unnamed.txt")).toStdString());
        QCOMPARE(form->book().RawText, std::string("A new text.\r\n"));
        QVERIFY(form->book().Pages.PageCount >= 1);
        QVERIFY(form->windowTitle().contains(QStringLiteral("Unnamed.txt")));
    }

    void bandsFontAndBoundsAreKept() {
        qw::ScriptedDialogs dialogs;
        {
            auto form = open(dialogs, qw::test::Novel(1, 1));
            QVERIFY(form);
            qw::TEditorForm* editor = edit(*form);
            QVERIFY(editor);
            // "BarPopup" hides the actions band; its keys still work.
            QMenu* popup = editor->barPopup();
            QCOMPARE(popup->actions().size(), 4);
            QCOMPARE(popup->actions().at(1)->text(), QStringLiteral("Actions"));
            popup->actions().at(1)->trigger();
            QVERIFY(editor->band(qw::EditorBandKind::Actions)->isHidden());
            QTest::mouseClick(control<qw::TPanelButton>(editor, "EditorBookFont"), Qt::LeftButton);
            QCOMPARE(editor->textBox()->font().family(), form->pageArea()->pageFont().family());
            QVERIFY(!control<QWidget>(editor, "Schriftart")->isEnabled());
            editor->resize(700, 500);
            QTest::keyClick(editor->textBox(), Qt::Key_Escape);
            QVERIFY(!editor->isVisible());
            const qw::ConfigFile& file = form->configuration().file;
            const std::string layout = file.ReadString("Editor", "Layout", "");
            QCOMPARE(layout.size(), size_t(32));
            QVERIFY(layout.find("A--") != std::string::npos);
            QCOMPARE(file.ReadString("Editor", "Width", ""), std::string("700"));
            QCOMPARE(file.ReadString("Editor", "Maximized", ""), std::string("No"));
            QCOMPARE(file.ReadString("Options", "Use font in editor", ""), std::string("Yes"));
        }
        auto form = open(dialogs, qw::test::Novel(1, 1));
        qw::TEditorForm* editor = edit(*form);
        QVERIFY(editor);
        QVERIFY(editor->band(qw::EditorBandKind::Actions)->isHidden());
        QVERIFY(!editor->barPopup()->actions().at(1)->isChecked());
        QCOMPARE(editor->width(), 700);
        QVERIFY(control<qw::TPanelButton>(editor, "EditorBookFont")->Down());
    }

    void opensATenMegabyteBookQuickly() {
        QByteArray book;
        const QByteArray novel = qw::test::HardWrappedBook(400);
        while (book.size() < 10 * 1024 * 1024)
            book += novel;
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, book);
        QVERIFY(form);
        form->pageArea()->goToPage(form->book().Pages.PageCount / 2);
        QElapsedTimer clock;
        clock.start();
        qw::TEditorForm* editor = edit(*form);
        QVERIFY(editor);
        QCoreApplication::processEvents(); // the first paint
        const qint64 ms = clock.elapsed();
        qInfo("The editor showed a %lld byte book in %lld ms", qint64(book.size()), ms);
        QVERIFY(editor->textBox()->document()->blockCount() > 40000);
        QVERIFY(editor->textBox()->textCursor().blockNumber() > 20000);
        dialogs.answers = {true};
        QTest::keyClick(editor->textBox(), Qt::Key_Escape);
    }
};

QTEST_MAIN(EditorTest)
#include "tst_editor.moc"
