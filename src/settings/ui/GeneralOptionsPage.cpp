#include "settings/ui/GeneralOptionsPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qw {

namespace {

struct OptionText {
    const char* name;
    const char* caption;
    const char* hint;
};

// In the order of the Option enumeration.
const OptionText kOptions[GeneralOptionsPage::kOptionCount] = {
    {"ShowPages", "Book style", "Show the text on the pages of an open book"},
    {"FullScreen", "Full screen", "Pages over the whole screen (Ctrl+Enter)"},
    {"Antialiasing", "Font antialiasing (system setting)", "Smooth the edges of the letters"},
    {"CenterPageNr", "Page numbers below text (margin>16)",
     "Needs an applied bottom margin of more than 16 pixels"},
    {"ShowProgressBar", "Show progress bar", nullptr},
    {"ProgressBarBelow", "Below text", "The progress bar below the pages instead of at the top"},
    {"HideFilePath", "Hide file paths", "File names without their folders"},
    {"HideArchiveName", "Hide archive names", "Files in archives without the archive's name"},
    {"HideIgnoredFiles", "Hide ignored files in archives", nullptr},
    {"ApplyDefaultSettings", "Apply default settings to new files",
     "Books opened for the first time take the default font and line settings"},
};

} // namespace

GeneralOptionsPage::GeneralOptionsPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < kOptionCount; ++i) {
        auto* box = new QCheckBox(tr(kOptions[i].caption), this);
        box->setObjectName(QString::fromLatin1(kOptions[i].name));
        if (kOptions[i].hint != nullptr)
            box->setToolTip(tr(kOptions[i].hint));
        const auto option = static_cast<Option>(i);
        connect(box, &QCheckBox::clicked, this,
                [this, option](bool checked) { emit optionClicked(option, checked); });
        boxes_[i] = box;
        if (option == Option::ProgressBarBelow) {
            // Indented under "Show progress bar", which it belongs to.
            auto* indented = new QHBoxLayout;
            indented->addSpacing(20);
            indented->addWidget(box, 1);
            layout->addLayout(indented);
        } else {
            layout->addWidget(box);
        }
    }
    layout->addStretch(1);
}

QCheckBox* GeneralOptionsPage::checkBox(Option option) const {
    return boxes_[static_cast<int>(option)];
}

void GeneralOptionsPage::setChecked(Option option, bool checked) {
    QCheckBox* box = checkBox(option);
    const QSignalBlocker quiet(box);
    box->setChecked(checked);
}

bool GeneralOptionsPage::isChecked(Option option) const {
    return checkBox(option)->isChecked();
}

void GeneralOptionsPage::setOptionEnabled(Option option, bool enabled) {
    checkBox(option)->setEnabled(enabled);
}

} // namespace qw
