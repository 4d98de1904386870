#include "dialogs/mapproperties.h"

#include "graphics/blit.h"
#include "graphics/graphics.h"
#include "rom/rom.h"
#include "tables/names.h"
#include "widgets/lvlview.h"
#include "widgets/valuebar.h"

#include <QDialogButtonBox>
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

EditMapPr::EditMapPr(Rom &rom, Graphics &gfx, int world, const NameTables &names, QWidget *parent)
    : QDialog(parent), rom_(rom), gfx_(gfx), world_(world), anim_(animwidth, animheight)
{
    setObjectName(QStringLiteral("EditMapPr"));
    setWindowTitle(QStringLiteral("Edit world map properties"));
    setModal(true);

    entryBar_ = valuebar(this);
    entryBar_->setObjectName(QStringLiteral("entryBar"));
    entryBar_->setRange(1, lastentry);
    entryBar_->setPageStep(1);
    paletteBar_ = valuebar(this);
    paletteBar_->setObjectName(QStringLiteral("paletteBar"));
    paletteBar_->setRange(0, 255);
    paletteBar_->setPageStep(16);
    for (QScrollBar *bar : {entryBar_, paletteBar_})
        bar->setMinimumWidth(200);

    entryLabel_ = new QLabel(worldlabel(1), this);
    entryLabel_->setObjectName(QStringLiteral("entryLabel"));
    paletteLabel_ = new QLabel(palettelabel(0), this);
    paletteLabel_->setObjectName(QStringLiteral("paletteLabel"));
    auto *speedcaption = new QLabel(QStringLiteral("Animation speed: (time for each frame)"), this);
    speedcaption->setObjectName(QStringLiteral("speedCaption"));

    auto *speeds = new QHBoxLayout;
    for (int k = 0; k < 4; ++k) {
        QLineEdit *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("frameTimeEdit%1").arg(k));
        box->setMaxLength(10);
        box->setFixedWidth(48);
        frameTimeEdits_[size_t(k)] = box;
        speeds->addWidget(box);
        connect(box, &QLineEdit::textChanged, this, [this, k](const QString &text) { frametimeedited(k, text); });
    }
    speeds->addSpacing(12);
    animview_ = new LvlView(anim_, this);
    animview_->setObjectName(QStringLiteral("anim"));
    speeds->addWidget(animview_);
    speeds->addStretch();

    auto *musicgroup = new QGroupBox(QStringLiteral("Music"), this);
    musicgroup->setObjectName(QStringLiteral("musicGroup"));
    auto *music = new QGridLayout(musicgroup);
    const char *captions[2] = {"When entering world:", "After going in an area:"};
    for (int i = 0; i < 2; ++i) {
        auto *caption = new QLabel(QString::fromLatin1(captions[i]), musicgroup);
        caption->setObjectName(QStringLiteral("musicCaption%1").arg(i));
        QListWidget *list = new QListWidget(musicgroup);
        list->setObjectName(QStringLiteral("musicList%1").arg(i));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        musicLists_[size_t(i)] = list;
        music->addWidget(caption, 0, i);
        music->addWidget(list, 1, i);
        connect(list, &QListWidget::currentRowChanged, this, [this, i](int row) { musicchosen(i, row); });
    }

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(entryLabel_);
    layout->addWidget(entryBar_);
    layout->addWidget(paletteLabel_);
    layout->addWidget(paletteBar_);
    layout->addWidget(speedcaption);
    layout->addLayout(speeds);
    layout->addWidget(musicgroup);
    layout->addWidget(buttons_);

    connect(entryBar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!setting_)
            setvalues(value);
    });
    connect(paletteBar_, &QScrollBar::valueChanged, this, &EditMapPr::choosepalette);
    connect(buttons_, &QDialogButtonBox::accepted, this, &EditMapPr::writeandclose);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    animTimer_ = new QTimer(this);
    animTimer_->setObjectName(QStringLiteral("animTimer"));
    animTimer_->setInterval(previewintervalms);
    connect(animTimer_, &QTimer::timeout, this, &EditMapPr::animate);

    readmapprops(rom_, props_);
    fillmusiclists(names);
    setvalues(1);
    started_.start();
    previewstep(0);
    animTimer_->start();
}

int EditMapPr::entry() const
{
    return entryBar_->value();
}

void EditMapPr::fillmusiclists(const NameTables &names)
{
    for (QListWidget *list : musicLists_)
        for (const QString &name : names.musicnames)
            list->addItem(name);
}

void EditMapPr::setvalues(int w)
{
    const size_t i = size_t(w - 1);
    setting_ = true;
    entryLabel_->setText(worldlabel(w));
    entryBar_->setValue(w);
    paletteBar_->setValue(props_.palette[i]);
    paletteLabel_->setText(palettelabel(props_.palette[i]));
    for (int k = 0; k < 4; ++k)
        frameTimeEdits_[size_t(k)]->setText(QString::number(props_.anim[size_t(k)][i]));
    const uint8_t musics[2] = {props_.entrymusic[i], props_.returnmusic[i]};
    for (int m = 0; m < 2; ++m) {
        QListWidget *list = musicLists_[size_t(m)];
        list->setCurrentRow(musics[m]);
        list->scrollToItem(list->currentItem());
    }
    setting_ = false;
}

void EditMapPr::choosepalette(int value)
{
    paletteLabel_->setText(palettelabel(value));
    props_.palette[size_t(entry() - 1)] = uint8_t(value);
}

void EditMapPr::frametimeedited(int k, const QString &text)
{
    if (setting_)
        return;
    // Text that is not a whole number keeps the previous time.
    if (const std::optional<uint8_t> d = animbyte(text))
        props_.anim[size_t(k)][size_t(entry() - 1)] = *d;
}

void EditMapPr::musicchosen(int which, int row)
{
    if (setting_ || row < 0 || row > 255)
        return;
    std::array<uint8_t, 256> &table = which == 0 ? props_.entrymusic : props_.returnmusic;
    table[size_t(entry() - 1)] = uint8_t(row);
}

void EditMapPr::previewstep(int64_t ms)
{
    const int f = animframe(props_.animtimes(entry()), animticks(ms));
    blit(anim_, 0, 0, gfx_.mapanim, 0, animheight * f, animwidth, animheight);
    animview_->repaint();
}

void EditMapPr::animate()
{
    previewstep(started_.elapsed());
}

void EditMapPr::writeandclose()
{
    QString error;
    if (!writemapprops(rom_, props_, &error)) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("The world map properties were not saved.\n\n") + error);
        return;
    }
    animTimer_->stop();
    accept();
    colormap(gfx_, rom_, world_); // the window redraws
}

} // namespace quib
