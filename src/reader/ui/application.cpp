#include "reader/ui/application.h"

#include <QCoreApplication>

namespace qw {

void SetUpApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Quirewell"));
}

} // namespace qw
