#pragma once
// TMyHintWindow: the program's hint window, with a thin etched edge. One
// instance shows every tooltip of the application (InstallHintWindow), for
// 500 ms plus 40 ms per character; a window may keep an instance of its own
// for information it shows until its text is emptied.

#include <QString>
#include <QTimer>
#include <QWidget>

class QAbstractItemView;

namespace qw {

class TMyHintWindow : public QWidget {
    Q_OBJECT

  public:
    explicit TMyHintWindow(QWidget* parent = nullptr);

    QString text() const { return text_; }
    // Shows the text near the global position (kept on the screen). A display
    // time of 0 keeps it up until hidden or emptied.
    void ActivateHint(const QPoint& globalPos, const QString& text, int displayMs = 0);
    // An empty text hides the window; another text replaces the shown one.
    void setText(const QString& text);
    int displayTime() const { return displayMs_; }
    // The timer that ends the display: tests trigger it instead of waiting.
    QTimer& hideTimer() { return hideTimer_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    int displayMs_ = 0;
    QTimer hideTimer_;
};

// Makes one TMyHintWindow show the tooltips of every widget and item view of
// the application, each for HintDisplayMs of its text. Idempotent.
void InstallHintWindow();
// The application's hint window, or nullptr before InstallHintWindow.
TMyHintWindow* ApplicationHintWindow();
// The main window's own hint window, in "Tahoma" on the info background, for
// the full paths of list entries and the INI file list information. It stays
// until its text is emptied; leaving the application empties it. Installs
// the application's hint window when needed.
TMyHintWindow* InfoHintWindow();

} // namespace qw
