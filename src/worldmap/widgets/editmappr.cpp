#include "worldmap/widgets/editmappr.h"
#include "widgets/valuebar.h"

#include "editor/editorstate.h"
#include "graphics/blit.h"
#include "widgets/lvlview.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace quib {

namespace {

// The preview shows one 48 x 16 strip of the animation picture per frame.
constexpr int animwidth = 48, animheight = 16;
constexpr int previewintervalms = 16; // about one frame per screen refresh

} // namespace

EditMapPr::EditMapPr(EditorState &state, QWidget *parent)
    : QDialog(parent), state_(state), anim_(animwidth, animheight)
{
    setObjectName(QStringLiteral("EditMapPr"));
    setWindowTitle(QStringLiteral("Edit world map properties"));
    setModal(true);

    for (int i = 0; i < 2; ++i) {
        hscroll1_[size_t(i)] = valuebar(this);
        hscroll1_[size_t(i)]->setObjectName(QStringLiteral("HScroll1_%1").arg(i));
        hscroll1_[size_t(i)]->setMinimumWidth(200);
    }
    hscroll1_[0]->setRange(1, lastentry);
    hscroll1_[0]->setPageStep(1);
    hscroll1_[1]->setRange(0, 255);
    hscroll1_[1]->setPageStep(16);

    t0_ = new QLabel(worldlabel(1), this);
    t0_->setObjectName(QStringLiteral("t0"));
    t2_ = new QLabel(palettelabel(0), this);
    t2_->setObjectName(QStringLiteral("t2"));
    auto *t1 = new QLabel(QStringLiteral("Animation speed: (time for each frame)"), this);
    t1->setObjectName(QStringLiteral("t1"));

    auto *speeds = new QHBoxLayout;
    for (int k = 0; k < 4; ++k) {
        QLineEdit *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("s%1").arg(k));
        box->setMaxLength(10);
        box->setFixedWidth(48);
        s_[size_t(k)] = box;
        speeds->addWidget(box);
        connect(box, &QLineEdit::textChanged, this, [this, k](const QString &text) { s_Change(k, text); });
    }
    speeds->addSpacing(12);
    animview_ = new LvlView(anim_, this);
    animview_->setObjectName(QStringLiteral("anim"));
    speeds->addWidget(animview_);
    speeds->addStretch();

    auto *frame1 = new QGroupBox(QStringLiteral("Music"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto *music = new QGridLayout(frame1);
    const char *captions[2] = {"When entering world:", "After going in an area:"};
    for (int i = 0; i < 2; ++i) {
        auto *caption = new QLabel(QString::fromLatin1(captions[i]), frame1);
        caption->setObjectName(QStringLiteral("Label%1").arg(i));
        QListWidget *list = new QListWidget(frame1);
        list->setObjectName(QStringLiteral("List%1").arg(i));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list_[size_t(i)] = list;
        music->addWidget(caption, 0, i);
        music->addWidget(list, 1, i);
        connect(list, &QListWidget::currentRowChanged, this, [this, i](int row) { List_Click(i, row); });
    }

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(t0_);
    layout->addWidget(hscroll1_[0]);
    layout->addWidget(t2_);
    layout->addWidget(hscroll1_[1]);
    layout->addWidget(t1);
    layout->addLayout(speeds);
    layout->addWidget(frame1);
    layout->addLayout(buttons);

    for (int i = 0; i < 2; ++i)
        connect(hscroll1_[size_t(i)], &QScrollBar::valueChanged, this,
                [this, i](int value) { HScroll1_Change(i, value); });
    connect(ok, &QPushButton::clicked, this, &EditMapPr::writeandclose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(previewintervalms);
    connect(timer1_, &QTimer::timeout, this, &EditMapPr::Timer1_Timer);

    readmapprops(state_.rom, props_);
    dolistboxes();
    setvalues(1);
    started_.start();
    previewstep(0);
    timer1_->start();
}

int EditMapPr::entry() const
{
    return hscroll1_[0]->value();
}

void EditMapPr::dolistboxes()
{
    for (QListWidget *list : list_)
        for (const QString &name : state_.names.musicnames)
            list->addItem(name);
}

void EditMapPr::setvalues(int w)
{
    const size_t i = size_t(w - 1);
    setting_ = true;
    t0_->setText(worldlabel(w));
    hscroll1_[0]->setValue(w);
    hscroll1_[1]->setValue(props_.palette[i]);
    t2_->setText(palettelabel(props_.palette[i]));
    for (int k = 0; k < 4; ++k)
        s_[size_t(k)]->setText(QString::number(props_.anim[size_t(k)][i]));
    const uint8_t musics[2] = {props_.entrymusic[i], props_.returnmusic[i]};
    for (int m = 0; m < 2; ++m) {
        QListWidget *list = list_[size_t(m)];
        list->setCurrentRow(musics[m]);
        list->scrollToItem(list->currentItem());
    }
    setting_ = false;
}

void EditMapPr::HScroll1_Change(int index, int value)
{
    if (index == 0) {
        if (!setting_)
            setvalues(value);
        return;
    }
    t2_->setText(palettelabel(value));
    props_.palette[size_t(entry() - 1)] = uint8_t(value);
}

void EditMapPr::s_Change(int k, const QString &text)
{
    if (setting_)
        return;
    // Text that is not a whole number keeps the previous time.
    if (const std::optional<uint8_t> d = animbyte(text))
        props_.anim[size_t(k)][size_t(entry() - 1)] = *d;
}

void EditMapPr::List_Click(int which, int row)
{
    if (setting_ || row < 0 || row > 255)
        return;
    std::array<uint8_t, 256> &table = which == 0 ? props_.entrymusic : props_.returnmusic;
    table[size_t(entry() - 1)] = uint8_t(row);
}

void EditMapPr::previewstep(int64_t ms)
{
    const int f = animframe(props_.animtimes(entry()), animticks(ms));
    blit(anim_, 0, 0, state_.gfx.mapanim, 0, animheight * f, animwidth, animheight);
    animview_->repaint();
}

void EditMapPr::Timer1_Timer()
{
    previewstep(started_.elapsed());
}

void EditMapPr::writeandclose()
{
    QString error;
    if (!writemapprops(state_.rom, props_, &error)) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("The world map properties were not saved.\n\n") + error);
        return;
    }
    timer1_->stop();
    accept();
    colormap(state_.gfx, state_.rom, state_.curworld); // the window redraws
}

} // namespace quib
