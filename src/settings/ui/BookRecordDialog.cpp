#include "settings/ui/BookRecordDialog.h"

#include "settings/ui/AnnotationPage.h"
#include "settings/ui/BookInfoPage.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qw {

BookRecordDialog::BookRecordDialog(IniListBinding binding, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BookRecordDialog"));
    setWindowTitle(tr("Book info"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    info_ = new BookInfoPage(tabs_);
    annotation_ = new AnnotationPage(tabs_);
    iniList_ = new IniFileListPage(std::move(binding), tabs_);
    tabs_->addTab(info_, tr("Book info"));
    tabs_->addTab(annotation_, tr("Annotation"));
    tabs_->addTab(iniList_, tr("INI file"));
    layout->addWidget(tabs_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 460);
}

} // namespace qw
