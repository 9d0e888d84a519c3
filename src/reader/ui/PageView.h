#pragma once
// One page of the open book: draws the fitted display lines exactly as fitting
// counted them (no wrapping of its own), with selection and copying.

#include <QWidget>

class QFontMetricsF;
class QPainter;

#include <algorithm>
#include <string>
#include <vector>

namespace qw {

class PageView : public QWidget {
    Q_OBJECT
  public:
    explicit PageView(QWidget* parent = nullptr);

    // The page text in UTF-8, lines separated by CR LF.
    void setPageText(const std::string& utf8);
    void clearPage();
    // Which lines are drawn stretched to the page width ("Justify text");
    // the text, the line count and the selection stay as they are.
    void setJustifiedLines(std::vector<bool> justified);
    QString pageText() const; // the shown lines joined with "\n"

    void setPageFont(const QFont& font);
    void setColors(const QColor& background, const QColor& text);
    void setTabStopDistance(double pixels);
    // Distance from one display line to the next.
    double lineHeight() const;
    int lineCount() const;
    // How wide line `line` is drawn: its natural width, or the page width
    // when it is wider than the page.
    double drawnLineWidth(int line) const;

    // Selection as positions in pageText(); empty when start == end.
    void setSelection(int start, int end);
    void collapseSelection();
    QString selectedText() const;
    bool hasSelection() const { return anchor_ != cursor_; }
    int selectionStart() const { return std::min(anchor_, cursor_); }
    int selectionEnd() const { return std::max(anchor_, cursor_); }

  public slots:
    void copy() const;

  signals:
    void selectionChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int positionAt(const QPointF& point) const;
    // x offset of each character boundary of line `line` (size + 1 entries),
    // as measured and as drawn.
    std::vector<double> naturalBoundaries(int line) const;
    std::vector<double> boundaries(int line) const;
    double lineScale(const std::vector<double>& natural) const;
    int lineStart(int line) const;
    void drawRuns(QPainter& painter, const QString& line, double baseline,
                  const QFontMetricsF& metrics) const;
    // The boundaries of a stretched line; empty when line `line` is drawn as measured.
    std::vector<double> justifiedBoundaries(int line, const std::vector<double>& natural) const;
    void drawWords(QPainter& painter, const QString& line, double baseline,
                   const std::vector<double>& xs) const;

    QStringList lines_;
    QFont font_;
    QColor background_{0xfb, 0xf7, 0xee};
    QColor text_{0x1e, 0x1a, 0x14};
    double tabStop_ = 48;
    int anchor_ = 0;
    int cursor_ = 0;
    bool selecting_ = false; // the left button went down on this page
    std::vector<bool> justified_;
};

} // namespace qw
