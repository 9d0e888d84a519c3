#include "settings/ui/qt_config_environment.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

namespace qw {

std::string QtConfigEnvironment::programDir() const {
    return QCoreApplication::applicationDirPath().toStdString() + "/";
}

std::string QtConfigEnvironment::userConfigDir() const {
    return UserConfigDirFromEnvironment();
}

std::string QtConfigEnvironment::configDirOverride() const {
    return ConfigDirOverrideFromEnvironment();
}

std::vector<std::string> QtConfigEnvironment::screenFonts() const {
    std::vector<std::string> fonts;
    for (const QString& family : QFontDatabase::families()) {
        // Neither the system's private families nor bitmap-only fonts.
        if (QFontDatabase::isPrivateFamily(family) || !QFontDatabase::isSmoothlyScalable(family))
            continue;
        fonts.push_back(family.toStdString());
    }
    return fonts;
}

std::string QtConfigEnvironment::substituteFont(const std::string& family) const {
    return QFontInfo(QFont(QString::fromStdString(family))).family().toStdString();
}

int QtConfigEnvironment::screenWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : kDesignWidth;
}

int QtConfigEnvironment::screenHeight() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : kDesignHeight;
}

} // namespace qw
