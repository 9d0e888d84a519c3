// The reader window opens a file named on the command line and shows it.

#include "controls/scripted_dialogs.h"
#include "reader/ui/TForm1.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

class ReaderWindowTest : public QObject {
    Q_OBJECT

  private:
    QString writeFile(const QString& name, const QByteArray& content) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }
    QTemporaryDir dir_;

  private slots:
    void opensTheFileGivenAsArgument() {
        const QString path = writeFile(QStringLiteral("Caf\u00e9 book.txt"),
                                       QByteArray("Chapter 1\nIt was a caf\xe9.\n"));
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.show();
        form.startupOpen({QStringLiteral("quirewell"), path});

        QVERIFY(dialogs.shown.empty());
        QVERIFY2(form.windowTitle().startsWith(path), qPrintable(form.windowTitle()));
        QVERIFY(form.windowTitle().endsWith(QStringLiteral(" page)")));
        auto* view = form.findChild<QPlainTextEdit*>(QStringLiteral("BookView"));
        QVERIFY(view);
        // The two lines of the paragraph are joined.
        QCOMPARE(view->toPlainText(), QStringLiteral("Chapter 1 It was a caf\u00e9."));
        QCOMPARE(form.book().FileName, path.toStdString());
    }

    void closesAndReopensWithKeys() {
        const QString path = writeFile(QStringLiteral("a.txt"), "Alpha");
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* view = form.findChild<QPlainTextEdit*>(QStringLiteral("BookView"));

        dialogs.openChoices.push_back({path.toStdString()});
        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(dialogs.openRequests.size(), size_t(1));
        QCOMPARE(view->toPlainText(), QStringLiteral("Alpha"));

        QFile::remove(path);
        writeFile(QStringLiteral("a.txt"), "Alpha changed");
        QTest::keyClick(&form, Qt::Key_F5);
        QCOMPARE(view->toPlainText(), QStringLiteral("Alpha changed"));

        QTest::keyClick(&form, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!form.book().isOpen());
        QVERIFY(view->toPlainText().isEmpty());
        QVERIFY(form.windowTitle().startsWith(QStringLiteral(
            "Quirewell Version 1.9.0 Release Candidate - January 2010 (Default font: ")));
    }

    void missingArgumentFileIsReported() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        const QString missing = dir_.filePath(QStringLiteral("nope.txt"));
        form.startupOpen({QStringLiteral("quirewell"), missing});
        QVERIFY(!form.book().isOpen());
        QCOMPARE(dialogs.messages().size(), size_t(1));
        QCOMPARE(QString::fromStdString(dialogs.messages()[0]),
                 QStringLiteral("File %1 not found!").arg(missing));
    }
};

QTEST_MAIN(ReaderWindowTest)
#include "tst_reader_window.moc"
