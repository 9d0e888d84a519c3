// The configuration load when the reader window is created, and the bounds it
// stores when it closes.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "reader/ui/TForm1.h"
#include "settings/ui/qt_config_environment.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace qw;

class TestSettingsWindow : public QObject {
    Q_OBJECT
  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void environmentAnswersFromQt() {
        QtConfigEnvironment env;
        QVERIFY(!env.screenFonts().empty());
        QVERIFY(!env.substituteFont("Times New Roman").empty());
        QVERIFY(env.screenWidth() > 0);
        QVERIFY(env.screenHeight() > 0);
        QCOMPARE(QString::fromStdString(env.configDirOverride()), config_.path() + "/");
        QVERIFY(QString::fromStdString(env.programDir()).endsWith('/'));
    }

    void firstStartWritesTheFileAndUsesItsFont() {
        ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        QVERIFY(form.configurationLoaded());
        QVERIFY(dialogs.shown.empty());
        const QString path = config_.iniPath();
        QVERIFY(QFile::exists(path));
        const ConfigState& state = form.configuration().state;
        QCOMPARE(QString::fromStdString(state.configDir), config_.path() + "/");
        QVERIFY(form.configuration().file.SectionExists("Default"));
        QCOMPARE(form.fontName(), QString::fromStdString(state.book.fontName));
        QCOMPARE(form.fontSize(), 12);
        QVERIFY(form.settings().Bool(Setting::BookStyle));
        QVERIFY(form.windowState().testFlag(Qt::WindowMaximized)); // the first-use default
    }

    void optionsAreWrittenAtOnce() {
        ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        QVERIFY(form.settings().SetBool(Setting::HideIgnoredFiles, true));
        QFile file(config_.iniPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("Hide ignored files=Yes\n"));
    }

    void windowReopensAtItsSavedBounds() {
        const QRect bounds(40, 50, 800, 600);
        {
            ScriptedDialogs dialogs;
            TForm1 form(dialogs);
            form.setWindowState(Qt::WindowNoState);
            form.setGeometry(bounds);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QCOMPARE(form.geometry(), bounds);
            QVERIFY(form.close());
        }
        ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        QCOMPARE(form.geometry(), bounds);
        QVERIFY(!form.windowState().testFlag(Qt::WindowMaximized));
        const ConfigFile& file = form.configuration().file;
        QCOMPARE(file.ReadString("Window", "Maximized", ""), std::string("No"));
        QCOMPARE(file.ReadInteger("Window", "Width", 0), 800);
    }

    void maximizedWindowKeepsItsRestoredBounds() {
        const QRect bounds(30, 30, 700, 500);
        {
            ScriptedDialogs dialogs;
            TForm1 form(dialogs);
            form.setWindowState(Qt::WindowNoState);
            form.setGeometry(bounds);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.showMaximized();
            QTRY_VERIFY(form.windowState().testFlag(Qt::WindowMaximized));
            QVERIFY(form.close());
        }
        ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        QVERIFY(form.windowState().testFlag(Qt::WindowMaximized));
        const ConfigState& state = form.configuration().state;
        QCOMPARE(state.bounds.width(), 700);
        QCOMPARE(state.bounds.height(), 500);
    }

  private:
    test::ConfigFolder config_;
};

QTEST_MAIN(TestSettingsWindow)
#include "tst_settings_window.moc"
