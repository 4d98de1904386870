#pragma once
// The drawing surface `lvl`: shows the core's frame buffer, wrapped in a
// QImage without copying.
#include <QWidget>

namespace quib {

struct Surface;

class LvlView : public QWidget {
    Q_OBJECT
public:
    explicit LvlView(const Surface &surface, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    const Surface &surface_;
};

} // namespace quib
