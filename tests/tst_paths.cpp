// The path helpers in both separator forms: the Windows ones (backslashes,
// drive roots) are shown here on any platform.
#include "generate/rules.h"
#include "report/paths.h"

#include <QtTest>

class Paths : public QObject
{
    Q_OBJECT

private slots:
    void displayPaths_data();
    void displayPaths();
    void generatedFiles_data();
    void generatedFiles();
};

void Paths::displayPaths_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("dir"); // as the walk holds it
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");

    const QChar back('\\');
    const QChar slash('/');
    QTest::newRow("windows, in the root") << back << "C:/proj" << "C:/proj" << "widget.h" << "widget.h";
    QTest::newRow("windows, two levels down") << back << "C:/proj" << "C:\\proj\\a\\b" << "w.h" << "a\\b\\w.h";
    QTest::newRow("windows, drive root") << back << "C:/" << "C:/" << "widget.h" << "widget.h";
    QTest::newRow("windows, below a drive root") << back << "C:/" << "C:\\sub\\deeper" << "w.h" << "sub\\deeper\\w.h";
    QTest::newRow("unix, in the root") << slash << "/home/p" << "/home/p" << "widget.h" << "widget.h";
    QTest::newRow("unix, two levels down") << slash << "/home/p" << "/home/p/a/b" << "w.h" << "a/b/w.h";
    QTest::newRow("unix, file system root") << slash << "/" << "/" << "widget.h" << "widget.h";
    QTest::newRow("unix, below the file system root") << slash << "/" << "/usr/include" << "w.h" << "usr/include/w.h";
}

void Paths::displayPaths()
{
    QFETCH(QChar, separator);
    QFETCH(QString, root);
    QFETCH(QString, dir);
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(displayPath(joinPath(dir, name, separator), prefixLengthOf(root, separator)), shown);
}

void Paths::generatedFiles_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("dir"); // as QFileInfo::absolutePath gives it
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("command");

    const QChar back('\\');
    QTest::newRow("windows moc")
        << back << int(GeneratorKind::Moc) << "C:/proj/sub" << "widget.h" << "C:\\proj\\sub\\moc_widget.cpp"
        << "moc.exe \"C:\\proj\\sub\\widget.h\" -o \"C:\\proj\\sub\\moc_widget.cpp\"";
    QTest::newRow("windows uic in a drive root")
        << back << int(GeneratorKind::Uic) << "D:/" << "main.window.ui" << "D:\\ui_main.h"
        << "uic.exe \"D:\\main.window.ui\" -o \"D:\\ui_main.h\"";
    QTest::newRow("windows rcc")
        << back << int(GeneratorKind::Rcc) << "C:/p" << "icons.qrc" << "C:\\p\\qrc_icons.cpp"
        << "rcc.exe -name resources \"C:\\p\\icons.qrc\" -o \"C:\\p\\qrc_icons.cpp\"";
    QTest::newRow("unix moc")
        << QChar('/') << int(GeneratorKind::Moc) << "/p/sub" << "w.h" << "/p/sub/moc_w.cpp"
        << "moc.exe \"/p/sub/w.h\" -o \"/p/sub/moc_w.cpp\"";
}

void Paths::generatedFiles()
{
    QFETCH(QChar, separator);
    QFETCH(int, kind);
    QFETCH(QString, dir);
    QFETCH(QString, name);
    QFETCH(QString, output);
    QFETCH(QString, command);
    const auto generator = GeneratorKind(kind);
    const QString input = dir + (dir.endsWith('/') ? "" : "/") + name;
    QCOMPARE(outputPath(generator, dir, name, separator), output);
    QCOMPARE(commandLine(generator, input, output, separator), command);
    const QStringList arguments = generatorArguments(generator, input, output, separator);
    QCOMPARE(arguments.mid(arguments.size() - 3), QStringList({ nativeForm(input, separator), "-o", output }));
}

QTEST_GUILESS_MAIN(Paths)
#include "tst_paths.moc"
