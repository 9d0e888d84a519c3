#include "reader/ui/FindInFilesPart.h"

#include "reader/book.h"
#include "reader/book_loader.h"
#include "reader/ui/FindPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/ReaderContext.h"
#include "settings/configuration.h"
#include "settings/import_settings.h"
#include "tools/book_encodings.h"
#include "tools/ui/TFIFForm.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>

namespace qw {

FindInFilesPart::FindInFilesPart(ReaderContext& context, BookLoader& loader, FindPart& find)
    : QObject(&context.window), context_(context), loader_(loader), find_(find) {}

QString FindInFilesPart::startFolder() const {
    // The open book's folder, else the base folder, else the program's.
    if (context_.book.isOpen())
        return QFileInfo(QString::fromStdString(context_.book.FileName)).absolutePath();
    if (context_.configLoaded) {
        const std::string base = context_.config.settings.BaseDirectory();
        if (!base.empty())
            return QString::fromStdString(base);
    }
    return QCoreApplication::applicationDirPath();
}

void FindInFilesPart::start(const QString& phrase) {
    if (form_ == nullptr) {
        form_ = new TFIFForm(context_.dialogs, &context_.window);
        connect(form_, &QDialog::finished, this, &FindInFilesPart::formFinished);
        form_->completeRequest = [this](FileSearchRequest& request) {
            // What the loading flow would use, taken now: the search runs on
            // a thread of its own and must not read the live settings.
            if (!context_.configLoaded)
                return;
            request.options = ImportOptionsFrom(context_.config.settings, context_.config.state);
            auto encodings =
                std::make_shared<const BookEncodings>(BookEncodings::From(context_.config.file));
            request.encodingOf = [encodings](const std::string& path, const std::string& entry) {
                return encodings->of(path, entry);
            };
        };
    }
    form_->prepare(phrase, find_.caseSensitive(), startFolder());
    form_->open();
}

void FindInFilesPart::formFinished(int result) {
    if (result != TFIFForm::Aborted)
        find_.setSearch(form_->phrase(), form_->caseSensitive());
    if (result != QDialog::Accepted || form_->chosenPath().isEmpty())
        return;
    if (!loader_.openKnownFile(form_->chosenPath().toStdString(),
                               form_->chosenMember().toStdString()))
        return;
    // From the start of the book, so the first hit is shown.
    context_.pages.goToPage(0);
    find_.showPanel();
    find_.findNext();
}

} // namespace qw
