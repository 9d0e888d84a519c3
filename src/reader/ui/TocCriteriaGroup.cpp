#include "reader/ui/TocCriteriaGroup.h"
#include "controls/ui/TPanelButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace qw {

namespace {

QSpinBox* countBox(QWidget* parent, const char* name) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(1, 9);
    return box;
}

} // namespace

TocCriteriaGroup::TocCriteriaGroup(QWidget* parent)
    : QGroupBox(tr("Criteria for identifying TOC sections:"), parent) {
    setObjectName(QStringLiteral("TocCriteria"));
    PreChapter = countBox(this, "PreChapter");
    ChapterLines = countBox(this, "ChapterLines");
    ChapterLines->setToolTip(
        tr("If two sections are closer than that, only the first will be listed"));
    ChapterCountBlank = new QCheckBox(tr("count blank lines"), this);
    ChapterCountBlank->setObjectName(QStringLiteral("ChapterCountBlank"));
    ChapterCountBlank->setToolTip(tr("include blank lines in the number of section header lines"));
    HeaderText = new QLineEdit(this);
    HeaderText->setObjectName(QStringLiteral("HeaderText"));
    AutomaticTOC = new QCheckBox(tr("Automatically create table of contents"), this);
    AutomaticTOC->setObjectName(QStringLiteral("AutomaticTOC"));
    AutomaticTOC->setToolTip(tr("Upon file loading, window resizing, font change ..."));
    ApplyTOC = new TPanelButton(tr("Apply"), this);
    ApplyTOC->useGrooveLook();
    ApplyTOC->setObjectName(QStringLiteral("ApplyTOC"));
    ApplyTOC->setToolTip(tr("Create TOC again"));
    // Kept in the records, without effect on the layout.
    SectionNewPage = new QCheckBox(tr("Start each section on a new page"), this);
    SectionRightPage = new QCheckBox(tr("Always on right page"), this);
    for (QCheckBox* box : {SectionNewPage, SectionRightPage}) {
        box->setEnabled(false);
        box->hide();
    }

    AlwaysListChapters = new QCheckBox(tr("Always list chapter headings"), this);
    AlwaysListChapters->setObjectName(QStringLiteral("AlwaysListChapters"));
    AlwaysListChapters->setToolTip(
        tr("List \"CHAPTER I\", \"BOOK II\", \"PART ONE\" ... even when they are closer than "
           "the header size to the previous section"));
    connect(AlwaysListChapters, &QCheckBox::clicked, this,
            &TocCriteriaGroup::alwaysListChaptersToggled);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Preceding blank lines:"), this), 0, 0);
    grid->addWidget(PreChapter, 0, 1);
    grid->addWidget(new QLabel(tr("Header size:"), this), 1, 0);
    grid->addWidget(ChapterLines, 1, 1);
    grid->addWidget(ChapterCountBlank, 1, 2);
    grid->addWidget(new QLabel(tr("Header contains:"), this), 2, 0);
    grid->addWidget(HeaderText, 2, 1, 1, 2);
    grid->addWidget(AutomaticTOC, 3, 0, 1, 2);
    grid->addWidget(ApplyTOC, 3, 2);
    grid->addWidget(AlwaysListChapters, 4, 0, 1, 3);

    auto changed = [this] { emit criterionChanged(false); };
    connect(PreChapter, &QSpinBox::valueChanged, this, changed);
    connect(ChapterLines, &QSpinBox::valueChanged, this, changed);
    connect(ChapterCountBlank, &QCheckBox::toggled, this, changed);
    connect(AutomaticTOC, &QCheckBox::toggled, this, changed);
    connect(HeaderText, &QLineEdit::textEdited, this, [this] { emit criterionChanged(true); });
    connect(ApplyTOC, &TPanelButton::clicked, this, &TocCriteriaGroup::applyClicked);
    setValues(BookSettings{});
}

void TocCriteriaGroup::setValues(const BookSettings& s) {
    const QSignalBlocker b1(PreChapter), b2(ChapterLines), b3(ChapterCountBlank), b4(HeaderText),
        b5(AutomaticTOC);
    PreChapter->setValue(s.precedingBlankLines);
    ChapterLines->setValue(s.sectionHeaderSize);
    ChapterCountBlank->setChecked(s.countBlankLines);
    HeaderText->setText(QString::fromStdString(s.sectionHeaderContains));
    AutomaticTOC->setChecked(s.automaticToc);
    SectionNewPage->setChecked(s.sectionOnNewPage);
    SectionRightPage->setChecked(s.sectionOnRightPage);
}

void TocCriteriaGroup::setAlwaysListChapters(bool on) {
    const QSignalBlocker quiet(AlwaysListChapters);
    AlwaysListChapters->setChecked(on);
}

void TocCriteriaGroup::writeTo(BookSettings& s) const {
    s.precedingBlankLines = PreChapter->value();
    s.sectionHeaderSize = ChapterLines->value();
    s.countBlankLines = ChapterCountBlank->isChecked();
    s.sectionHeaderContains = HeaderText->text().toStdString();
    s.automaticToc = AutomaticTOC->isChecked();
}

} // namespace qw
