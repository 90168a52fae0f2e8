#pragma once

#include <QWidget>

namespace platform {

// A label that sizes itself to its caption: its left and top edges stay put,
// it grows and shrinks at the right and bottom. An empty caption measures as
// one blank, so the label never collapses to nothing. While hidden it keeps
// its last size and measures again as it is shown.
class Label : public QWidget {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // The size the caption needs in the label's font.
    QSize captionSize() const;

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* e) override;

private:
    void adjustToCaption();
    QString m_caption;
};

} // namespace platform
