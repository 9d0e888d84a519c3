// The options window: every check-box option is stored under its key at
// once and shown again from the file; the states the window holds itself
// (full screen, antialiasing) stay in step with the window.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/TForm1.h"
#include "settings/config_file.h"
#include "settings/ui/CheckOptionsPage.h"
#include "settings/ui/MenuPanel.h"
#include "settings/ui/option_pages.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

class OptionsTest : public QObject {
    Q_OBJECT

    qw::test::ConfigFolder config_;

    std::string stored(qw::Setting setting) const {
        const qw::SettingInfo& info = qw::Settings::Info(setting);
        const qw::ConfigFile file(config_.iniPath().toStdString());
        return file.ReadString(info.section, info.key, "(missing)");
    }

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void treeKeepsTheNodeNumbers() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.ShowOptions(5);
        qw::MenuPanel* window = form.menuPanel();
        QVERIFY(window);
        QCOMPARE(window->currentPage(), 5);
        QCOMPARE(window->page(5)->objectName(), QStringLiteral("OPanel5"));
        QCOMPARE(window->tree()->currentItem()->text(0), QStringLiteral("INI file"));
        // "TOC" sits under "File specific"; nodes are in number order.
        QStringList top;
        for (int i = 0; i < window->tree()->topLevelItemCount(); ++i)
            top << window->tree()->topLevelItem(i)->text(0);
        QCOMPARE(top, (QStringList{"General", "Margins", "Control", "Import", "INI file",
                                   "File specific", "Book info", "Annotation"}));
        QCOMPARE(window->tree()->topLevelItem(5)->child(0)->text(0), QStringLiteral("TOC"));
        window->showPage(42); // no such page: nothing changes
        QCOMPARE(window->currentPage(), 5);
        window->tree()->setCurrentItem(window->tree()->topLevelItem(0));
        QCOMPARE(window->currentPage(), 0);
    }

    void everyStoredOptionIsWrittenAtOnce() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.ShowOptions(0);
        struct Page {
            const char* name;
            const std::vector<qw::CheckOption>* options;
        };
        const Page pages[] = {{"OPanel0", &qw::GeneralOptions()},
                              {"OPanel3", &qw::ControlOptions()},
                              {"OPanel4", &qw::ImportOptionList()}};
        int checked = 0, withKey = 0;
        for (const Page& p : pages) {
            auto* page = form.findChild<qw::CheckOptionsPage*>(QString::fromLatin1(p.name));
            QVERIFY(page);
            for (const qw::CheckOption& option : *p.options) {
                if (option.setting == qw::Setting::Count)
                    continue;
                ++withKey;
                QCheckBox* box = page->checkBox(option.id);
                QVERIFY2(box, option.caption);
                QCOMPARE(box->text(), QString::fromLatin1(option.caption));
                if (!box->isEnabled())
                    continue;
                const bool before = form.settings().Bool(option.setting);
                QCOMPARE(box->isChecked(), before);
                box->click();
                QVERIFY2(stored(option.setting) == (before ? "No" : "Yes"), option.caption);
                box->click();
                QVERIFY2(stored(option.setting) == (before ? "Yes" : "No"), option.caption);
                QCOMPARE(box->isChecked(), before);
                ++checked;
            }
        }
        // All but the two that are disabled here: "Page numbers below text"
        // (no margins applied) and "Fit when leaving menu" (automatic fitting on).
        QCOMPARE(checked, withKey - 2);
    }

    void fullScreenAndAntialiasingFollowTheWindow() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.ShowOptions(0);
        auto* general = form.findChild<qw::CheckOptionsPage*>(QStringLiteral("OPanel0"));
        QCheckBox* fullScreen = general->checkBox(qw::Id(qw::GeneralOption::FullScreen));
        QVERIFY(!fullScreen->isChecked());
        QTest::keyClick(&form, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(form.isFullScreenOn());
        QVERIFY(fullScreen->isChecked());
        fullScreen->click();
        QVERIFY(!form.isFullScreenOn());
        QTRY_VERIFY(!form.isFullScreen());

        QCheckBox* smooth = general->checkBox(qw::Id(qw::GeneralOption::Antialiasing));
        QVERIFY(smooth->isChecked());
        smooth->click();
        QVERIFY(form.pageArea()->pageFont().styleStrategy() & QFont::NoAntialias);
        smooth->click();
        QVERIFY(form.pageArea()->pageFont().styleStrategy() & QFont::PreferAntialias);
    }
};

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
