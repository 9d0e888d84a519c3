#pragma once
// TPanelButton: a flat panel that behaves as a button and lights up under the
// mouse. Every button of the program is one. The bevel, fill and caption rules
// are in controls/panel_button.h; this class keeps the state and paints.

#include "controls/panel_button.h"

#include <QColor>
#include <QIcon>
#include <QWidget>

namespace qw {

class TPanelButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QColor HLColor READ HLColor WRITE setHLColor)
    Q_PROPERTY(QColor HLFrameColor READ HLFrameColor WRITE setHLFrameColor)
    Q_PROPERTY(QColor HLTextColor READ HLTextColor WRITE setHLTextColor)
    Q_PROPERTY(QColor DownColor READ DownColor WRITE setDownColor)
    Q_PROPERTY(QColor DownTextColor READ DownTextColor WRITE setDownTextColor)
    Q_PROPERTY(bool HLShowFrame READ HLShowFrame WRITE setHLShowFrame)
    Q_PROPERTY(bool HLShowRect READ HLShowRect WRITE setHLShowRect)
    Q_PROPERTY(bool Down READ Down WRITE setDown)

  public:
    explicit TPanelButton(QWidget* parent = nullptr);
    TPanelButton(const QString& text, QWidget* parent);
    ~TPanelButton() override;

    // The caption; "&" marks the access letter (Alt+letter clicks the button).
    QString text() const { return text_; }
    void setText(const QString& text);
    QIcon icon() const { return icon_; }
    void setIcon(const QIcon& icon);
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);

    // An invalid colour follows the palette: the button face for HLColor and
    // DownColor, the button text for HLTextColor and DownTextColor.
    QColor HLColor() const { return hlColor_; }
    void setHLColor(const QColor& colour);
    QColor HLFrameColor() const { return hlFrameColor_; }
    void setHLFrameColor(const QColor& colour);
    QColor HLTextColor() const { return hlTextColor_; }
    void setHLTextColor(const QColor& colour);
    QColor DownColor() const { return downColor_; }
    void setDownColor(const QColor& colour);
    QColor DownTextColor() const { return downTextColor_; }
    void setDownTextColor(const QColor& colour);
    bool HLShowFrame() const { return hlShowFrame_; }
    void setHLShowFrame(bool show);
    bool HLShowRect() const { return hlShowRect_; }
    void setHLShowRect(bool show);
    // Keeps the button drawn pressed (a toggle that is on).
    bool Down() const { return state_.down; }
    void setDown(bool down);
    TRaiseStyle RaiseStyle() const { return raiseStyle_; }
    void setRaiseStyle(TRaiseStyle style);

    // The highlight look of the menu commands: a filled face in the selection
    // colours, no bevels.
    void useMenuLook();
    // The look of the tool buttons: a groove with a black frame under the mouse.
    void useGrooveLook();

    PanelButtonState state() const { return state_; }
    Bevels bevels() const { return ChooseBevels(raiseStyle_, state_); }
    void click();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void clicked();
    void OnMouseEnter();
    void OnMouseLeave();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    template <typename T> void assign(T& field, const T& value);
    void setPressed(bool pressed);
    void setInside(bool inside);
    void grabMnemonic();
    QColor faceColour() const;
    QColor captionColour() const;
    int lineCount() const;
    int contentWidth() const;

    QString text_;
    QIcon icon_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    QColor hlColor_;
    QColor hlFrameColor_{0, 0, 0x80}; // navy
    QColor hlTextColor_;
    QColor downColor_;
    QColor downTextColor_;
    bool hlShowFrame_ = false;
    bool hlShowRect_ = false;
    TRaiseStyle raiseStyle_ = TRaiseStyle::rsFlat;
    PanelButtonState state_;
    bool clickArmed_ = false; // pressed by the mouse here: a release inside clicks
    int shortcutId_ = 0;
};

} // namespace qw
