#include "controls/ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace qw {

namespace {
QString u(const std::string& s) {
    return QString::fromStdString(s);
}
QString title() {
    return QApplication::applicationDisplayName();
}

// The input dialog selects its value as it shows, and the field selects it
// again when the dialog gives it the focus; this puts the caret after the
// value instead, once, as the dialog opens.
class CaretAfterValue : public QObject {
  public:
    explicit CaretAfterValue(QLineEdit* edit) : QObject(edit), edit_(edit) {
        edit->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != edit_ || event->type() != QEvent::FocusIn)
            return QObject::eventFilter(watched, event);
        edit_->removeEventFilter(this);
        static_cast<QObject*>(edit_)->event(event); // the field takes the focus first
        edit_->end(false);
        return true;
    }

  private:
    QLineEdit* edit_;
};

} // namespace

QString MessageText(const std::string& text) {
    QString s = u(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QStringList ToQtNameFilters(const std::string& filters) {
    const QStringList parts = u(filters).split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        result << parts[i] + QStringLiteral(" (") + patterns + QStringLiteral(")");
    }
    return result;
}

void QtDialogs::information(const std::string& text) {
    QMessageBox::information(parent_, title(), MessageText(text));
}
void QtDialogs::warning(const std::string& text) {
    QMessageBox::warning(parent_, title(), MessageText(text));
}
void QtDialogs::error(const std::string& text) {
    QMessageBox::critical(parent_, title(), MessageText(text));
}

bool QtDialogs::askYesNo(const std::string& text) {
    return QMessageBox::question(parent_, title(), MessageText(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtDialogs::askOkCancel(const std::string& text) {
    return QMessageBox::question(parent_, title(), MessageText(text),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

Choice QtDialogs::askChoice(const std::string& text, const std::vector<Choice>& buttons) {
    QMessageBox box(QMessageBox::Question, title(), MessageText(text), QMessageBox::NoButton,
                    parent_);
    std::vector<std::pair<QAbstractButton*, Choice>> made;
    for (Choice c : buttons) {
        const QMessageBox::StandardButton b = c == Choice::Yes      ? QMessageBox::Yes
                                              : c == Choice::No     ? QMessageBox::No
                                              : c == Choice::Abort  ? QMessageBox::Abort
                                              : c == Choice::Cancel ? QMessageBox::Cancel
                                                                    : QMessageBox::YesToAll;
        QAbstractButton* button = box.addButton(b);
        if (c == Choice::All)
            button->setText(QObject::tr("All"));
        made.emplace_back(button, c);
    }
    box.exec();
    for (const auto& [button, choice] : made)
        if (box.clickedButton() == button)
            return choice;
    return Choice::No;
}

std::optional<std::string> QtDialogs::inputLine(const InputLineRequest& request) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(u(request.title));
    dialog.setLabelText(MessageText(request.prompt));
    dialog.setTextValue(u(request.value));
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
        if (request.maxLength > 0)
            edit->setMaxLength(request.maxLength);
        if (request.caretAfterValue)
            new CaretAfterValue(edit); // owned by the field
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

std::vector<std::string> QtDialogs::chooseOpenFiles(const OpenFilesRequest& request) {
    QFileDialog dialog(parent_, u(request.title), u(request.initialFolder));
    dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    const QStringList filters = ToQtNameFilters(request.filters);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.defaultName.empty())
        dialog.selectFile(u(request.defaultName));
    std::vector<std::string> paths;
    if (dialog.exec() == QDialog::Accepted)
        for (const QString& file : dialog.selectedFiles())
            paths.push_back(file.toStdString());
    return paths;
}

std::optional<SaveFileChoice> QtDialogs::chooseSaveFile(const SaveFileRequest& request) {
    QFileDialog dialog(parent_, u(request.title), u(request.initialFolder));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The save command asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = ToQtNameFilters(request.filters);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.defaultName.empty())
        dialog.selectFile(u(request.defaultName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    SaveFileChoice choice;
    choice.path = dialog.selectedFiles().first().toStdString();
    choice.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return choice;
}

std::string QtDialogs::chooseFolder(const std::string& dialogTitle, const std::string& initial) {
    return QFileDialog::getExistingDirectory(parent_, u(dialogTitle), u(initial)).toStdString();
}

} // namespace qw
