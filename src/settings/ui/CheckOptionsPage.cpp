#include "settings/ui/CheckOptionsPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qw {

CheckOptionsPage::CheckOptionsPage(const std::vector<CheckOption>& options, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    for (const CheckOption& option : options) {
        auto* box = new QCheckBox(tr(option.caption), this);
        box->setObjectName(QString::fromLatin1(option.name));
        if (option.hint != nullptr)
            box->setToolTip(tr(option.hint));
        const int id = option.id;
        connect(box, &QCheckBox::clicked, this,
                [this, id](bool checked) { emit optionClicked(id, checked); });
        boxes_.push_back({id, option.setting, box});
        if (option.indented) {
            auto* indented = new QHBoxLayout;
            indented->addSpacing(20);
            indented->addWidget(box, 1);
            layout->addLayout(indented);
        } else {
            layout->addWidget(box);
        }
    }
    below_ = new QVBoxLayout;
    layout->addLayout(below_);
    layout->addStretch(1);
}

QCheckBox* CheckOptionsPage::checkBox(int id) const {
    for (const Box& b : boxes_)
        if (b.id == id)
            return b.box;
    return nullptr;
}

Setting CheckOptionsPage::settingOf(int id) const {
    for (const Box& b : boxes_)
        if (b.id == id)
            return b.setting;
    return Setting::Count;
}

void CheckOptionsPage::showStored(const Settings& settings) {
    for (const Box& b : boxes_) {
        if (b.setting == Setting::Count)
            continue;
        const QSignalBlocker quiet(b.box);
        b.box->setChecked(settings.Bool(b.setting));
    }
}

void CheckOptionsPage::setChecked(int id, bool checked) {
    if (QCheckBox* box = checkBox(id)) {
        const QSignalBlocker quiet(box);
        box->setChecked(checked);
    }
}

bool CheckOptionsPage::isChecked(int id) const {
    const QCheckBox* box = checkBox(id);
    return box != nullptr && box->isChecked();
}

void CheckOptionsPage::setOptionEnabled(int id, bool enabled) {
    if (QCheckBox* box = checkBox(id))
        box->setEnabled(enabled);
}

} // namespace qw
