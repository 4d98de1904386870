#include "ui/quib.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quibed"));
    quib::QuibWindow window;
    if (!window.startup())
        return 0;
    window.show();
    return app.exec();
}
