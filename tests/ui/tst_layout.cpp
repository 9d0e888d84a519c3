// Window layout: docking the contents panel keeps the pages' size by widening
// the window, and undocking gives the room back.

#include "controls/scripted_dialogs.h"
#include "reader/ui/ContentsPanel.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/TForm1.h"

#include <QCheckBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void dockingWidensTheWindowInsteadOfShrinkingThePages() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int chapter = 1; chapter <= 5; ++chapter) {
            file.write("\r\n\r\n\r\nCHAPTER " + QByteArray::number(chapter) + "\r\n\r\n");
            for (int i = 0; i < 80; ++i)
                file.write("Some words of a hard-wrapped line of the book.\r\n");
        }
        file.close();

        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setGeometry(40, 40, 620, 450);
        QTRY_COMPARE(form.pageArea()->size(), QSize(620, 450));
        form.startupOpen({QStringLiteral("quirewell"), path});

        QTest::keyClick(&form, Qt::Key_T, Qt::ControlModifier); // the contents panel
        auto* panel = form.findChild<qw::ContentsPanel*>();
        QVERIFY(panel && panel->isVisible());
        // A book that was never scanned has its contents when the panel opens.
        QStringList listed;
        for (int row = 0; row < panel->list()->rowCount(); ++row)
            for (int column = 0; column < panel->list()->columnCount(); ++column)
                if (const QTableWidgetItem* item = panel->list()->item(row, column))
                    listed << item->text();
        for (int chapter = 2; chapter <= 5; ++chapter)
            QVERIFY2(listed.contains(QStringLiteral("CHAPTER %1").arg(chapter)),
                     qPrintable(listed.join(QLatin1Char('|'))));
        auto* left = panel->findChild<QCheckBox*>(QStringLiteral("TOCLeft"));
        QVERIFY(left);
        const QSize pages = form.pageArea()->size();
        const int width = form.width();

        left->click(); // dock it on the left
        QTRY_COMPARE(form.width(), width + qw::ContentsPanel::panelWidth());
        QTRY_COMPARE(form.pageArea()->size(), pages);

        left->click(); // float it again
        QTRY_COMPARE(form.width(), width);
        QTRY_COMPARE(form.pageArea()->size(), pages);
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
