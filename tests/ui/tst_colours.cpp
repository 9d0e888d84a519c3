// The colour schemes: the "Colors" options page and the reader window painted
// in the chosen colours, seen in a rendered image of the window.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "reader/ui/OptionsPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/TForm1.h"
#include "settings/colour_scheme.h"
#include "settings/config_file.h"
#include "settings/ui/ColorsPage.h"
#include "settings/ui/IniFileListPage.h"
#include "settings/ui/OptionsWindow.h"
#include "settings/ui/colour_scheme_ui.h"
#include "show_window.h"
#include "test_books.h"

#include <QComboBox>
#include <QListWidget>
#include <QtTest>

class ColoursTest : public QObject {
    Q_OBJECT

  private:
    qw::test::ConfigFolder config_;

    // The colour a reader sees on the right page, away from its text.
    static QColor pageColour(qw::TForm1& form) {
        const QWidget* page = form.pageArea()->rightPage();
        const QPoint spot = page->mapTo(&form, QPoint(page->width() - 4, page->height() - 4));
        return form.grab().toImage().pixelColor(spot);
    }
    std::string ini(const char* section, const char* key) const {
        return qw::ConfigFile(config_.iniPath().toStdString()).ReadString(section, key, "-");
    }

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void schemesRepaintTheReaderAndKeepTheirOwnLines() {
        const std::string night = qw::FormatSchemeLine(qw::ReadyMadeSchemes().front().second);
        qw::test::WriteTestFile(config_.path(), QStringLiteral("Quirewell.ini"),
                                QByteArray("[Colors]\nText=clBlack\n[Color Schemes]\nNight=") +
                                    night.c_str() + "\nFive=clWhite,clBlack,clRed,clRed,clRed\n");
        const QString book = qw::test::WriteTestFile(config_.path(), QStringLiteral("a.txt"),
                                                     qw::test::HardWrappedBook(30));
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(1000, 700)));
        form.startupOpen({QStringLiteral("quirewell"), book});
        QCOMPARE(pageColour(form), QColor(0xE7, 0xE7, 0xE7));

        form.ShowOptions();
        qw::ColorsPage* page = form.findChild<qw::OptionsPart*>()->colorsPage();
        QCOMPARE(page->schemeList()->currentText(), QStringLiteral("Default"));
        auto* remove = page->findChild<qw::TPanelButton*>(QStringLiteral("DeleteScheme"));
        QVERIFY(!remove->isEnabled());

        page->schemeList()->setCurrentIndex(1);
        page->chooseScheme(1); // Night
        QVERIFY(remove->isEnabled());
        QCOMPARE(pageColour(form), QColor(0x1E, 0x1E, 0x1E));
        // The lists of the options take the list colours, the INI file list too.
        const QColor listBackground =
            qw::SchemeColourOf(qw::CurrentColours(), qw::SchemeColour::ListBackground);
        auto* iniList = form.optionsWindow()->findChild<qw::IniFileListPage*>();
        QCOMPARE(iniList->list()->palette().color(QPalette::Base), listBackground);

        // A five-colour line changes nothing on the screen.
        page->schemeList()->setCurrentIndex(2);
        page->chooseScheme(2);
        QCOMPARE(pageColour(form), QColor(0x1E, 0x1E, 0x1E));

        // A colour changed under a named scheme rewrites its line only.
        page->schemeList()->setCurrentIndex(1);
        page->chooseScheme(1);
        page->chooseColour = [](qw::SchemeColour, const QColor&) {
            return std::optional<QColor>(QColor(0x10, 0x20, 0x30));
        };
        page->colourButton(qw::SchemeColour::Background)->click();
        QCOMPARE(pageColour(form), QColor(0x10, 0x20, 0x30));
        QVERIFY(ini("Color Schemes", "Night").find(",$00302010,") != std::string::npos);
        QCOMPARE(ini("Colors", "Background"), std::string("$00E7E7E7"));

        // New: a taken name is refused and asked again, then made and selected.
        dialogs.inputs = {std::string("night"), std::string("Mine")};
        page->findChild<qw::TPanelButton*>(QStringLiteral("NewScheme"))->click();
        QCOMPARE(dialogs.messages().back(),
                 std::string("\"night\" already exists, please enter a different name!"));
        QCOMPARE(dialogs.inputRequests.back().value, std::string("night"));
        QCOMPARE(page->schemeList()->currentText(), QStringLiteral("Mine"));
        QCOMPARE(ini("Color Schemes", "Mine"), ini("Color Schemes", "Night"));

        // Deleting the selected scheme goes back to "Default".
        dialogs.answers = {true};
        remove->click();
        QCOMPARE(page->schemeList()->currentText(), QStringLiteral("Default"));
        QVERIFY(!remove->isEnabled());
        QCOMPARE(ini("Color Schemes", "Mine"), std::string("-"));
        QCOMPARE(pageColour(form), QColor(0xE7, 0xE7, 0xE7));
    }

    void readyMadeSchemesComeWithANewFileAndDefaultShowsAtEveryStart() {
        qw::ScriptedDialogs dialogs;
        {
            qw::TForm1 form(dialogs);
            form.ShowOptions();
            qw::ColorsPage* page = form.findChild<qw::OptionsPart*>()->colorsPage();
            QCOMPARE(page->schemeList()->count(), 4);
            page->schemeList()->setCurrentIndex(2);
            page->chooseScheme(2);
        }
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(1000, 700)));
        QCOMPARE(pageColour(form), QColor(0xE7, 0xE7, 0xE7));
    }
};

QTEST_MAIN(ColoursTest)
#include "controls/ui/TPanelButton.h"
#include "tst_colours.moc"
