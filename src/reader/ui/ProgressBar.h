#pragma once
// Fortschritt: the clickable progress bar. Its filled part FortschrittTeil
// shows how far the left page is into the book; a click jumps there.

#include <QWidget>

namespace qw {

class ProgressBar : public QWidget {
    Q_OBJECT
  public:
    explicit ProgressBar(QWidget* parent = nullptr);

    void setPosition(int leftPage, int pageCount);
    int filledWidth() const;
    static constexpr int kMargin = 2; // the filled part's offset inside the bar

    void setColors(const QColor& bar, const QColor& filled);
    // The blink of automatic turning: the filled part in the bar's colour.
    void setFilledHidden(bool hidden);
    bool filledHidden() const { return filledHidden_; }
    QColor filledColour() const { return filledHidden_ ? bar_ : filled_; }
    // Whether the bar sits below the pages (its hint then opens above the cursor).
    void setBelowText(bool below) { belowText_ = below; }

  signals:
    void pageClicked(int page);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    int pageAt(int x) const;

    int leftPage_ = 0;
    int pageCount_ = 0;
    bool belowText_ = true;
    bool filledHidden_ = false;
    QColor bar_{0xe4, 0xdc, 0xcb};
    QColor filled_{0x8a, 0x6d, 0x45};
};

} // namespace qw
