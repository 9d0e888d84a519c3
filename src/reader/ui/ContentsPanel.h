#pragma once
// The contents panel: the list of sections with their pages, the preview of
// the selected section, the "Left" docking box and the "Create" and "Hide"
// buttons. Docked, it sits at the left edge of the reader window and the
// reading area gives it room; floating, it is a tool window of its own.

#include "controls/ui/TPanelButton.h"
#include "reader/sections.h"

#include <QFrame>
#include <QPointF>
#include <QTimer>

#include <vector>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

namespace qw {

class ContentsPanel : public QFrame {
    Q_OBJECT
  public:
    explicit ContentsPanel(QWidget* window);

    // The width the panel takes when docked.
    static int panelWidth();

    // The rows of the list (titles and sections), or none.
    void setRows(const std::vector<SectionRow>& rows);
    void clearRows();
    int rowCount() const;
    // The selected section (0-based), -1 when none.
    int selectedRow() const;
    // Selects and shows the row without a jump.
    void selectRow(int row);

    // Preview box: how many text rows it holds, a wrap engine set to its
    // width and font, and its text.
    int previewMaxRows() const;
    void preparePreviewWrap(ParaWrap& wrap);
    void setPreviewText(const QString& text);
    QString previewText() const;

    // Docked at the left edge of its window, or floating.
    void setDocked(bool docked);
    bool isDocked() const { return docked_; }

    QTableWidget* list() const { return ChapterList; }
    QCheckBox* leftBox() const { return TOCLeft; }
    QTimer& scrollTimer() { return CScrDelay; }

  signals:
    void sectionClicked(int row);
    void rowSelected(int row);
    void createRequested();
    void hideRequested();
    void dockingChanged(bool docked);
    // The preview box changed its size: the preview is built again.
    void previewResized();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void hover(HoverZone zone);
    void scrollTick();
    void followWindow();

    QWidget* window_;
    bool docked_ = false;
    bool placed_ = false; // docked or floating once
    HoverZone zone_ = HoverZone::Elsewhere;
    QPointF lastPointer_{-1e9, -1e9}; // screen position of the last move over the list
    QLabel* title_;
    QCheckBox* TOCLeft;
    TPanelButton* CreateTOC;
    TPanelButton* TOCClose;
    QWidget* ChapterPanelDown;
    QTableWidget* ChapterList;
    QWidget* ChapterPanelUp;
    QPlainTextEdit* ChapterPreview;
    QTimer CScrDelay;
};

} // namespace qw
