#include "settings/ui/ColorsPage.h"

#include "controls/dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "settings/ui/colour_scheme_ui.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qw {

namespace {

const char* const kCaptions[kSchemeColourCount] = {
    "Book text", "Book background", "Button text", "Window background",
    "Menu text", "Menu background", "List text",   "List background"};
const char* const kNames[kSchemeColourCount] = {
    "ColorText",     "ColorBackground",     "ColorButtonText", "ColorWindowBackground",
    "ColorMenuText", "ColorMenuBackground", "ColorListText",   "ColorListBackground"};

std::optional<QColor> askColour(QWidget* parent, SchemeColour which, const QColor& current) {
    // Slots as the reader presets them: the defaults, the current colour.
    const QPalette palette = QApplication::palette();
    if (which == SchemeColour::Background) {
        QColorDialog::setCustomColor(0, QColor(0xE7, 0xE7, 0xE7));
        QColorDialog::setCustomColor(1, QColor(0xDC, 0xDC, 0xB8));
        QColorDialog::setCustomColor(2, current);
    } else {
        QColorDialog::setCustomColor(0, ToQColor(DefaultColour(which), palette));
        QColorDialog::setCustomColor(1, current);
    }
    const QColor chosen = QColorDialog::getColor(current, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace

ColorsPage::ColorsPage(ConfigFile& config, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), config_(config), dialogs_(dialogs) {
    setObjectName(QStringLiteral("OPanel1"));
    auto* layout = new QVBoxLayout(this);
    auto* schemeRow = new QHBoxLayout;
    schemeRow->addWidget(new QLabel(tr("Color scheme:"), this));
    ColorScheme = new QComboBox(this);
    ColorScheme->setObjectName(QStringLiteral("ColorScheme"));
    ColorScheme->setMinimumContentsLength(16);
    schemeRow->addWidget(ColorScheme, 1);
    NewScheme = new TPanelButton(tr("New"), this);
    NewScheme->useGrooveLook();
    NewScheme->setObjectName(QStringLiteral("NewScheme"));
    NewScheme->setToolTip(tr("Create a new color scheme"));
    DeleteScheme = new TPanelButton(tr("Delete"), this);
    DeleteScheme->useGrooveLook();
    DeleteScheme->setObjectName(QStringLiteral("DeleteScheme"));
    DeleteScheme->setToolTip(tr("Delete the current color scheme"));
    schemeRow->addWidget(NewScheme);
    schemeRow->addWidget(DeleteScheme);
    layout->addLayout(schemeRow);

    auto* grid = new QGridLayout;
    for (size_t i = 0; i < kSchemeColourCount; ++i) {
        auto* button = new TPanelButton(tr(kCaptions[i]), this);
        button->useGrooveLook();
        button->setObjectName(QString::fromLatin1(kNames[i]));
        button->setMinimumHeight(32);
        grid->addWidget(button, static_cast<int>(i / 2), static_cast<int>(i % 2));
        buttons_[i] = button;
        const auto which = static_cast<SchemeColour>(i);
        connect(button, &TPanelButton::clicked, this, [this, which] { colourClicked(which); });
    }
    layout->addLayout(grid);
    layout->addStretch(1);

    chooseColour = [this](SchemeColour which, const QColor& current) {
        return askColour(this, which, current);
    };
    // Every start shows "Default", whatever was chosen in the last run.
    for (const std::string& name : ColourSchemes(config_).names())
        ColorScheme->addItem(QString::fromStdString(name));
    ColorScheme->setCurrentIndex(0);
    DeleteScheme->setEnabled(false);
    connect(ColorScheme, &QComboBox::activated, this, &ColorsPage::chooseScheme);
    connect(NewScheme, &TPanelButton::clicked, this, &ColorsPage::NewClick);
    connect(DeleteScheme, &TPanelButton::clicked, this, &ColorsPage::DeleteClick);
    refreshPreviews();
}

TPanelButton* ColorsPage::colourButton(SchemeColour which) const {
    return buttons_[static_cast<size_t>(which)];
}

std::string ColorsPage::selectedName() const {
    return ColorScheme->currentIndex() <= 0 ? std::string(kDefaultScheme)
                                            : ColorScheme->currentText().toStdString();
}

void ColorsPage::refreshPreviews() {
    // Each button of a pair: the pair's text colour on its background.
    const ColourSet& colours = CurrentColours();
    for (size_t i = 0; i < kSchemeColourCount; ++i) {
        const size_t pair = i / 2 * 2;
        QPalette palette = buttons_[i]->palette();
        palette.setColor(QPalette::ButtonText,
                         SchemeColourOf(colours, static_cast<SchemeColour>(pair)));
        palette.setColor(QPalette::Window,
                         SchemeColourOf(colours, static_cast<SchemeColour>(pair + 1)));
        buttons_[i]->setPalette(palette);
    }
}

void ColorsPage::chooseScheme(int index) {
    if (index < 0)
        return;
    DeleteScheme->setEnabled(index > 0);
    const SchemeLine choice = ColourSchemes(config_).choose(selectedName(), CurrentColours());
    // An incomplete line still takes the colours read before the failure,
    // but nothing is shown.
    SetCurrentColours(choice.colours);
    if (choice.complete) {
        refreshPreviews();
        emit coloursChanged();
    }
}

void ColorsPage::NewClick() {
    InputLineRequest request{"New color scheme name:", "New color scheme", "", 0, false};
    for (;;) {
        const std::optional<std::string> name = dialogs_.inputLine(request);
        if (!name)
            return;
        ColourSchemes schemes(config_);
        switch (schemes.create(*name, CurrentColours())) {
        case ColourSchemes::NewResult::Empty:
            return;
        case ColourSchemes::NewResult::Duplicate:
            dialogs_.warning("\"" + *name + "\" already exists, please enter a different name!");
            request.value = *name;
            continue;
        case ColourSchemes::NewResult::Created: {
            const std::vector<std::string> names = schemes.names();
            const QSignalBlocker quiet(ColorScheme);
            ColorScheme->addItem(QString::fromStdString(names.back()));
            ColorScheme->setCurrentIndex(ColorScheme->count() - 1);
            DeleteScheme->setEnabled(true);
            return;
        }
        }
    }
}

void ColorsPage::DeleteClick() {
    const int index = ColorScheme->currentIndex();
    if (index <= 0 || !dialogs_.askYesNo("Delete the current color scheme?"))
        return;
    ColourSchemes(config_).remove(selectedName());
    {
        const QSignalBlocker quiet(ColorScheme);
        ColorScheme->removeItem(index);
        ColorScheme->setCurrentIndex(0);
    }
    chooseScheme(0);
}

void ColorsPage::colourClicked(SchemeColour which) {
    TPanelButton* button = colourButton(which);
    const QColor current = SchemeColourOf(CurrentColours(), which);
    const std::optional<QColor> chosen = chooseColour(which, current);
    // Back onto the button, so that control by mouse movement keeps the menu open.
    if (button->isVisible())
        QCursor::setPos(button->mapToGlobal(button->rect().center()));
    if (!chosen)
        return;
    ColourSet colours = CurrentColours();
    At(colours, which) = ColourValue::FromRgb(chosen->rgb() & 0xFFFFFF);
    SetCurrentColours(colours);
    ColourSchemes(config_).saveColour(selectedName(), which, colours);
    refreshPreviews();
    emit coloursChanged();
}

} // namespace qw
