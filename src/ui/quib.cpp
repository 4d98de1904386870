#include "ui/quib.h"

#include "editor/romfile.h"
#include "editor/settings.h"
#include "editor/startup.h"
#include "editor/widgets/splash.h"
#include "ui/lvlview.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace quib {

namespace {

QString askwithdialog(QWidget *parent, const QString &title, const QString &label, const QString &initial)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &ok);
    return ok ? answer : QString();
}

} // namespace

QuibWindow::QuibWindow(QWidget *parent) : QMainWindow(parent), romprompt_(askwithdialog)
{
    setObjectName(QStringLiteral("quib"));
    setWindowTitle(QStringLiteral("Quib editor"));

    auto *central = new QWidget(this);
    auto *row = new QHBoxLayout(central);
    lvl_ = new LvlView(state_.lvl, central);
    row->addWidget(lvl_, 0, Qt::AlignTop);

    auto *side = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(central);
        label->setObjectName(QStringLiteral("t%1").arg(i));
        label->setWordWrap(true);
        label->setMinimumWidth(240);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        t_[size_t(i)] = label;
        side->addWidget(label);
    }
    side->addStretch(1);
    save_ = new QPushButton(QStringLiteral("Save"), central);
    save_->setObjectName(QStringLiteral("Save"));
    // Nothing can be edited yet, so there is nothing to save.
    save_->setEnabled(false);
    side->addWidget(save_);
    row->addLayout(side, 1);
    setCentralWidget(central);

    buildmenus();
    splash_ = new Splash(this);
}

QuibWindow::~QuibWindow() = default;

void QuibWindow::buildmenus()
{
    levels_ = menuBar()->addMenu(QStringLiteral("&Levels"));
    levels_->setObjectName(QStringLiteral("Levels"));
    quit_ = levels_->addAction(QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QuibWindow::Quit);
    quit_->setObjectName(QStringLiteral("Quit"));

    QMenu *options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("Options"));
    viewmapsprites_ = options->addAction(QStringLiteral("&View map sprites when not in Map Sprites mode"),
                                         QKeySequence(Qt::CTRL | Qt::Key_V), this,
                                         &QuibWindow::toggleviewmapsprites);
    viewmapsprites_->setObjectName(QStringLiteral("viewmapsprites"));
    viewmapsprites_->setCheckable(true);
    viewlvlbg_ = options->addAction(QStringLiteral("View level &background"), QKeySequence(Qt::CTRL | Qt::Key_B),
                                    this, &QuibWindow::toggleviewlvlbg);
    viewlvlbg_->setObjectName(QStringLiteral("viewlvlbg"));
    viewlvlbg_->setCheckable(true);

    about_ = menuBar()->addAction(QStringLiteral("&About"), this, &QuibWindow::about);
    about_->setObjectName(QStringLiteral("about"));
}

QString QuibWindow::settingsfile() const
{
    return state_.inidir + QString::fromLatin1(settingsname);
}

bool QuibWindow::startup()
{
    // 1. The settings file and the name offered for the ROM.
    state_.inidir = inidir();
    const Settings settings = readsettings(settingsfile());

    // 2. Ask for the ROM; an empty or cancelled answer ends the program.
    const QString answer = romprompt_(this, QStringLiteral("Quib level editor"),
                                      QStringLiteral("Enter the filename and path :"), settings.filename);
    if (answer.isEmpty())
        return false;
    state_.romfile = answer;

    // 3. The splash window with its progress bar.
    state_.loadprogress = 0;
    splash_->version()->setText(versiontext());
    splash_->progress()->show();
    splash_->show();
    splash_->repaint();
    splash_->progress()->showprogress(state_.loadprogress);

    // 4. The ROM must exist and hold something. Nothing is created or deleted.
    if (!romusable(state_.romfile)) {
        splash_->hide();
        QMessageBox::critical(nullptr, QString::fromLatin1(cantopentitle), cantopenmessage(state_.romfile));
        return false;
    }
    const QString sizewarning = romsizewarning(state_.romfile, QFileInfo(state_.romfile).size());
    if (!sizewarning.isEmpty())
        QMessageBox::warning(splash_, QStringLiteral("Unexpected ROM size"), sizewarning);

    // 5.-8. Options, tables and pictures, each behind its progress step.
    runstartup(state_, settings, [this](int32_t value) { splash_->progress()->showprogress(value); });
    viewmapsprites_->setChecked(state_.viewmapsprites);
    viewlvlbg_->setChecked(state_.viewlvlbg);
    state_.title = QStringLiteral("Quib editor -- World ") + QString::number(state_.curworld);
    showview();

    // 9. Idle in map editing mode.
    splash_->progress()->hide();
    splash_->hide();
    return true;
}

void QuibWindow::showview()
{
    for (int i = 0; i < 4; ++i)
        t_[size_t(i)]->setText(state_.t[size_t(i)]);
    if (!state_.title.isEmpty())
        setWindowTitle(state_.title);
    lvl_->update();
}

void QuibWindow::redraw()
{
    showview();
}

void QuibWindow::closeEvent(QCloseEvent *event)
{
    if (!quitting_) {
        QString error;
        if (!writesettings(settingsfile(), state_, &error))
            QMessageBox::warning(this, QStringLiteral("Settings not saved"),
                                 QStringLiteral("Can't write the settings to '%1': %2").arg(settingsfile(), error));
    }
    event->accept();
}

void QuibWindow::Quit()
{
    quitting_ = true;
    close();
    QApplication::quit();
}

void QuibWindow::about()
{
    splash_->showabout();
}

void QuibWindow::toggleviewmapsprites()
{
    state_.viewmapsprites = !state_.viewmapsprites;
    viewmapsprites_->setChecked(state_.viewmapsprites);
    redraw();
}

void QuibWindow::toggleviewlvlbg()
{
    state_.viewlvlbg = viewlvlbg_->isChecked();
    redraw();
}

} // namespace quib
