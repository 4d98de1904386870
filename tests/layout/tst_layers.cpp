// Each folder of src/ is a layer of its own, and every include points down
// or within its folder, never up:
//
//   rom        the ROM file, fixed locations, hex text
//   tables     names and property tables
//   graphics   colours, pattern tiles, pictures, draw options
//   objgfx     the object cell definitions
//   worldmap   the world maps: records, loading, drawing, editing, saving
//   level      the level areas: records, loading, drawing, editing, saving
//   editor     the editor state, the document and its undo stack, settings
//   widgets    widgets shared by every view and dialog
//   dialogs    every dialog and tool window
//   ui         the main window
//
// The demo ROM builder may use the core; no source file includes it.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

// The layer of a file by its path below src/; -1 for files outside layers.
int layerof(const QString &path)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() < 2)
        return -1;
    const QString top = parts[0];
    static const QHash<QString, int> layers = {
        {"rom", 0},    {"tables", 1},  {"graphics", 2}, {"objgfx", 3}, {"worldmap", 4}, {"level", 5},
        {"editor", 6}, {"widgets", 8}, {"dialogs", 9},  {"ui", 10},    {"demorom", 7},
    };
    return layers.value(top, -1);
}

} // namespace

class TestLayers : public QObject {
    Q_OBJECT

private slots:
    void includespointdown()
    {
        const QString src = QStringLiteral(QUIB_SOURCE_DIR "/src/");
        const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""));
        QStringList up;
        int files = 0;
        QDirIterator it(src, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next().mid(src.size());
            const int from = layerof(path);
            if (from < 0)
                continue; // main.cpp: the program itself
            ++files;
            QFile f(it.filePath());
            QVERIFY(f.open(QIODevice::ReadOnly));
            int line = 0;
            while (!f.atEnd()) {
                ++line;
                const auto m = include.match(QString::fromUtf8(f.readLine()));
                if (!m.hasMatch())
                    continue;
                const QString target = m.captured(1);
                const int to = layerof(target);
                // Includes of the file's own folder, and the demo ROM
                // builder, which nothing but the tools and tests may use.
                const bool demo = target.startsWith(QLatin1String("demorom/")) && from != 7;
                if (to > from || demo)
                    up << QStringLiteral("%1:%2 includes %3").arg(path).arg(line).arg(target);
            }
        }
        QVERIFY(files > 100);
        QVERIFY2(up.isEmpty(), qPrintable(up.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestLayers)
#include "tst_layers.moc"
