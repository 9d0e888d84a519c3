// The reader window's panels: the menu part with the options pages, the
// help part, automatic turning and the clock, wired to the layout part that
// carries out what an option does to the pages and the book.

#include "reader/ui/TForm1.h"

#include "controls/ui/TMyHintWindow.h"
#include "controls/ui/TPanelButton.h"
#include "reader/ui/AutoTurnPart.h"
#include "reader/ui/ClockPart.h"
#include "reader/ui/ContentsPanel.h"
#include "reader/ui/HelpPanelPart.h"
#include "reader/ui/LayoutPart.h"
#include "reader/ui/MenuPanelPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/ProgressBar.h"
#include "reader/ui/RecentPart.h"
#include "reader/ui/RecordsPart.h"
#include "settings/book_encoding.h"
#include "settings/ui/HelpPanel.h"
#include "settings/ui/MenuPanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>

namespace qw {

void TForm1::setUpOptions() {
    menu_ = new MenuPanelPart(*context_, *pages_->buttonRow(), *records_, *contents_, *recent_);
    menu_->fullScreen = [this] { return layout_->isFullScreen(); };
    menu_->antialiasing = [this] { return layout_->antialiasing(); };
    menu_->fittingSettingsChanged = [this] { return book_.isOpen() && layout_->needsRefit(); };
    connect(menu_, &MenuPanelPart::commandChosen, this,
            [this](Command command) { runCommand({command}); });
    // Full screen: the panels close first.
    connect(menu_, &MenuPanelPart::generalOptionChanged, this, [this](GeneralOption option) {
        if (option == GeneralOption::FullScreen)
            menu_->MenuHilfeAus(false);
    });
    connect(menu_, &MenuPanelPart::generalOptionChanged, layout_,
            &LayoutPart::generalOptionChanged);
    connect(menu_, &MenuPanelPart::controlOptionChanged, layout_,
            &LayoutPart::controlOptionChanged);
    connect(menu_, &MenuPanelPart::fitNowClicked, this, &TForm1::AnpassenClick);
    connect(menu_, &MenuPanelPart::fitLinesOnLeaving, this, &TForm1::AnpassenClick);
    connect(menu_, &MenuPanelPart::applyMarginsToggled, layout_, &LayoutPart::ApplyMarginsClick);
    connect(menu_, &MenuPanelPart::changeMarginsRequested, layout_,
            &LayoutPart::ChangeMarginsClick);
    connect(menu_, &MenuPanelPart::fontChosen, layout_, &LayoutPart::changeFontName);
    connect(menu_, &MenuPanelPart::sizeChosen, layout_, &LayoutPart::changeFontSize);
    connect(menu_, &MenuPanelPart::tabWidthApplied, layout_, &LayoutPart::changeTabWidth);
    connect(menu_, &MenuPanelPart::lineBreakOptionsChanged, layout_,
            &LayoutPart::changeLineBreakOptions);
    // A new encoding is stored in the book's record and the book read again.
    connect(menu_, &MenuPanelPart::encodingChosen, this, [this](const std::string& name) {
        if (!book_.isOpen())
            return;
        const std::string path = book_.FileName;
        const std::string entry = book_.ArchiveEntry;
        if (!WriteBookEncoding(config_->file, path, entry, name))
            dialogs_.error("Cannot write " + config_->file.FileName() + "!");
        loader_.openKnownFile(path, entry);
    });
    connect(layout_, &LayoutPart::optionStatesChanged, menu_, [this] { menu_->sync(); });
    connect(layout_, &LayoutPart::namesShownChanged, menu_, &MenuPanelPart::refreshIniList);
    // A right click on the book opens the menu at the mouse.
    connect(pages_, &PageArea::contextMenuRequested, menu_, &MenuPanelPart::showAtMouse);
}

void TForm1::setUpPanels() {
    help_ = new HelpPanelPart(*context_, *pages_->buttonRow());
    help_->hideMenu = [this] { menu_->panel()->hide(); };
    help_->hideRecent = [this] { recent_->hidePanel(); };
    help_->hideFloatingToc = [this] { contents_->hideFloatingToc(); };
    help_->closeAllPanels = [this] { menu_->MenuHilfeAus(false); };
    help_->openHelpText = [this] { OpenHelpFile(); };
    help_->panelCorner = [this] {
        const QWidget* button = menu_->menuButton();
        return button->mapTo(this, QPoint(0, button->height()));
    };
    menu_->helpVisible = [this] { return help_->isOpen(); };
    menu_->hideHelp = [this] { help_->hidePanel(); };

    autoTurn_ = new AutoTurnPart(*context_, *menu_->controlPage(),
                                 *findChild<ProgressBar*>(QStringLiteral("Fortschritt")));
    connect(autoTurn_, &AutoTurnPart::captionNeeded, this, &TForm1::UpdateCaption);

    clock_ = new ClockPart(*context_, *pages_->buttonRow());
    connect(menu_, &MenuPanelPart::generalOptionChanged, clock_, &ClockPart::update);
}

void TForm1::ShowOptions(int page) {
    menu_->showOptions(page);
}

MenuPanel* TForm1::menuPanel() const {
    return menu_->panel();
}

void TForm1::syncMenuPanel() {
    menu_->sync();
}

bool TForm1::panelEvent(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == this && type == QEvent::WindowDeactivate) {
        if (TMyHintWindow* hint = ApplicationHintWindow())
            hint->setText(QString());
        const QWidget* active = QApplication::activeWindow();
        autoTurn_->windowDeactivated(active != nullptr && ownsWindow(active));
        return false;
    }
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
        type != QEvent::ContextMenu)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this)
        return false;
    const bool inPanel = menu_->panel()->isAncestorOf(widget) || widget == menu_->panel() ||
                         help_->panel()->isAncestorOf(widget) || widget == help_->panel();
    if (type == QEvent::MouseMove) {
        // Moving onto the book closes the panels (unless only clicks do); the
        // buttons of the bar are not the book.
        const bool button = qobject_cast<TPanelButton*>(widget) != nullptr ||
                            qobject_cast<QAbstractButton*>(widget) != nullptr;
        if (!button && (widget == pages_ || pages_->isAncestorOf(widget)))
            menu_->MenuHilfeAus(true);
        return false;
    }
    if (!inPanel)
        return false;
    // A right click on any control of the menu or help panel closes them all.
    if (type == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() != Qt::RightButton)
            return false;
        menu_->MenuHilfeAus(false);
    }
    return true; // no context menu of a control on a closing panel
}

} // namespace qw
