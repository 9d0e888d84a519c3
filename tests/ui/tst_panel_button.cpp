// The panel button under real mouse and key events: it lights under the
// mouse, sinks while pressed, drops the pressed look when the mouse leaves
// with the button held, clicks on Space and on its access letter, engraves a
// disabled caption and does not repaint when a property keeps its value; and
// the hint window shows a tooltip for half a second plus 40 ms per character.

#include "controls/ui/TMyHintWindow.h"
#include "controls/ui/TPanelButton.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>

using qw::Bevel;
using qw::Bevels;
using qw::TPanelButton;
using qw::TRaiseStyle;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The bounding box of the pixels of one colour.
QRect PixelsOf(const QImage& image, QRgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class PanelButtonTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QWidget> host_;
    TPanelButton* first_ = nullptr;
    TPanelButton* second_ = nullptr;
    QListWidget* list_ = nullptr;

  private slots:
    void init() {
        host_ = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(host_.get());
        first_ = new TPanelButton(QStringLiteral("&First"), host_.get());
        second_ = new TPanelButton(QStringLiteral("Second"), host_.get());
        list_ = new QListWidget(host_.get());
        layout->addWidget(first_);
        layout->addWidget(second_);
        layout->addWidget(list_);
        host_->resize(300, 300);
        host_->show();
        QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
        list_->setFocus();
        QTest::mouseMove(host_.get(), QPoint(290, 290));
    }
    void cleanup() { host_.reset(); }

    void hoverPressAndLeave() {
        QSignalSpy clicks(first_, &TPanelButton::clicked);
        QSignalSpy entered(first_, &TPanelButton::OnMouseEnter);
        QSignalSpy left(first_, &TPanelButton::OnMouseLeave);
        const QPoint centre = first_->rect().center();
        QCOMPARE(first_->bevels(), Bevels{});
        QTest::mouseMove(first_, centre);
        QVERIFY(first_->state().inside);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(first_->bevels(), (Bevels{Bevel::None, Bevel::Raised}));

        QTest::mousePress(first_, Qt::LeftButton, {}, centre);
        QVERIFY(first_->state().pressed);
        QVERIFY(first_->hasFocus());
        QCOMPARE(first_->bevels(), (Bevels{Bevel::None, Bevel::Lowered}));
        QTest::mouseRelease(first_, Qt::LeftButton, {}, centre);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!first_->state().pressed);

        // Leaving with the button held drops the pressed look; releasing
        // outside does not click.
        QTest::mousePress(first_, Qt::LeftButton, {}, centre);
        QMouseEvent drag(QEvent::MouseMove, QPointF(centre.x(), -20),
                         first_->mapToGlobal(QPointF(centre.x(), -20)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(first_, &drag);
        QVERIFY(!first_->state().pressed);
        QVERIFY(!first_->state().inside);
        QCOMPARE(left.count(), 1);
        QCOMPARE(first_->bevels(), (Bevels{Bevel::None, Bevel::Raised})); // still focused
        QTest::mouseRelease(first_, Qt::LeftButton, {}, QPoint(centre.x(), -20));
        QCOMPARE(clicks.count(), 1);

        QTest::mouseMove(second_, second_->rect().center());
        QVERIFY(second_->state().inside);
        QVERIFY(!first_->state().inside);
    }

    void downStylesAndKeys() {
        QSignalSpy clicks(first_, &TPanelButton::clicked);
        first_->setDown(true);
        QCOMPARE(first_->bevels(), (Bevels{Bevel::None, Bevel::Lowered}));
        first_->setRaiseStyle(TRaiseStyle::rsNone);
        QCOMPARE(first_->bevels(), Bevels{});
        first_->setDown(false);
        first_->setRaiseStyle(TRaiseStyle::rsGroove);
        QCOMPARE(first_->bevels(), (Bevels{Bevel::Raised, Bevel::Lowered}));

        // Space clicks as it goes down, and the button rises as it comes up.
        first_->setFocus();
        QTest::keyPress(first_, Qt::Key_Space);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(first_->state().pressed);
        QTest::keyRelease(first_, Qt::Key_Space);
        QVERIFY(!first_->state().pressed);
        QCOMPARE(clicks.count(), 1);

        // The access letter clicks from anywhere in the window; not when disabled.
        second_->setFocus();
        QTest::keyClick(second_, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(clicks.count(), 2);
        QVERIFY(first_->hasFocus());
        first_->setEnabled(false);
        QTest::keyClick(host_.get(), Qt::Key_F, Qt::AltModifier);
        QTest::mouseClick(first_, Qt::LeftButton, {}, first_->rect().center());
        QCOMPARE(clicks.count(), 2);
    }

    void disabledCaptionIsEngraved() {
        QPalette palette = first_->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::ButtonText, Qt::black);
        palette.setColor(QPalette::Light, QColor(255, 0, 0));
        palette.setColor(QPalette::Dark, QColor(0, 0, 255));
        first_->setPalette(palette);
        QFont font = first_->font();
        font.setPixelSize(16);
        font.setStyleStrategy(QFont::NoAntialias); // exact colours to look for
        first_->setFont(font);
        first_->resize(120, 30);

        const QImage enabled = first_->grab().toImage();
        QVERIFY(PixelsOf(enabled, qRgb(0, 0, 0)).isValid());
        QVERIFY(!PixelsOf(enabled, qRgb(0, 0, 255)).isValid());

        first_->setEnabled(false);
        const QImage disabled = first_->grab().toImage();
        const QRect shadow = PixelsOf(disabled, qRgb(0, 0, 255));
        const QRect light = PixelsOf(disabled, qRgb(255, 0, 0));
        QVERIFY(shadow.isValid());
        QVERIFY(!PixelsOf(disabled, qRgb(0, 0, 0)).isValid());
        // The light copy lies one pixel down and right of the shadow one.
        QCOMPARE(light.bottomRight(), shadow.bottomRight() + QPoint(1, 1));
    }

    void settingTheSameValueDoesNotRepaint() {
        PaintCounter counter;
        first_->installEventFilter(&counter);
        QCoreApplication::processEvents();
        struct Step {
            const char* what;
            std::function<void()> set;
            bool repaints;
        };
        const QColor navy(0, 0, 0x80);
        const std::vector<Step> steps = {
            {"same frame colour", [&] { first_->setHLFrameColor(navy); }, false},
            {"new frame colour", [&] { first_->setHLFrameColor(Qt::black); }, true},
            {"same style", [&] { first_->setRaiseStyle(TRaiseStyle::rsFlat); }, false},
            {"new style", [&] { first_->setRaiseStyle(TRaiseStyle::rsWall); }, true},
            {"same Down", [&] { first_->setDown(false); }, false},
            {"Down", [&] { first_->setDown(true); }, true},
            {"same text", [&] { first_->setText(QStringLiteral("&First")); }, false},
            {"same rect", [&] { first_->setHLShowRect(false); }, false},
            {"rect", [&] { first_->setHLShowRect(true); }, true},
        };
        for (const Step& step : steps) {
            counter.paints = 0;
            step.set();
            QCoreApplication::processEvents();
            QVERIFY2((counter.paints > 0) == step.repaints, step.what);
        }
    }

    void hintShowsForItsReadingTime() {
        qw::InstallHintWindow();
        qw::InstallHintWindow(); // once is enough
        qw::TMyHintWindow* hint = qw::ApplicationHintWindow();
        QVERIFY(hint);
        const QString tip = QStringLiteral("Go to the next page"); // 19 characters
        second_->setToolTip(tip);
        const QPoint at = second_->rect().center();
        QHelpEvent help(QEvent::ToolTip, at, second_->mapToGlobal(at));
        QApplication::sendEvent(second_, &help);
        QVERIFY(hint->isVisible());
        QVERIFY(!QToolTip::isVisible());
        QCOMPARE(hint->text(), tip);
        QCOMPARE(hint->displayTime(), 500 + 19 * 40);
        QVERIFY(hint->hideTimer().isActive());
        QCOMPARE(hint->hideTimer().interval(), 500 + 19 * 40);
        hint->hideTimer().start(0); // the time is up
        QTRY_VERIFY_WITH_TIMEOUT(!hint->isVisible(), 1000);

        // An item's tooltip in a list; a click hides it at once.
        auto* item = new QListWidgetItem(QStringLiteral("book.txt"), list_);
        item->setToolTip(QStringLiteral("/home/reader/books/book.txt"));
        const QPoint onItem = list_->visualItemRect(item).center();
        QHelpEvent itemHelp(QEvent::ToolTip, onItem, list_->viewport()->mapToGlobal(onItem));
        QApplication::sendEvent(list_->viewport(), &itemHelp);
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->displayTime(), 500 + 27 * 40);
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, onItem);
        QVERIFY(!hint->isVisible());

        // A window's own instance stays until its text is emptied.
        qw::TMyHintWindow own;
        own.ActivateHint(QPoint(10, 10), QStringLiteral("path"));
        QVERIFY(own.isVisible());
        QVERIFY(!own.hideTimer().isActive());
        own.setText(QString());
        QVERIFY(!own.isVisible());
    }
};

QTEST_MAIN(PanelButtonTest)
#include "tst_panel_button.moc"
