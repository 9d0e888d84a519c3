#pragma once
// The reader window's find part: the find panel "Finden" and find next in
// the open book, with the hit selected on its page (across both pages when
// it runs on from the left page), the caption showing the scan's progress,
// Space or Esc stopping it and the question at the end of the book.

#include "controls/ui/TPanelButton.h"
#include "reader/commands.h"

#include <QObject>
#include <QString>

class QCheckBox;
class QComboBox;
class QFrame;
class QTimer;

namespace qw {

class ParaWrap;
struct ReaderContext;
struct TextHit;

class FindPart : public QObject {
    Q_OBJECT
  public:
    // `wrap` makes the display lines; `resizeTimer` is held while a scan runs.
    FindPart(ReaderContext& context, const ParaWrap& wrap, QTimer& resizeTimer);

    bool isOpen() const;
    QFrame* panel() const { return Finden; }
    // The key map's view of the find panel.
    void findKeyState(KeyState& state, const QWidget* focus) const;

    // Ctrl+F: the panel in front with the focus in its field.
    void showPanel();
    // Find next (Enter, F3, "Find"); with no book, offers find in files.
    void findNext();
    // Esc, "Close": both pages' selections cleared, the panel hidden.
    void closePanel();
    // The text of the field and the case flag; find in files sets them back.
    QString text() const;
    bool caseSensitive() const;
    void setSearch(const QString& text, bool caseSensitive);
    // "Quick find": a typed character becomes the find text (opening the
    // panel) or is appended to it.
    void quickFind(const QString& character, bool open);

  signals:
    // "Find in files" with the text of the field.
    void findInFilesRequested(const QString& phrase);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placePanel();
    void rememberText(const QString& text);
    void showHit(const TextHit& hit);

    ReaderContext& context_;
    const ParaWrap& wrap_;
    QTimer& resizeTimer_;

    QFrame* Finden;
    QComboBox* FindText;
    QCheckBox* FindCSens;
    TPanelButton* FindStart;
    TPanelButton* FindInFiles;
    TPanelButton* FindDone;
};

} // namespace qw
