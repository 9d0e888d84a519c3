#pragma once
// The drawn title page shown in place of the left page on page 0.

#include "reader/title_page.h"

#include <QWidget>

namespace qw {

class TitlePageView : public QWidget {
    Q_OBJECT
  public:
    explicit TitlePageView(QWidget* parent = nullptr);

    void setBook(const TitlePageInput& input); // width, height come from the widget
    void setPageFont(const QFont& font);
    void setColors(const QColor& background, const QColor& text);
    const std::vector<TitleItem>& items() const { return items_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void relayout();

    TitlePageInput input_;
    QFont font_;
    QColor background_{0xfb, 0xf7, 0xee};
    QColor text_{0x1e, 0x1a, 0x14};
    std::vector<TitleItem> items_;
};

// Title page measurements with a Qt font at any point size.
class QtTitleMetrics : public TitleMetrics {
  public:
    explicit QtTitleMetrics(const QFont& font) : font_(font) {}
    double textWidth(const std::string& text, int pointSize, bool italic) const override;
    double mgHeight(int pointSize) const override;
    double lineHeight(int pointSize) const override;
    std::vector<std::string> wrap(const std::string& text, double width,
                                  int pointSize) const override;
    QFont fontAt(int pointSize, bool italic) const;

  private:
    QFont font_;
};

} // namespace qw
