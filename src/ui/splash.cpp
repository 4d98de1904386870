#include "ui/splash.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace quib {

ProgressBox::ProgressBox(QWidget *parent) : QWidget(parent), picture_(200, 13, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("progress"));
    setFixedSize(200, 13);
    picture_.fill(QColor(40, 10, 0));
}

void ProgressBox::showprogress(int32_t loadprogress)
{
    QPainter p(&picture_);
    p.fillRect(QRect(QPoint(0, 0), QPoint(200, 13)), QColor(40, 10, 0));
    const int done = std::clamp(loadprogress / 5000, 0, 200);
    if (done > 0)
        p.fillRect(QRect(QPoint(0, 0), QPoint(done, 13)), QColor(240, 180, 30));
    p.end();
    // Start-up runs without returning to the event loop: paint now.
    if (isVisible())
        repaint();
}

void ProgressBox::paintEvent(QPaintEvent *)
{
    QPainter(this).drawImage(0, 0, picture_);
}

Splash::Splash(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(QStringLiteral("Quibed"));
    setFixedSize(360, 200);

    progress_ = new ProgressBox(this);
    progress_->move(80, 150);

    version_ = new QLabel(QStringLiteral("Version x.xx"), this);
    version_->setObjectName(QStringLiteral("version"));
    QFont f(QStringLiteral("Arial"), 9);
    version_->setFont(f);
    version_->setStyleSheet(QStringLiteral("color: rgb(255, 236, 190); background: transparent;"));
    version_->setGeometry(80, 172, 200, 18);
    version_->setAlignment(Qt::AlignCenter);
}

void Splash::paintEvent(QPaintEvent *)
{
    // Our own decoration: a night sky over a row of blocks, and the name.
    QPainter p(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(24, 20, 60));
    sky.setColorAt(1, QColor(90, 40, 30));
    p.fillRect(rect(), sky);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 23; ++i) {
        const int x = i * 16;
        p.setBrush(QColor(170, 90, 40));
        p.drawRect(x, 118, 15, 15);
        p.setBrush(QColor(220, 150, 70));
        p.drawRect(x + 1, 119, 13, 3);
    }
    p.setBrush(QColor(250, 210, 60));
    p.drawEllipse(QPoint(310, 40), 14, 14);
    QFont title(QStringLiteral("Arial"), 28, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(20, 10, 0));
    p.drawText(QRect(2, 22, width(), 60), Qt::AlignHCenter, QStringLiteral("Quibed"));
    p.setPen(QColor(255, 214, 80));
    p.drawText(QRect(0, 20, width(), 60), Qt::AlignHCenter, QStringLiteral("Quibed"));
    QFont sub(QStringLiteral("Arial"), 10);
    p.setFont(sub);
    p.setPen(QColor(230, 230, 255));
    p.drawText(QRect(0, 76, width(), 24), Qt::AlignHCenter, QStringLiteral("World map and level editor"));
}

void Splash::showabout()
{
    about_ = true;
    progress_->hide();
    exec();
    about_ = false;
}

void Splash::mousePressEvent(QMouseEvent *event)
{
    if (about_) {
        accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

} // namespace quib
