#include "reader/ui/HelpPanelPart.h"

#include "controls/ui/TPanelButton.h"
#include "reader/menu_panel_rules.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "settings/configuration.h"
#include "settings/help_pages.h"
#include "settings/ui/HelpPanel.h"
#include "settings/ui/MenuPanel.h"
#include "settings/ui/colour_scheme_ui.h"

#include <QApplication>
#include <QBoxLayout>
#include <QTreeWidget>

namespace qw {

HelpPanelPart::HelpPanelPart(ReaderContext& context, QBoxLayout& buttonRow)
    : QObject(&context.window), context_(context) {
    QWidget* window = &context_.window;
    MBHelp = new TPanelButton(window);
    MBHelp->setObjectName(QStringLiteral("MBHelp"));
    MBHelp->setText(tr("Help"));
    MBHelp->setToolTip(tr("Help (F1)"));
    MBHelp->useGrooveLook();
    MBHelp->setFocusPolicy(Qt::NoFocus);
    buttonRow.insertWidget(1, MBHelp);
    connect(MBHelp, &TPanelButton::OnMouseEnter, this, [this] { buttonEvent(false); });
    connect(MBHelp, &TPanelButton::clicked, this, [this] { buttonEvent(true); });

    panel_ = new HelpPanel(window);
    SetColourRole(*panel_, ColourRole::Menu);
    connect(panel_, &HelpPanel::openHelpFileClicked, this, &HelpPanelPart::openHelpFile);
}

bool HelpPanelPart::isOpen() const {
    return panel_->isVisible();
}

void HelpPanelPart::helpKeyState(KeyState& s, const QWidget* focus) const {
    s.helpOpen = isOpen();
    if (!s.helpOpen || focus == nullptr || !panel_->isAncestorOf(focus) ||
        s.focus == Focus::TextField || s.focus == Focus::MultiLineText)
        return;
    s.focus = focus == panel_->tree() ? Focus::HelpTree : Focus::PanelControl;
}

void HelpPanelPart::buttonEvent(bool click) {
    const bool clickOnly = context_.config.settings.Bool(Setting::MenuHelpOnClick);
    switch (PanelButtonAction(click ? PanelTrigger::Click : PanelTrigger::MouseEnter, clickOnly,
                              isOpen())) {
    case PanelAction::Nothing:
        break;
    case PanelAction::Close:
        closeAllPanels();
        break;
    case PanelAction::Show:
        ShowHelp();
        break;
    }
}

void HelpPanelPart::ShowHelp() {
    hideMenu();
    hideRecent();
    hideFloatingToc(); // a docked contents panel stays
    if (panel_->tree()->currentItem() == nullptr)
        panel_->showPage(0);
    // The pointer stays where it is: moving it is not ours to do on every desktop.
    QWidget& window = context_.window;
    const QPoint corner = panelCorner();
    const int width = std::min(MenuPanel::kLargeWidth, window.width());
    const int left = std::max(0, std::min(corner.x(), window.width() - width));
    panel_->setGeometry(left, corner.y(), width,
                        std::max(120, std::min(460, window.height() - corner.y())));
    ApplyColourScheme(*panel_);
    panel_->show();
    panel_->raise();
    panel_->tree()->setFocus();
}

void HelpPanelPart::hidePanel() {
    if (!panel_->isVisible())
        return;
    const bool hadFocus = panel_->isAncestorOf(QApplication::focusWidget());
    panel_->hide();
    if (hadFocus)
        context_.pages.activePage()->setFocus();
}

void HelpPanelPart::toggle() {
    if (isOpen())
        closeAllPanels();
    else
        ShowHelp();
}

void HelpPanelPart::showSelectedPage() {
    if (QTreeWidgetItem* item = panel_->tree()->currentItem())
        panel_->showPage(panel_->tree()->indexOfTopLevelItem(item));
}

void HelpPanelPart::openHelpFile() {
    closeAllPanels();
    openHelpText();
}

} // namespace qw
