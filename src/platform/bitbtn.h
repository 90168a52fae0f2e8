#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace platform {

// A push button that shows one picture and no text. The picture's
// bottom-left pixel names its transparent colour, so the drawing stands on
// the button face.
class BitBtn : public QAbstractButton {
    Q_OBJECT
public:
    explicit BitBtn(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    QSize pictureSize() const { return m_picture.size(); }

    // Where the picture's top-left corner is drawn, from the button's corner.
    QPoint pictureOrigin() const;

    // With visual styles a pressed picture moves right only; the classic
    // look moves it down as well.
    void setVisualStyles(bool on) { m_visualStyles = on; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPixmap m_picture;
    bool m_visualStyles = true;
};

} // namespace platform
