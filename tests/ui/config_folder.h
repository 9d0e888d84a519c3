#pragma once
// A fresh configuration folder for every test function of a window test:
// QUIREWELL_CONFIG_DIR names it while the function runs, and the fallback
// folder ($XDG_CONFIG_HOME) points into a temporary home, so no test ever
// reads or writes the user's own Quirewell.ini.
//
//   void init() { QVERIFY(config_.begin()); }
//   void cleanup() { config_.end(); }

#include <QTemporaryDir>
#include <QtGlobal>

#include <memory>

namespace qw::test {

class ConfigFolder {
  public:
    bool begin() {
        if (!home_.isValid())
            return false;
        qputenv("XDG_CONFIG_HOME", home_.path().toUtf8());
        folder_ = std::make_unique<QTemporaryDir>();
        if (!folder_->isValid())
            return false;
        qputenv("QUIREWELL_CONFIG_DIR", folder_->path().toUtf8());
        return true;
    }
    void end() {
        qunsetenv("QUIREWELL_CONFIG_DIR");
        folder_.reset();
    }

    QString path() const { return folder_->path(); }
    QString filePath(const QString& name) const { return folder_->filePath(name); }
    QString iniPath() const { return filePath(QStringLiteral("Quirewell.ini")); }

  private:
    QTemporaryDir home_;
    std::unique_ptr<QTemporaryDir> folder_;
};

} // namespace qw::test
