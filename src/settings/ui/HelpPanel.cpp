#include "settings/ui/HelpPanel.h"

#include "controls/ui/TPanelButton.h"
#include "settings/help_pages.h"
#include "settings/ui/colour_scheme_ui.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qw {

HelpPanel::HelpPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("HelpPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(3, 3, 3, 3);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("HelpTree"));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    tree_->setFixedWidth(130);
    SetColourRole(*tree_, ColourRole::List);
    stack_ = new QStackedWidget(this);
    row->addWidget(tree_);
    row->addWidget(stack_, 1);

    const std::vector<HelpPage>& pages = HelpPages();
    for (size_t i = 0; i < pages.size(); ++i) {
        auto* item = new QTreeWidgetItem(QStringList{QString::fromLatin1(pages[i].node)});
        tree_->addTopLevelItem(item);
        QWidget* page = nullptr;
        if (i == 0) {
            page = new QWidget;
            auto* about = new QVBoxLayout(page);
            auto* name = new QLabel(QString::fromStdString(ProgramNameAndVersion()), page);
            name->setObjectName(QStringLiteral("ProgramName"));
            QFont big = name->font();
            big.setPointSizeF(big.pointSizeF() * 1.6);
            big.setBold(true);
            name->setFont(big);
            SetColourRole(*name, ColourRole::MenuTitle);
            auto* line = new QLabel(tr("A reader for long plain texts"), page);
            SetColourRole(*line, ColourRole::MenuTitle);
            OpenHelpTxt = new TPanelButton(tr("Open &Help.txt"), page);
            OpenHelpTxt->setObjectName(QStringLiteral("OpenHelpTxt"));
            OpenHelpTxt->setToolTip(
                tr("Open the file Help.txt (in the Quirewell program directory)"));
            OpenHelpTxt->useGrooveLook();
            connect(OpenHelpTxt, &TPanelButton::clicked, this, &HelpPanel::openHelpFileClicked);
            about->addWidget(name);
            about->addWidget(line);
            about->addSpacing(12);
            about->addWidget(OpenHelpTxt, 0, Qt::AlignLeft);
            about->addStretch(1);
        } else {
            auto* text = new QPlainTextEdit(QString::fromStdString(pages[i].text));
            text->setReadOnly(true);
            SetColourRole(*text, ColourRole::List);
            page = text;
        }
        page->setObjectName(QStringLiteral("HPanel%1").arg(i));
        stack_->addWidget(page);
        pages_.push_back(page);
    }
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr)
            showPage(tree_->indexOfTopLevelItem(item));
    });
    hide();
}

void HelpPanel::showPage(int number) {
    if (number < 0 || number >= static_cast<int>(pages_.size()))
        return;
    current_ = number;
    stack_->setCurrentWidget(pages_[number]);
    QTreeWidgetItem* item = tree_->topLevelItem(number);
    if (tree_->currentItem() != item)
        tree_->setCurrentItem(item);
}

QWidget* HelpPanel::page(int number) const {
    return number >= 0 && number < static_cast<int>(pages_.size()) ? pages_[number] : nullptr;
}

} // namespace qw
