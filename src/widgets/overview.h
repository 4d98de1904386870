#pragma once
// The overview strip: the whole world map or level area, scaled down to the
// strip, with the part the view shows outlined. A press or a drag in it asks
// to bring the block under the pointer to the middle of the view.
#include <QImage>
#include <QRect>
#include <QWidget>

namespace quib {

struct Surface;

class Overview : public QWidget {
    Q_OBJECT
public:
    explicit Overview(QWidget *parent = nullptr);

    // The whole picture (at full size or reduced), `blocks` wide and high;
    // an upright picture (a vertical area) lies beside the view, any other
    // below it.
    void setpicture(const Surface &whole, QSize blocks);
    bool upright() const { return blocks_.height() > blocks_.width(); }
    // The blocks the view shows, outlined.
    void setshown(const QRect &blocks);
    QRect shown() const { return shown_; }
    // Where the picture lies in the strip (widget pixels).
    QRect picturerect() const;

signals:
    void scrollto(int col, int row); // the block to bring to the view's middle

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void fitstrip();
    void pick(const QPointF &at);

    QImage whole_;  // the picture as drawn, about the strip's size or larger
    QImage scaled_; // the picture at the strip's size, made when either changes
    QSize blocks_{16, 15};
    QRect shown_;
};

} // namespace quib
