#pragma once
// The splash window: shown with a progress bar during start-up and again,
// modally, as the About window.
#include <QDialog>
#include <QImage>

class QLabel;

namespace quib {

// The start-up progress bar: a 200 x 13 picture box.
class ProgressBox : public QWidget {
    Q_OBJECT
public:
    explicit ProgressBox(QWidget *parent = nullptr);
    // Dark box, then the done part in amber: loadprogress / 5000 pixels of 200.
    void showprogress(int32_t loadprogress);
    const QImage &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage picture_;
};

class Splash : public QDialog {
    Q_OBJECT
public:
    explicit Splash(QWidget *parent = nullptr);

    ProgressBox *progress() const { return progress_; }
    QLabel *version() const { return version_; }

    // The About window: modal, closed by a click.
    void showabout();

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    ProgressBox *progress_;
    QLabel *version_;
    bool about_ = false;
};

} // namespace quib
