#include "catalogue/ui/DownloadDialogs.h"

#include "controls/ui/TPanelButton.h"
#include "settings/ui/colour_scheme_ui.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qw {

namespace {

TPanelButton* Button(const QString& text, const char* name, QDialog& dialog) {
    auto* button = new TPanelButton(text, &dialog);
    button->setObjectName(QLatin1String(name));
    button->setMinimumSize(75, 21);
    button->useGrooveLook();
    return button;
}

// OK is the default button: Enter that no control takes closes the dialog as OK.
class EnterAccepts : public QObject {
  public:
    explicit EnterAccepts(QDialog& dialog) : QObject(&dialog), dialog_(dialog) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            key->modifiers() != Qt::NoModifier)
            return false;
        dialog_.accept();
        return true;
    }

  private:
    QDialog& dialog_;
};

// OK left of the centre and Cancel right of it, 5 pixels from the centre.
QHBoxLayout* OkCancelRow(QDialog& dialog) {
    TPanelButton* ok = Button(QObject::tr("OK"), "OK", dialog);
    TPanelButton* cancel = Button(QObject::tr("Cancel"), "Cancel", dialog);
    dialog.installEventFilter(new EnterAccepts(dialog));
    QObject::connect(ok, &TPanelButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &TPanelButton::clicked, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addSpacing(10);
    row->addWidget(cancel);
    row->addStretch(1);
    return row;
}

// A press on a row chooses it and closes the list as OK.
class RowPressCloses : public QObject {
  public:
    RowPressCloses(QTableWidget& table, QDialog& dialog)
        : QObject(&dialog), table_(table), dialog_(dialog) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress)
            return false;
        const auto* press = static_cast<QMouseEvent*>(event);
        const int row = table_.rowAt(press->position().toPoint().y());
        if (press->button() != Qt::LeftButton || row < 0)
            return false;
        table_.selectRow(row);
        dialog_.accept();
        return true;
    }

  private:
    QTableWidget& table_;
    QDialog& dialog_;
};

} // namespace

std::optional<std::string> ChooseAvailableFile(const DownloadEntry& entry, QWidget* parent) {
    if (entry.foundNames.empty())
        return std::nullopt;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("AvailableFiles"));
    dialog.setWindowTitle(QStringLiteral("%1 files available").arg(entry.foundNames.size()));
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    SetColourRole(dialog, ColourRole::Window);

    auto* table = new QTableWidget(static_cast<int>(entry.foundNames.size()), 3, &dialog);
    table->setObjectName(QStringLiteral("AvailableList"));
    SetColourRole(*table, ColourRole::List);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setShowGrid(false);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    const std::vector<std::string>* columns[] = {&entry.foundNames, &entry.foundSizes,
                                                 &entry.foundDates};
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < table->rowCount(); ++r) {
            const std::vector<std::string>& values = *columns[c];
            auto* item = new QTableWidgetItem(QString::fromStdString(
                static_cast<size_t>(r) < values.size() ? values[static_cast<size_t>(r)] : ""));
            if (c == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->selectRow(0);
    table->viewport()->installEventFilter(new RowPressCloses(*table, dialog));

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(table);
    layout->addLayout(OkCancelRow(dialog));
    const int width =
        std::max(400, table->columnWidth(0) + table->columnWidth(1) + table->columnWidth(2) + 40);
    const int rows = std::min(table->rowCount(), 16);
    dialog.resize(width, rows * table->verticalHeader()->defaultSectionSize() + 80);
    if (QScreen* screen = dialog.screen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    ApplyColourScheme(dialog);
    if (dialog.exec() != QDialog::Accepted || table->currentRow() < 0)
        return std::nullopt;
    return table->item(table->currentRow(), 0)->text().toStdString();
}

std::optional<IndexChoice> ChooseIndexFiles(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("IndexFiles"));
    dialog.setWindowTitle(QObject::tr("Download the latest index file(s)"));
    SetColourRole(dialog, ColourRole::Window);
    auto* usa = new QCheckBox(QObject::tr("PG USA"), &dialog);
    usa->setObjectName(QStringLiteral("PGUSA"));
    usa->setChecked(true);
    auto* australia = new QCheckBox(QObject::tr("PG Australia"), &dialog);
    australia->setObjectName(QStringLiteral("PGAustralia"));
    auto* boxes = new QHBoxLayout;
    boxes->addStretch(1);
    boxes->addWidget(usa);
    boxes->addSpacing(40);
    boxes->addWidget(australia);
    boxes->addStretch(1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(boxes);
    layout->addStretch(1);
    layout->addLayout(OkCancelRow(dialog));
    dialog.resize(300, 100);
    ApplyColourScheme(dialog);
    if (dialog.exec() != QDialog::Accepted || (!usa->isChecked() && !australia->isChecked()))
        return std::nullopt;
    return IndexChoice{usa->isChecked(), australia->isChecked()};
}

} // namespace qw
