#pragma once
// The reader window: holds the one open book and shows it.

#include "reader/book.h"
#include "reader/book_loader.h"
#include "settings/configuration.h"

#include <QWidget>

#include <memory>

class QPlainTextEdit;
class QPushButton;

namespace qw {

class Dialogs;
class FitLinesView;

class TForm1 : public QWidget, private LoadHost {
    Q_OBJECT
  public:
    explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    const Book& book() const { return book_; }
    BookLoader& loader() { return loader_; }

    // Runs once after the windows exist: opens the file named on the command line.
    void startupOpen(const QStringList& arguments);

    QString fontName() const;
    int fontSize() const;

    // The configuration of this run: the store, the options and the loaded values.
    Configuration& configuration() { return *config_; }
    Settings& settings() { return config_->settings; }
    // False when the configuration load ended the program (no usable font).
    bool configurationLoaded() const { return configLoaded_; }

  public slots:
    void LadenClick();
    void AppendClick();
    void SchliessenClick();
    void ReloadClick();
    void SpeichernClick(); // save as (Ctrl+S)
    void UpdateCaption();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // LoadHost
    void showProgress(const std::string& caption) override;
    void setBusy(bool busy) override;
    std::vector<std::string> archiveMembersToOpen(const std::string& archivePath) override;
    std::optional<std::string> extractArchiveMember(const std::string& archivePath,
                                                    const std::string& entry) override;
    ImportOptions importOptions() override;
    void switchOffLineBreakRemoval() override;
    void firstFileLoaded(Book& book, bool appending) override;
    void layOutBook(Book& book) override;
    void bookLoaded(Book& book) override;
    void registerLastRead(const FileRef& file) override;
    void bookClosed(Book& book) override;
    void updateCaption() override { UpdateCaption(); }
    void rememberOpenFolder(const std::string& path) override;

    void showBookText();

    Dialogs& dialogs_;
    std::unique_ptr<Configuration> config_;
    bool configLoaded_ = false;
    Book book_;
    BookLoader loader_;
    std::string openFolder_;
    bool removeSingleLineBreaks_ = true;

    QPushButton* Laden;
    QPushButton* Append;
    QPushButton* Schliessen;
    QPlainTextEdit* BookView;
    FitLinesView* fitView_; // fits the book to BookView and shows its display lines
};

} // namespace qw
