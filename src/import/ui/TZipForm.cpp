#include "import/ui/TZipForm.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

namespace qw {

namespace {

const char* const kCaption = "Archive Contents";
constexpr int kEntryRole = Qt::UserRole;

} // namespace

TZipForm::TZipForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ZipForm"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setModal(true);

    Label =
        new QLabel(tr("Double click to open one file, or select file(s) and press Return"), this);
    Label->setObjectName(QStringLiteral("Label"));
    ZipList = new QListWidget(this);
    ZipList->setObjectName(QStringLiteral("ZipList"));
    ZipList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ZipList->setToolTip(tr("Double click to open one of the files in this archive"));
    ZipList->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(Label);
    layout->addWidget(ZipList, 1);

    connect(ZipList, &QListWidget::itemDoubleClicked, this, &TZipForm::ZipListDblClick);
    resize(342, 300);
}

void TZipForm::setListing(const std::string& archivePath, const std::vector<std::string>& entries,
                          const std::string& preselect) {
    setWindowTitle(QString::fromStdString(archivePath));
    ZipList->clear();
    int caret = 0;
    for (const std::string& entry : entries) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry), ZipList);
        item->setData(kEntryRole, QByteArray(entry.data(), static_cast<qsizetype>(entry.size())));
        if (!preselect.empty() && entry == preselect)
            caret = ZipList->count() - 1;
    }
    if (ZipList->count() > 0)
        ZipList->setCurrentRow(caret, QItemSelectionModel::NoUpdate);
    ZipList->clearSelection();
    ZipList->setFocus();
}

std::vector<std::string> TZipForm::selectedEntries() const {
    std::vector<std::string> chosen;
    for (int row = 0; row < ZipList->count(); ++row) {
        const QListWidgetItem* item = ZipList->item(row);
        if (item->isSelected())
            chosen.push_back(item->data(kEntryRole).toByteArray().toStdString());
    }
    return chosen;
}

void TZipForm::setColors(const QColor& text, const QColor& background) {
    for (QWidget* widget : {static_cast<QWidget*>(this), static_cast<QWidget*>(ZipList),
                            static_cast<QWidget*>(Label)}) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }
}

bool TZipForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ZipList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TZipForm::done(int result) {
    QDialog::done(result);
    setWindowTitle(QString::fromLatin1(kCaption));
}

void TZipForm::ZipListDblClick(QListWidgetItem* item) {
    if (item == nullptr)
        return;
    item->setSelected(true);
    accept();
}

std::vector<std::string> ShowArchiveContents(QWidget* owner, const std::string& archivePath,
                                             const std::vector<std::string>& listing,
                                             const std::string& preselect) {
    static QPointer<TZipForm> form;
    if (form.isNull())
        form = new TZipForm(owner);
    form->setListing(archivePath, listing, preselect);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->availableGeometry();
        form->move(desktop.center() - form->rect().center());
    }
    if (form->exec() != QDialog::Accepted)
        return {};
    return form->selectedEntries();
}

} // namespace qw
