#include "dialogs/levelheader.h"
#include "widgets/valuebar.h"

#include "level/level.h"
#include "tables/names.h"
#include "rom/hex.h"

#include <QCheckBox>
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
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace quib {

namespace {

// The selected item's index, 0 when nothing is selected.
int selectedrow(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? 0 : list->row(items.first());
}

QLabel *caption(const char *text, QWidget *parent) { return new QLabel(QString::fromLatin1(text), parent); }

template <class Items> QStringList texts(const Items &items)
{
    QStringList out;
    for (const auto &item : items)
        out << QString(item);
    return out;
}

QStringList palettes(int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QStringLiteral("Palette %1").arg(i);
    return out;
}

} // namespace

EditLvlHdr::EditLvlHdr(Level &level, Rom &rom, Graphics &gfx, const NameTables &names, bool hdrofs,
                       QWidget *parent)
    : QDialog(parent), level_(level), rom_(rom), gfx_(gfx), edit_(level.lvlhdr, hdrofs)
{
    setObjectName(QStringLiteral("EditLvlHdr"));
    setWindowTitle(QStringLiteral("Edit level header"));
    setModal(true);
    const HdrLists romlists = readhdrlists(rom, names);

    // The linked area.
    auto *linkgroup = new QGroupBox(QStringLiteral("Pointer for next area of level"), this);
    linkgroup->setObjectName(QStringLiteral("linkGroup"));
    objptr_ = new QLineEdit(edit_.objtext(), linkgroup);
    objptr_->setObjectName(QStringLiteral("objptrEdit"));
    enmptr_ = new QLineEdit(edit_.enmtext(), linkgroup);
    enmptr_->setObjectName(QStringLiteral("enmptrEdit"));
    objrange_ = new QLabel(edit_.objrangelabel(), linkgroup);
    objrange_->setObjectName(QStringLiteral("objrangeLabel"));
    enmrange_ = new QLabel(edit_.enmrangelabel(), linkgroup);
    enmrange_->setObjectName(QStringLiteral("enmrangeLabel"));
    objsetlist_ = new QListWidget(linkgroup);
    objsetlist_->setObjectName(QStringLiteral("objsetlist"));
    for (int i = 0; i < 16; ++i)
        objsetlist_->addItem(hexstr(i) + QStringLiteral(" -- ") + names.objsetnames[size_t(i)]);
    objsetlist_->setCurrentRow(edit_.field(HdrField::LinkSet));
    auto *link = new QGridLayout(linkgroup);
    link->addWidget(caption("Objects :", linkgroup), 0, 0);
    link->addWidget(objptr_, 0, 1);
    link->addWidget(objrange_, 0, 2);
    link->addWidget(caption("Enemies :", linkgroup), 1, 0);
    link->addWidget(enmptr_, 1, 1);
    link->addWidget(enmrange_, 1, 2);
    link->addWidget(caption("Object set :", linkgroup), 2, 0, Qt::AlignTop);
    link->addWidget(objsetlist_, 2, 1, 1, 2);

    // The level start.
    auto *startgroup = new QGroupBox(QStringLiteral("Level start"), this);
    startgroup->setObjectName(QStringLiteral("startGroup"));
    QListWidget *action = addlist(HdrField::StartAction, QStringLiteral("startactionList"), texts(startactionitems));
    startx_ = new QLabel(startgroup);
    startx_->setObjectName(QStringLiteral("startxLabel"));
    starty_ = new QLabel(startgroup);
    starty_->setObjectName(QStringLiteral("startyLabel"));
    auto *start = new QGridLayout(startgroup);
    start->addWidget(caption("Action :", startgroup), 0, 0, Qt::AlignTop);
    start->addWidget(action, 0, 1);
    start->addWidget(startx_, 1, 0);
    start->addWidget(addbar(HdrField::StartX, QStringLiteral("startxBar")), 1, 1);
    start->addWidget(starty_, 2, 0);
    start->addWidget(addbar(HdrField::StartY, QStringLiteral("startyBar")), 2, 1);

    length_ = new QLabel(this);
    length_->setObjectName(QStringLiteral("lengthLabel"));
    QScrollBar *length = addbar(HdrField::Length, QStringLiteral("lengthBar"));

    QListWidget *levelcolours = addlist(HdrField::LevelColours, QStringLiteral("levelcoloursList"), palettes(8));
    QListWidget *enemycolours = addlist(HdrField::EnemyColours, QStringLiteral("enemycoloursList"), palettes(4));
    QListWidget *scrolling = addlist(HdrField::Scrolling, QStringLiteral("scrollingList"), texts(scrollingitems));
    QListWidget *graphicset = addlist(HdrField::GraphicSet, QStringLiteral("graphicsetList"), texts(graphicsetitems));
    QListWidget *music = addlist(HdrField::Music, QStringLiteral("musicList"), texts(romlists.music));
    QListWidget *time = addlist(HdrField::Time, QStringLiteral("timeList"), texts(romlists.time));

    QCheckBox *flag4 = addcheck(HdrField::Flag4, QStringLiteral("byte4bit4"), QStringLiteral("?"), QStringLiteral("Header byte 4, bit 4"));
    QCheckBox *flag5 = addcheck(HdrField::Flag5, QStringLiteral("byte5bit7"), QStringLiteral("?"), QStringLiteral("Header byte 5, bit 7"));
    QCheckBox *pipe = addcheck(HdrField::PipeFlag, QStringLiteral("byte6bit7"),
                               QStringLiteral("(off: entering pipe ends level)"), QStringLiteral("Header byte 6, bit 7"));
    QCheckBox *flag84 = addcheck(HdrField::Flag8Bit4, QStringLiteral("byte8bit4"), QStringLiteral("?"), QStringLiteral("Header byte 8, bit 4"));
    QCheckBox *flag85 = addcheck(HdrField::Flag8Bit5, QStringLiteral("byte8bit5"), QString(), QStringLiteral("Header byte 8, bit 5"));

    bytes_ = new QLabel(this);
    bytes_->setObjectName(QStringLiteral("hdrbytesLabel"));
    bytes_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *fields = new QGridLayout;
    int row = 0;
    auto put = [&](const char *text, QWidget *w, QWidget *extra = nullptr) {
        fields->addWidget(caption(text, this), row, 0, Qt::AlignTop);
        fields->addWidget(w, row, 1);
        if (extra)
            fields->addWidget(extra, row, 2, Qt::AlignTop);
        ++row;
    };
    fields->addWidget(length_, row, 0);
    fields->addWidget(length, row, 1);
    fields->addWidget(flag4, row++, 2);
    put("Level colors :", levelcolours, flag5);
    put("Enemy colors :", enemycolours);
    put("Scrolling :", scrolling);
    fields->addWidget(pipe, row++, 1);
    put("Graphic set :", graphicset);
    auto *musicflags = new QVBoxLayout;
    musicflags->addWidget(flag84);
    musicflags->addWidget(flag85);
    musicflags->addStretch();
    put("Music :", music);
    fields->addLayout(musicflags, row - 1, 2);
    put("Time :", time);

    auto *left = new QVBoxLayout;
    left->addWidget(linkgroup);
    left->addWidget(startgroup);
    left->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(fields);

    auto *hdrbytes = new QHBoxLayout;
    hdrbytes->addWidget(caption("Header bytes :", this));
    hdrbytes->addWidget(bytes_);
    hdrbytes->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &EditLvlHdr::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EditLvlHdr::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(hdrbytes);
    layout->addWidget(buttons);

    // Lists show up to six items and their longest one.
    const int scrollbar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (QListWidget *list : findChildren<QListWidget *>()) {
        const int frame = 2 * list->frameWidth();
        list->setFixedHeight(list->sizeHintForRow(0) * std::min(list->count(), 6) + frame);
        list->setMinimumWidth(list->sizeHintForColumn(0) + frame + scrollbar);
        list->scrollToItem(list->currentItem());
    }
    for (QLineEdit *box : {objptr_, enmptr_})
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));

    connect(objsetlist_, &QListWidget::itemSelectionChanged, this, &EditLvlHdr::chooseset);
    connect(objptr_, &QLineEdit::textEdited, this, [this](const QString &text) {
        edit_.setobjtyped(text);
        changed();
    });
    connect(enmptr_, &QLineEdit::textEdited, this, [this](const QString &text) {
        edit_.setenmtyped(text);
        changed();
    });
    changed();
}

QListWidget *EditLvlHdr::addlist(HdrField f, const QString &name, const QStringList &items)
{
    auto *list = new QListWidget(this);
    list->setObjectName(name);
    list->addItems(items);
    list->setCurrentRow(edit_.field(f));
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list, f] {
        edit_.setfield(f, selectedrow(list));
        changed();
    });
    return list;
}

QScrollBar *EditLvlHdr::addbar(HdrField f, const QString &name)
{
    auto *bar = valuebar(this);
    bar->setObjectName(name);
    bar->setRange(0, bitfield(f).max());
    bar->setPageStep(1);
    bar->setMinimumWidth(120);
    bar->setValue(edit_.field(f));
    connect(bar, &QScrollBar::valueChanged, this, [this, f](int value) {
        edit_.setfield(f, value);
        changed();
    });
    return bar;
}

QCheckBox *EditLvlHdr::addcheck(HdrField f, const QString &name, const QString &text, const QString &tip)
{
    auto *box = new QCheckBox(text, this);
    box->setObjectName(name);
    box->setToolTip(tip);
    box->setChecked(edit_.field(f) != 0);
    connect(box, &QCheckBox::toggled, this, [this, f](bool on) {
        edit_.setfield(f, on ? 1 : 0);
        changed();
    });
    return box;
}

void EditLvlHdr::changed()
{
    length_->setText(lengthtext(edit_.field(HdrField::Length)));
    startx_->setText(startxtext(edit_.field(HdrField::StartX)));
    starty_->setText(startytext(edit_.field(HdrField::StartY)));
    bytes_->setText(edit_.bytestext());
}

void EditLvlHdr::chooseset()
{
    const int set = selectedrow(objsetlist_);
    if (set == edit_.field(HdrField::LinkSet))
        return;
    edit_.chooseset(set);
    objrange_->setText(edit_.objrangelabel());
    objptr_->setText(edit_.objtext());
    changed();
}

void EditLvlHdr::accept()
{
    LevelHeader hdr;
    QString message;
    if (!edit_.result(hdr, &message)) {
        QMessageBox::warning(this, windowTitle(), message);
        return;
    }
    QString error;
    if (!applylevelheader(level_, rom_, gfx_, hdr, &error)) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The level header was not saved.\n\n") + error);
        return;
    }
    QDialog::accept();
}

} // namespace quib
