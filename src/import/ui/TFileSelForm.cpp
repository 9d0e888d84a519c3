#include "import/ui/TFileSelForm.h"

#include "controls/ui/TPanelButton.h"
#include "import/folder_files.h"
#include "import/natural_sort.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace qw {

namespace {

constexpr int kFileRole = Qt::UserRole;
constexpr int kCancelFromRight = 30; // pixels between Cancel and the panel's right edge

} // namespace

TFileSelForm::TFileSelForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FileSelForm"));
    setModal(true);

    FileSelList = new QListWidget(this);
    FileSelList->setObjectName(QStringLiteral("FileSelList"));
    FileSelList->setSelectionMode(QAbstractItemView::SingleSelection);
    FileSelList->setDragDropMode(QAbstractItemView::NoDragDrop);
    FileSelList->viewport()->installEventFilter(this);

    BottomPanel = new QWidget(this);
    BottomPanel->setObjectName(QStringLiteral("BottomPanel"));
    BottomPanel->setFixedHeight(44);
    BottomPanel->installEventFilter(this);
    SortButton = new TPanelButton(tr("Sort"), BottomPanel);
    SortButton->setObjectName(QStringLiteral("SortButton"));
    SortButton->setToolTip(tr("Sort the files by name, numbers by value"));
    OKButton = new TPanelButton(tr("OK"), BottomPanel);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new TPanelButton(tr("Cancel"), BottomPanel);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    for (TPanelButton* button : {SortButton, OKButton, CancelButton})
        button->useGrooveLook(); // framed like the buttons of the other dialogs

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FileSelList, 1);
    layout->addWidget(BottomPanel);

    connect(SortButton, &TPanelButton::clicked, this, &TFileSelForm::SortClick);
    connect(OKButton, &TPanelButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &TPanelButton::clicked, this, &QDialog::reject);
    resize(520, 360);
}

void TFileSelForm::setFiles(std::vector<FileRef> files) {
    SortFileList(files);
    files_ = std::move(files);
    FileSelList->clear();
    for (size_t i = 0; i < files_.size(); ++i) {
        const FileRef& file = files_[i];
        auto* item = new QListWidgetItem(
            QString::fromStdString(file.isMember() ? file.entry : file.path), FileSelList);
        item->setData(kFileRole, static_cast<qulonglong>(i));
    }
    if (FileSelList->count() > 0)
        FileSelList->setCurrentRow(0);
    setWindowTitle(QString::number(files_.size()) +
                   tr(" files selected. Drag a filename to change the sort order"));
    draggedRow_ = -1;
    OKButton->setFocus();
}

std::vector<FileRef> TFileSelForm::orderedFiles() const {
    std::vector<FileRef> ordered;
    ordered.reserve(files_.size());
    for (int row = 0; row < FileSelList->count(); ++row)
        ordered.push_back(files_[FileSelList->item(row)->data(kFileRole).toULongLong()]);
    return ordered;
}

void TFileSelForm::SortClick() {
    std::vector<std::string> texts;
    std::vector<QListWidgetItem*> items;
    while (FileSelList->count() > 0) {
        items.push_back(FileSelList->takeItem(0));
        texts.push_back(items.back()->text().toStdString());
    }
    for (size_t index : ArchiveListingOrder(texts))
        FileSelList->addItem(items[index]);
    FileSelList->setCurrentRow(0);
}

bool TFileSelForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == BottomPanel && event->type() == QEvent::Resize) {
        placeButtons();
    } else if (watched == FileSelList->viewport() && dynamic_cast<QMouseEvent*>(event) != nullptr) {
        // Pressing picks a row up; while the button is held the row moves to
        // the row under the mouse, the rows between shifting by one.
        auto* mouse = static_cast<QMouseEvent*>(event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() != Qt::LeftButton)
                break;
            draggedRow_ = FileSelList->indexAt(mouse->position().toPoint()).row();
            if (draggedRow_ >= 0) {
                FileSelList->setCurrentRow(draggedRow_);
                FileSelList->viewport()->setCursor(Qt::DragMoveCursor);
            }
            return true;
        case QEvent::MouseMove: {
            if (draggedRow_ < 0 || !(mouse->buttons() & Qt::LeftButton))
                break;
            const int row = FileSelList->indexAt(mouse->position().toPoint()).row();
            if (row >= 0 && row != draggedRow_) {
                QListWidgetItem* item = FileSelList->takeItem(draggedRow_);
                FileSelList->insertItem(row, item);
                FileSelList->setCurrentItem(item);
                draggedRow_ = row;
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (draggedRow_ >= 0)
                FileSelList->viewport()->unsetCursor();
            draggedRow_ = -1;
            return true;
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// OK is the default button: Enter joins the files in the order shown.
void TFileSelForm::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFileSelForm::placeButtons() {
    const int width = BottomPanel->width();
    const int height = BottomPanel->height();
    const auto centreY = [height](const TPanelButton* b) { return (height - b->height()) / 2; };
    for (TPanelButton* button : {SortButton, OKButton, CancelButton})
        button->resize(button->sizeHint().expandedTo(QSize(80, 0)));
    OKButton->move((width - OKButton->width()) / 2, centreY(OKButton));
    CancelButton->move(width - kCancelFromRight - CancelButton->width(), centreY(CancelButton));
    SortButton->move(kCancelFromRight, centreY(SortButton));
}

} // namespace qw
