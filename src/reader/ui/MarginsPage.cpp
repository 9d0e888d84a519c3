#include "reader/ui/MarginsPage.h"
#include "controls/ui/TPanelButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qw {

MarginsPage::MarginsPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    ApplyMargins = new QCheckBox(tr("Apply margin settings"), this);
    ApplyMargins->setObjectName(QStringLiteral("ApplyMargins"));
    ApplyMargins->installEventFilter(this);
    connect(ApplyMargins, &QCheckBox::clicked, this, &MarginsPage::applyToggled);
    layout->addWidget(ApplyMargins);

    auto* grid = new QGridLayout;
    const char* names[4] = {"MarginLeft", "MarginRight", "MarginTop", "MarginBottom"};
    const char* captions[4] = {"Left:", "Right (inner):", "Top:", "Bottom:"};
    ChangeMargins = new TPanelButton(tr("Change margins to:"), this);
    ChangeMargins->useGrooveLook();
    ChangeMargins->setObjectName(QStringLiteral("ChangeMargins"));
    ChangeMargins->setToolTip(tr("Store the four margins (pixels) and apply them"));
    connect(ChangeMargins, &TPanelButton::clicked, this, &MarginsPage::requestChange);
    grid->addWidget(ChangeMargins, 0, 0, 1, 2);
    for (int i = 0; i < 4; ++i) {
        auto* edit = new QSpinBox(this);
        edit->setObjectName(QString::fromLatin1(names[i]));
        edit->setRange(0, kMaxMargin);
        edit->setSuffix(tr(" px"));
        edit->installEventFilter(this);
        connect(edit, QOverload<int>::of(&QSpinBox::valueChanged), this,
                &MarginsPage::updateChangeButton);
        grid->addWidget(new QLabel(tr(captions[i]), this), i + 1, 0);
        grid->addWidget(edit, i + 1, 1);
        edits_[i] = edit;
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    auto* note = new QLabel(tr("Margins are added inside the pages, from 0 to 99 pixels; "
                               "the right margin is the inner one of both pages."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
    updateChangeButton();
}

void MarginsPage::setStored(const PageMargins& margins, bool apply) {
    stored_ = ClampMargins(margins);
    {
        const QSignalBlocker quiet(ApplyMargins);
        ApplyMargins->setChecked(apply);
    }
    setEdits(stored_);
}

void MarginsPage::setEdits(const PageMargins& margins) {
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker quiet(edits_[i]);
        edits_[i]->setValue(ClampMargin(margins[i]));
    }
    updateChangeButton();
}

PageMargins MarginsPage::edits() const {
    PageMargins margins{};
    for (int i = 0; i < 4; ++i)
        margins[i] = edits_[i]->value();
    return margins;
}

void MarginsPage::updateChangeButton() {
    // The toolkit draws a disabled button's caption in grey.
    ChangeMargins->setEnabled(MarginEditsDiffer(edits(), stored_));
}

void MarginsPage::requestChange() {
    if (!ChangeMargins->isEnabled())
        return;
    stored_ = edits();
    updateChangeButton();
    emit changeRequested(stored_);
}

bool MarginsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            requestChange(); // Enter applies what the edits hold

            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qw
