#include "reader/ui/FileSpecificPage.h"

#include "import/text_decoding.h"

#include "controls/ui/TPanelButton.h"
#include "reader/commands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qw {

FileSpecificPage::FileSpecificPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    Schriftart = new QComboBox(this);
    Schriftart->setObjectName(QStringLiteral("Schriftart"));
    Schriftart->setToolTip(tr("Font of the pages (Ctrl+N next, Ctrl+Shift+N previous)"));
    Fontgroesse = new QComboBox(this);
    Fontgroesse->setObjectName(QStringLiteral("Fontgroesse"));
    Fontgroesse->setToolTip(tr("Change font size between 6 and 99"));
    for (int size : FontSizeSteps())
        Fontgroesse->addItem(QString::number(size), size);
    TabWidth = new QSpinBox(this);
    TabWidth->setObjectName(QStringLiteral("TabWidth"));
    TabWidth->setRange(1, 100);
    TabWidth->setToolTip(tr("Tab stops; 4 units are one average character"));
    ApplyTabWidth = new TPanelButton(tr("Apply"), this);
    ApplyTabWidth->useGrooveLook();
    ApplyTabWidth->setObjectName(QStringLiteral("ApplyTabWidth"));
    grid->addWidget(new QLabel(tr("Font:"), this), 0, 0);
    grid->addWidget(Schriftart, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Font size:"), this), 1, 0);
    grid->addWidget(Fontgroesse, 1, 1);
    grid->addWidget(new QLabel(tr("Tab width:"), this), 2, 0);
    grid->addWidget(TabWidth, 2, 1);
    grid->addWidget(ApplyTabWidth, 2, 2, Qt::AlignLeft);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    ZWEntfernen = new QCheckBox(tr("Remove single line breaks"), this);
    ZWEntfernen->setObjectName(QStringLiteral("ZWEntfernen"));
    ZWEntfernen->setToolTip(tr("Join the hard-wrapped lines of each paragraph"));
    Punctuation = new QCheckBox(tr("Not after punctuation marks"), this);
    Punctuation->setObjectName(QStringLiteral("Punctuation"));
    Einzug = new QCheckBox(tr("Not before indentation"), this);
    Einzug->setObjectName(QStringLiteral("Einzug"));
    layout->addWidget(ZWEntfernen);
    for (QCheckBox* box : {Punctuation, Einzug}) {
        auto* indented = new QHBoxLayout;
        indented->addSpacing(20);
        indented->addWidget(box, 1);
        layout->addLayout(indented);
    }
    SetDefault = new TPanelButton(tr("Set as default"), this);
    SetDefault->useGrooveLook();
    SetDefault->setObjectName(QStringLiteral("SetDefault"));
    SetDefault->setToolTip(tr("Use this font and these line settings for new books"));
    layout->addWidget(SetDefault, 0, Qt::AlignLeft);
    Encoding = new QComboBox(this);
    Encoding->setObjectName(QStringLiteral("Encoding"));
    Encoding->setToolTip(tr("How a text that is not UTF-8 and has no byte-order mark is read; "
                            "Auto: Windows-1252"));
    for (const std::string& name : BookEncodingNames())
        Encoding->addItem(QString::fromStdString(name));
    auto* encodingRow = new QHBoxLayout;
    encodingRow->addWidget(new QLabel(tr("Encoding"), this));
    encodingRow->addWidget(Encoding);
    encodingRow->addStretch(1);
    layout->addLayout(encodingRow);
    layout->addStretch(1);

    connect(Schriftart, QOverload<int>::of(&QComboBox::activated), this,
            [this] { emit fontChosen(Schriftart->currentText().toStdString()); });
    connect(Fontgroesse, QOverload<int>::of(&QComboBox::activated), this,
            [this] { emit sizeChosen(Fontgroesse->currentData().toInt()); });
    connect(ApplyTabWidth, &TPanelButton::clicked, this,
            [this] { emit tabWidthApplied(TabWidth->value()); });
    for (QCheckBox* box : {ZWEntfernen, Punctuation, Einzug})
        connect(box, &QCheckBox::clicked, this, &FileSpecificPage::reportLineBreakOptions);
    connect(SetDefault, &TPanelButton::clicked, this, &FileSpecificPage::setAsDefaultClicked);
    connect(Encoding, QOverload<int>::of(&QComboBox::activated), this,
            [this] { emit encodingChosen(Encoding->currentText().toStdString()); });
}

void FileSpecificPage::setEncoding(const std::string& name) {
    const int index = Encoding->findText(QString::fromStdString(name), Qt::MatchFixedString);
    if (index < 0)
        Encoding->addItem(QString::fromStdString(name)); // a name typed into the file
    Encoding->setCurrentIndex(index < 0 ? Encoding->count() - 1 : index);
}

void FileSpecificPage::setFontList(const std::vector<std::string>& fonts) {
    const QSignalBlocker quiet(Schriftart);
    const QString shown = Schriftart->currentText();
    Schriftart->clear();
    for (const std::string& font : fonts)
        Schriftart->addItem(QString::fromStdString(font));
    Schriftart->setCurrentText(shown);
}

void FileSpecificPage::setValues(const BookSettings& settings) {
    const QSignalBlocker a(Schriftart), b(Fontgroesse), c(TabWidth), d(ZWEntfernen), e(Punctuation),
        f(Einzug);
    Schriftart->setCurrentIndex(Schriftart->findText(QString::fromStdString(settings.fontName)));
    Fontgroesse->setCurrentIndex(Fontgroesse->findData(settings.fontSize));
    TabWidth->setValue(settings.tabWidth);
    ZWEntfernen->setChecked(settings.removeLineBreaks);
    Punctuation->setChecked(settings.checkPunctuationMarks);
    Einzug->setChecked(settings.checkIndentation);
    // The two checks belong to the removal.
    Punctuation->setEnabled(settings.removeLineBreaks);
    Einzug->setEnabled(settings.removeLineBreaks);
}

void FileSpecificPage::reportLineBreakOptions() {
    Punctuation->setEnabled(ZWEntfernen->isChecked());
    Einzug->setEnabled(ZWEntfernen->isChecked());
    emit lineBreakOptionsChanged(ZWEntfernen->isChecked(), Punctuation->isChecked(),
                                 Einzug->isChecked());
}

} // namespace qw
