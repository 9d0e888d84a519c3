#include "settings/ui/AnnotationPage.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace qw {

namespace {

// The memos show LF line breaks; the record keeps CR LF.
QString toDisplay(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

std::string fromDisplay(const QString& text) {
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return stored.toStdString();
}

} // namespace

AnnotationPage::AnnotationPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AnnotationPage"));
    auto* layout = new QVBoxLayout(this);
    const std::pair<BookKey, QString> memos[] = {
        {BookKey::Synopsis, tr("Synopsis")},
        {BookKey::AdditionalInformation, tr("Additional information")},
        {BookKey::Remarks, tr("Personal remarks / notes")}};
    QPlainTextEdit** edits[] = {&synopsis_, &additional_, &remarks_};
    for (size_t i = 0; i < 3; ++i) {
        const BookKey key = memos[i].first;
        auto* edit = new QPlainTextEdit(this);
        edit->setObjectName(QString::fromLatin1(BookKeyName(key)));
        auto* label = new QLabel(memos[i].second, this);
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit, 1);
        connect(edit, &QPlainTextEdit::textChanged, this, [this, key] { changed(key); });
        *edits[i] = edit;
    }
}

void AnnotationPage::setInfo(const BookInfo& info) {
    filling_ = true;
    synopsis_->setPlainText(toDisplay(info.synopsis));
    additional_->setPlainText(toDisplay(info.additionalInformation));
    remarks_->setPlainText(toDisplay(info.remarks));
    filling_ = false;
}

QPlainTextEdit* AnnotationPage::memo(BookKey key) const {
    switch (key) {
    case BookKey::Synopsis:
        return synopsis_;
    case BookKey::AdditionalInformation:
        return additional_;
    case BookKey::Remarks:
        return remarks_;
    default:
        return nullptr;
    }
}

void AnnotationPage::changed(BookKey key) {
    // Only the user's typing is written, not the filling from a record.
    if (filling_ || !onEdited)
        return;
    onEdited(key, fromDisplay(memo(key)->toPlainText()));
}

} // namespace qw
