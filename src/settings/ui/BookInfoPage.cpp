#include "settings/ui/BookInfoPage.h"

#include "controls/ui/TPanelButton.h"
#include "settings/book_info_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace qw {

namespace {

constexpr int kFieldLength = 255;

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QLineEdit* lineEdit(QWidget* parent, const char* name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

QLabel* factLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

BookInfoPage::BookInfoPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BookInfoPage"));
    auto* grid = new QGridLayout(this);

    title_ = lineEdit(this, "Title", kFieldLength);
    subtitle_ = lineEdit(this, "Subtitle", kFieldLength);
    author_ = lineEdit(this, "Author", kFieldLength);
    const std::pair<BookKey, QLineEdit*> names[] = {
        {BookKey::Title, title_}, {BookKey::Subtitle, subtitle_}, {BookKey::Author, author_}};
    TPanelButton** buttons[] = {&titleButton_, &subtitleButton_, &authorButton_};
    int row = 0;
    for (size_t i = 0; i < 3; ++i) {
        const BookKey key = names[i].first;
        auto* button = new TPanelButton(tr(BookKeyName(key)), this);
        button->useGrooveLook();
        button->setObjectName(QStringLiteral("%1Button").arg(QLatin1String(BookKeyName(key))));
        button->setToolTip(tr("Click to insert the current file name"));
        connect(button, &TPanelButton::clicked, this, [this, key] { insertFileName(key); });
        connect(names[i].second, &QLineEdit::textEdited, this,
                [this, key](const QString& text) { report(key, text); });
        *buttons[i] = button;
        grid->addWidget(button, row, 0);
        grid->addWidget(names[i].second, row, 1, 1, 2);
        ++row;
    }

    rating_ = new QComboBox(this);
    rating_->setObjectName(QStringLiteral("Rating"));
    rating_->addItems({QString(), QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"),
                       QStringLiteral("2"), QStringLiteral("1")});
    connect(rating_, &QComboBox::activated, this,
            [this](int index) { report(BookKey::Rating, rating_->itemText(index)); });
    grid->addWidget(new QLabel(tr("Rating"), this), row, 0);
    grid->addWidget(rating_, row, 1, Qt::AlignLeft);
    ++row;

    categories_ = lineEdit(this, "Categories", kFieldLength);
    connect(categories_, &QLineEdit::textEdited, this,
            [this](const QString& text) { report(BookKey::Categories, text); });
    grid->addWidget(new QLabel(tr("Categories"), this), row, 0);
    grid->addWidget(categories_, row, 1);
    grid->addWidget(new QLabel(tr("(separated by commas)"), this), row, 2);
    ++row;

    source_ = lineEdit(this, "Source", 0);
    sourceButton_ = new TPanelButton(tr("Source"), this);
    sourceButton_->useGrooveLook();
    sourceButton_->setObjectName(QStringLiteral("SourceButton"));
    sourceButton_->setToolTip(tr("Click to open the specified URL"));
    connect(sourceButton_, &TPanelButton::clicked, this, &BookInfoPage::openSource);
    connect(source_, &QLineEdit::textEdited, this,
            [this](const QString& text) { report(BookKey::Source, text); });
    grid->addWidget(sourceButton_, row, 0);
    grid->addWidget(source_, row, 1, 1, 2);
    ++row;

    finished_ = new QCheckBox(tr("Finished reading"), this);
    finished_->setObjectName(QStringLiteral("Finished"));
    connect(finished_, &QCheckBox::clicked, this, [this](bool checked) {
        report(BookKey::Finished, checked ? QStringLiteral("Yes") : QStringLiteral("No"));
    });
    grid->addWidget(finished_, row, 1, Qt::AlignLeft);
    ++row;

    size_ = factLabel(this, "Size");
    created_ = factLabel(this, "Created");
    modified_ = factLabel(this, "Modified");
    lastOpened_ = factLabel(this, "Last opened");
    const std::pair<QString, QLabel*> facts[] = {{tr("Size:"), size_},
                                                 {tr("Created:"), created_},
                                                 {tr("Modified:"), modified_},
                                                 {tr("Last opened:"), lastOpened_}};
    for (const auto& [caption, label] : facts) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(label, row, 1, 1, 2);
        ++row;
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
}

void BookInfoPage::setInfo(const BookInfo& info) {
    // setText and setCurrentIndex do not raise the user-edit signals.
    title_->setText(fromUtf8(info.title));
    subtitle_->setText(fromUtf8(info.subtitle));
    author_->setText(fromUtf8(info.author));
    const int rating = rating_->findText(fromUtf8(info.rating));
    rating_->setCurrentIndex(rating < 0 ? 0 : rating);
    categories_->setText(fromUtf8(info.categories));
    source_->setText(fromUtf8(info.source));
    finished_->setChecked(info.finished);
    setLastOpened(info.lastOpened);
}

void BookInfoPage::setFileFacts(const FileFacts& facts) {
    size_->setText(fromUtf8(facts.size));
    created_->setText(fromUtf8(facts.created));
    modified_->setText(fromUtf8(facts.modified));
}

void BookInfoPage::setLastOpened(const std::string& text) {
    lastOpened_->setText(fromUtf8(text));
}

QLineEdit* BookInfoPage::field(BookKey key) const {
    switch (key) {
    case BookKey::Title:
        return title_;
    case BookKey::Subtitle:
        return subtitle_;
    case BookKey::Author:
        return author_;
    case BookKey::Categories:
        return categories_;
    case BookKey::Source:
        return source_;
    default:
        return nullptr;
    }
}

TPanelButton* BookInfoPage::nameButton(BookKey key) const {
    switch (key) {
    case BookKey::Title:
        return titleButton_;
    case BookKey::Subtitle:
        return subtitleButton_;
    case BookKey::Author:
        return authorButton_;
    default:
        return nullptr;
    }
}

QString BookInfoPage::factText(const char* which) const {
    const QString name = QString::fromLatin1(which);
    for (QLabel* label : {size_, created_, modified_, lastOpened_})
        if (label->objectName() == name)
            return label->text();
    return QString();
}

void BookInfoPage::report(BookKey key, const QString& value) {
    if (onEdited)
        onEdited(key, value.toStdString());
}

void BookInfoPage::insertFileName(BookKey key) {
    if (currentFile_.empty())
        return; // no book open
    QLineEdit* edit = field(key);
    const QString name = fromUtf8(FileTitleOf(currentFile_)).left(kFieldLength);
    edit->setText(name);
    report(key, name);
}

void BookInfoPage::openSource() {
    const std::string address = SourceAddress(source_->text().toStdString());
    if (!address.empty() && onOpenAddress)
        onOpenAddress(address);
}

} // namespace qw
