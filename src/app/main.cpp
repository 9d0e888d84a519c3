// Quirewell: a reader for long plain texts, shown as the two pages of a book.

#include "controls/ui/qt_dialogs.h"
#include "import/allocator_tuning.h"
#include "reader/ui/TForm1.h"
#include "reader/ui/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    qw::TuneAllocatorForLargeTexts();
    QApplication app(argc, argv);
    qw::SetUpApplication();

    qw::QtDialogs dialogs;
    qw::TForm1 form1(dialogs);
    if (!form1.configurationLoaded())
        return 0; // no usable font: the load has said so
    dialogs.setParent(&form1);
    form1.show();
    // The start-up open runs once, after the windows exist and before the loop.
    form1.startupOpen(QApplication::arguments());
    return app.exec();
}
