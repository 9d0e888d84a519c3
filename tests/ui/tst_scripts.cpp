// Books in other scripts: Russian, Greek, Polish and Chinese texts open in
// UTF-8, UTF-16 with its mark and, through the encoding chosen on the "File
// specific" page, in their old code pages, with the same pages each time;
// HTML and RTF references show their letters; a Russian book saved and
// opened again keeps every letter.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/TForm1.h"
#include "settings/ui/MenuPanel.h"
#include "temp_dir.h"
#include "test_books.h"

#include <QComboBox>
#include <QtTest>

#include <iconv.h>

#include <string>

namespace {

// A chapter heading and `lines` paragraphs of one sentence, CR LF.
std::string Book(const char* heading, const char* sentence, int lines) {
    std::string text = std::string(heading) + "\r\n";
    for (int i = 0; i < lines; ++i)
        text += "\r\n" + std::string(sentence) + "\r\n";
    return text;
}

const std::string kRussian = Book("\u0413\u043b\u0430\u0432\u0430 1",
                                  "\u0412\u0441\u0435 \u0441\u0447\u0430\u0441\u0442\u043b\u0438"
                                  "\u0432\u044b\u0435 \u0441\u0435\u043c\u044c\u0438 \u043f\u043e"
                                  "\u0445\u043e\u0436\u0438 \u0434\u0440\u0443\u0433 \u043d\u0430 "
                                  "\u0434\u0440\u0443\u0433\u0430, \u0451\u0436\u0438\u043a.",
                                  60);
const std::string kGreek = Book("\u039a\u03b5\u03c6\u03ac\u03bb\u03b1\u03b9\u03bf 1",
                                "\u0397 \u03b8\u03ac\u03bb\u03b1\u03c3\u03c3\u03b1 \u03ae\u03c4"
                                "\u03b1\u03bd \u03ae\u03c1\u03b5\u03bc\u03b7 \u03ba\u03b1\u03b9 "
                                "\u03bf \u03bf\u03c5\u03c1\u03b1\u03bd\u03cc\u03c2 \u03ba\u03b1"
                                "\u03b8\u03b1\u03c1\u03cc\u03c2.",
                                60);
const std::string kPolish = Book("Rozdzia\u0142 1",
                                 "Za\u017c\u00f3\u0142\u0107 g\u0119\u015bl\u0105 ja\u017a\u0144, "
                                 "pan Tadeusz \u0142owi\u0142 ryby w \u0141odzi.",
                                 60);
const std::string kChinese = Book("\u7b2c\u4e00\u7ae0",
                                  "\u4eca\u5929\u5929\u6c14\u5f88\u597d\uff0c\u6211\u4eec\u53bb"
                                  "\u516c\u56ed\u6563\u6b65\uff0c\u7136\u540e\u56de\u5bb6\u8bfb"
                                  "\u4e66\u3002",
                                  80);

// The UTF-8 text in another encoding, by the C library.
QByteArray Encode(const std::string& utf8, const char* encoding) {
    iconv_t cd = iconv_open(encoding, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string out(utf8.size() * 4 + 8, '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* to = out.data();
    size_t outLeft = out.size();
    const size_t done = iconv(cd, &in, &inLeft, &to, &outLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1))
        return {};
    return QByteArray(out.data(), static_cast<qsizetype>(out.size() - outLeft));
}

QByteArray Utf16WithMark(const std::string& utf8) {
    return QByteArray("\xff\xfe", 2) + Encode(utf8, "UTF-16LE");
}

} // namespace

class ScriptsTest : public QObject {
    Q_OBJECT

  private:
    qw::test::ConfigFolder config_;

    // Every shown line of every page, turning through the book.
    static QStringList allPageLines(qw::TForm1& form) {
        QStringList lines;
        for (int page = 1; page <= form.book().Pages.PageCount; page += 2) {
            form.pageArea()->goToPage(page);
            for (const qw::PageView* view :
                 {form.pageArea()->leftPage(), form.pageArea()->rightPage()})
                lines += view->pageText().split(QLatin1Char('\n'));
        }
        return lines;
    }

    // Chooses an encoding from the "File specific" page's list.
    static void chooseEncoding(qw::TForm1& form, const QString& name) {
        form.ShowOptions(6);
        auto* box = form.menuPanel()->findChild<QComboBox*>(QStringLiteral("Encoding"));
        QVERIFY(box != nullptr);
        const int index = box->findText(name);
        QVERIFY2(index >= 0, qPrintable(name));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void opensEveryScriptInEveryEncoding_data() {
        QTest::addColumn<QString>("text");     // UTF-8
        QTest::addColumn<QByteArray>("bytes"); // the file
        QTest::addColumn<QString>("encoding"); // the one chosen after opening, or empty
        const auto utf8 = [](const std::string& s) { return QString::fromStdString(s); };
        const auto raw = [](const std::string& s) { return QByteArray::fromStdString(s); };
        QTest::newRow("Russian UTF-8") << utf8(kRussian) << raw(kRussian) << QString();
        QTest::newRow("Russian UTF-16") << utf8(kRussian) << Utf16WithMark(kRussian) << QString();
        QTest::newRow("Russian Windows-1251")
            << utf8(kRussian) << Encode(kRussian, "WINDOWS-1251") << QStringLiteral("Windows-1251");
        QTest::newRow("Russian KOI8-R")
            << utf8(kRussian) << Encode(kRussian, "KOI8-R") << QStringLiteral("KOI8-R");
        QTest::newRow("Greek UTF-8") << utf8(kGreek) << raw(kGreek) << QString();
        QTest::newRow("Greek UTF-16") << utf8(kGreek) << Utf16WithMark(kGreek) << QString();
        QTest::newRow("Greek ISO-8859-7")
            << utf8(kGreek) << Encode(kGreek, "ISO-8859-7") << QStringLiteral("ISO-8859-7");
        QTest::newRow("Polish UTF-8") << utf8(kPolish) << raw(kPolish) << QString();
        QTest::newRow("Polish Windows-1250")
            << utf8(kPolish) << Encode(kPolish, "WINDOWS-1250") << QStringLiteral("Windows-1250");
        QTest::newRow("Chinese UTF-8") << utf8(kChinese) << raw(kChinese) << QString();
        QTest::newRow("Chinese UTF-16") << utf8(kChinese) << Utf16WithMark(kChinese) << QString();
        QTest::newRow("Chinese GB18030")
            << utf8(kChinese) << Encode(kChinese, "GB18030") << QStringLiteral("GB18030");
    }

    void opensEveryScriptInEveryEncoding() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoding);
        QVERIFY(!bytes.isEmpty());
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.resize(1280, 800);
        form.show();

        // The same text in UTF-8 gives the pages every encoding must give.
        const QString reference =
            qw::test::WriteTestFile(config_.path(), QStringLiteral("utf8.txt"), text.toUtf8());
        QVERIFY(form.loader().loadFile(reference.toStdString(), "", 1, 1));
        const QStringList expectedLines = allPageLines(form);
        const int expectedPages = form.book().Pages.PageCount;
        QVERIFY(expectedPages > 2);

        const QString path =
            qw::test::WriteTestFile(config_.path(), QStringLiteral("book.txt"), bytes);
        QVERIFY(form.loader().loadFile(path.toStdString(), "", 1, 1));
        if (!encoding.isEmpty()) {
            // Read as Windows-1252 first; the chosen encoding reads it again.
            QVERIFY(form.book().RawText != text.toStdString());
            chooseEncoding(form, encoding);
        }
        QCOMPARE(QString::fromStdString(form.book().RawText), text.trimmed());
        QCOMPARE(form.book().Pages.PageCount, expectedPages);
        QCOMPARE(allPageLines(form), expectedLines);
        QVERIFY(dialogs.shown.empty());

        if (!encoding.isEmpty()) {
            // The record keeps the choice: the book opens in it next time.
            qw::TForm1 again(dialogs);
            QVERIFY(again.loader().loadFile(path.toStdString(), "", 1, 1));
            QCOMPARE(QString::fromStdString(again.book().RawText), text.trimmed());
        }
    }

    void referencesShowTheirLetters() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.show();
        for (const auto& [name, content] :
             {std::pair{QStringLiteral("a.html"), QByteArray("<p>&#1055;&#1088;")},
              std::pair{QStringLiteral("a.rtf"), QByteArray("{\\rtf1 \\u1055?\\u1088?}")}}) {
            const QString path = qw::test::WriteTestFile(config_.path(), name, content);
            QVERIFY(form.loader().loadFile(path.toStdString(), "", 1, 1));
            QCOMPARE(form.pageArea()->rightPage()->pageText(), QStringLiteral("\u041f\u0440"));
        }
    }

    void savedRussianBookKeepsEveryLetter() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        const QString path = qw::test::WriteTestFile(config_.path(), QStringLiteral("ru.txt"),
                                                     Encode(kRussian, "KOI8-R"));
        QVERIFY(form.loader().loadFile(path.toStdString(), "", 1, 1));
        chooseEncoding(form, QStringLiteral("KOI8-R"));
        const std::string loaded = form.book().RawText;
        QCOMPARE(QString::fromStdString(loaded), QString::fromStdString(kRussian).trimmed());

        const std::string target = config_.filePath(QStringLiteral("copy.txt")).toStdString();
        dialogs.saveChoices.push_back(qw::SaveFileChoice{target, 2});
        dialogs.answers.push_back(false); // keep the line breaks
        form.SpeichernClick();
        QCOMPARE(qw::test::Slurp(target), loaded); // written as UTF-8
        QVERIFY(form.loader().openKnownFile(target, ""));
        QCOMPARE(form.book().RawText, loaded);
    }
};

QTEST_MAIN(ScriptsTest)
#include "tst_scripts.moc"
