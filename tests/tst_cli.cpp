// kelvor as its users meet it: the built program run in temporary trees, with
// fake generators first on PATH.
#include "widetext.h"

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using Files = QVector<QPair<QString, QByteArray>>;
Q_DECLARE_METATYPE(Files)

namespace {

const QByteArray withMarker = "#include <QObject>\nclass W : public QObject\n{\n    Q_OBJECT\n};\n";

// Expectations take Windows forms when the program under test is the Windows
// build, run under wine: KELVOR_TEST_WINDOWS set, KELVOR_EXE and FAKEGEN_EXE
// naming the .exe files and KELVOR_RUNNER the program that starts them.
bool windowsForms()
{
    return qEnvironmentVariableIsSet("KELVOR_TEST_WINDOWS");
}

QString eol()
{
    return windowsForms() ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

// A path below the root as messages show it.
QString shown(const QString &relative)
{
    return windowsForms() ? QString(relative).replace(QLatin1Char('/'), QLatin1Char('\\')) : relative;
}

// An absolute path as the program hands it to a generator and logs it.
QString native(const QString &absolute)
{
    return windowsForms() ? QLatin1String("Z:") + shown(absolute) : absolute;
}

// Console bytes as text: UTF-8 here; on Windows the ANSI code page, which
// wine makes Windows-1252 (Latin-1 for every character the tests use).
QString consoleText(const QByteArray &bytes)
{
    return windowsForms() ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
}

// Text as the console shows it: on Windows a character outside the ANSI code
// page becomes a question mark.
QString onConsole(const QString &text)
{
    if (!windowsForms())
        return text;
    QString shown = text;
    for (QChar &c : shown) {
        if (c.unicode() > 0xFF)
            c = QLatin1Char('?');
    }
    return shown;
}

// Message lines as standard output holds them.
QString messages(const QStringList &texts)
{
    QString out;
    for (const QString &text : texts)
        out += QLatin1String("kelvor : ") + text + eol();
    return out;
}

QString reminder(const QString &output)
{
    return QLatin1String("you have to add ") + shown(output) + QLatin1String(" to your project");
}

void writeFile(const QString &path, const QByteArray &content = QByteArray())
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(content);
}

void setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadWrite), qPrintable(path));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Result {
    int status = -1; // -1 also when it was killed
    QString out;
    QString err;
    QString log;
    QList<QStringList> calls; // each: generator name, then its arguments
};

// Lines of standard output that report found inputs.
QStringList foundLines(const QString &out)
{
    QStringList found;
    for (const QString &line : out.split(eol(), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("kelvor : found ")))
            found << line.mid(int(qstrlen("kelvor : ")));
    }
    return found;
}

} // namespace

class Cli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void runFrame_data();
    void runFrame();
    void logHoldsOnlyThisRun();
    void walk_data();
    void walk();
    void commands_data();
    void commands();
    void outOfDate_data();
    void outOfDate();
    void namesReachNoShell_data();
    void namesReachNoShell();
    void failures_data();
    void failures();
    void generatorOutputKeepsItsPlace();
    void generatorInTheTreeIsNotRun();
    void linksBackUpAreNotWalkedAgain();
    void pathsKeepTheirCharacters_data();
    void pathsKeepTheirCharacters();
    void logThatCannotBeWritten();
    void logKeepsWhatRanWhenKilled();
    void clashingOutputs();
    void deepTree();
    void manyFilesInOneDirectory();
    void specialFilesNamedLikeInputs();
    void hugeHeaderWithoutMarker();

private:
    Result run(const QStringList &arguments = {}, const QString &pathDir = QString(),
               const QStringList &settings = {});
    QString root() const { return m_root; }
    QString at(const QString &relative) const { return m_root + QLatin1Char('/') + relative; }
    QStringList call(const QString &name, const QString &input, const QString &output) const;
    void makeTree(const Files &files);

    QTemporaryDir m_bins;    // all/ holds the three fakes, nomoc/ lacks moc.exe
    QString m_record;        // where the fakes write their argument vectors
    QScopedPointer<QTemporaryDir> m_tree;
    QString m_root;
};

void Cli::initTestCase()
{
    QVERIFY(m_bins.isValid());
    const QString fake = qEnvironmentVariable("FAKEGEN_EXE", QStringLiteral(FAKEGEN_EXE));
    for (const char *dir : { "all", "nomoc" }) {
        QVERIFY(QDir(m_bins.path()).mkpath(QLatin1String(dir)));
        for (const char *tool : { "moc", "uic", "rcc" }) {
            if (qstrcmp(dir, "nomoc") == 0 && qstrcmp(tool, "moc") == 0)
                continue;
            QVERIFY(QFile::copy(fake, m_bins.path() + QLatin1Char('/') + QLatin1String(dir)
                                          + QLatin1Char('/') + QLatin1String(tool) + QLatin1String(".exe")));
        }
    }
    m_record = m_bins.path() + QStringLiteral("/calls.txt");
}

void Cli::init()
{
    QFile::remove(m_record);
    m_tree.reset(new QTemporaryDir);
    QVERIFY(m_tree->isValid());
    m_root = QFileInfo(m_tree->path()).canonicalFilePath();
}

Result Cli::run(const QStringList &arguments, const QString &pathDir, const QStringList &settings)
{
    const QString generators = pathDir.isEmpty() ? m_bins.path() + QStringLiteral("/all") : pathDir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (windowsForms()) {
        env.insert(QStringLiteral("WINEPATH"), native(generators)); // wine's own PATH stays
        env.insert(QStringLiteral("FAKEGEN_RECORD"), native(m_record));
        env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    } else {
        env.insert(QStringLiteral("PATH"), generators);
        env.insert(QStringLiteral("FAKEGEN_RECORD"), m_record);
    }
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    for (const QString &setting : settings)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));

    QString program = qEnvironmentVariable("KELVOR_EXE", QStringLiteral(KELVOR_EXE));
    QStringList programArguments = arguments;
    const QString runner = qEnvironmentVariable("KELVOR_RUNNER");
    if (!runner.isEmpty()) {
        programArguments.prepend(program);
        program = runner;
    }
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_root);
    process.start(program, programArguments);
    Result result;
    if (!process.waitForFinished(120000)) {
        qWarning("kelvor did not finish: %s", qPrintable(process.errorString()));
        return result;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        result.status = process.exitCode();
    result.out = consoleText(process.readAllStandardOutput());
    result.err = consoleText(process.readAllStandardError());
    result.log = QString::fromUtf8(contentOf(at(QStringLiteral("kelvor-log.txt"))));
    for (const QString &line : QString::fromUtf8(contentOf(m_record)).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        result.calls << line.split(QLatin1Char('\t'));
    return result;
}

QStringList Cli::call(const QString &name, const QString &input, const QString &output) const
{
    QStringList call{ name };
    if (name == QLatin1String("rcc"))
        call << QStringLiteral("-name") << QStringLiteral("resources");
    return call << native(at(input)) << QStringLiteral("-o") << native(at(output));
}

void Cli::makeTree(const Files &files)
{
    for (const auto &file : files)
        writeFile(at(file.first), file.second);
}

void Cli::runFrame_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no arguments") << QStringList();
    QTest::newRow("arguments are ignored")
        << QStringList{ QStringLiteral("--help"), QStringLiteral("-o"), QStringLiteral("elsewhere") };
}

void Cli::runFrame()
{
    QFETCH(QStringList, arguments);
    const Result result = run(arguments);
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, messages({ QStringLiteral("running"), QStringLiteral("scan started"),
                                    QStringLiteral("scan completed") }));
    QCOMPARE(result.err, QString());
    QVERIFY(QFileInfo::exists(at(QStringLiteral("kelvor-log.txt"))));
    QCOMPARE(result.log, QString());
    QVERIFY(result.calls.isEmpty());
}

void Cli::logHoldsOnlyThisRun()
{
    writeFile(at(QStringLiteral("form.ui")));
    writeFile(at(QStringLiteral("icons.qrc")));
    const QString formCommand = QLatin1String("uic.exe \"") + native(at(QStringLiteral("form.ui")))
        + QLatin1String("\" -o \"") + native(at(QStringLiteral("ui_form.h"))) + QLatin1Char('"') + eol();
    QCOMPARE(run().log.count(eol()), 2);

    QCOMPARE(run().log, QString());

    setModified(at(QStringLiteral("ui_form.h")), QDateTime::currentDateTime().addSecs(-100));
    QCOMPARE(run().log, formCommand);
}

void Cli::walk_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("inputs by kind")
        << Files{ { "widget.h", withMarker }, { "plain.h", "class P {};\n" }, { "form.ui", "" },
                  { "icons.qrc", "" }, { "notes.txt", "Q_OBJECT" } }
        << QStringList{ "found UICable file form.ui", "found RCCable file icons.qrc",
                        "found MOCable file widget.h" };
    QTest::newRow("name order without regard to case")
        << Files{ { "Beta.ui", "" }, { "alpha.ui", "" }, { "Zeta/z.ui", "" }, { "apps/a.ui", "" } }
        << QStringList{ "found UICable file alpha.ui", "found UICable file Beta.ui",
                        "found UICable file " + shown("apps/a.ui"), "found UICable file " + shown("Zeta/z.ui") };
    QTest::newRow("files before subdirectories, depth first")
        << Files{ { "a/b/c.ui", "" }, { "a/z.ui", "" }, { "b/y.ui", "" }, { "x.ui", "" } }
        << QStringList{ "found UICable file x.ui", "found UICable file " + shown("a/z.ui"),
                        "found UICable file " + shown("a/b/c.ui"), "found UICable file " + shown("b/y.ui") };
    QTest::newRow("hidden entries are skipped")
        << Files{ { ".hidden/x.ui", "" }, { ".x.ui", "" }, { "shown.ui", "" } }
        << QStringList{ "found UICable file shown.ui" };
    QTest::newRow("marker anywhere in the text, case respected")
        << Files{ { "comment.h", "// Q_OBJECT\n" }, { "longer.h", "#define Q_OBJECTS\n" },
                  { "partial.h", "Q_OBJEC" }, { "lower.h", "q_object\n" }, { "crlf.h", "a\r\nQ_OBJECT\r\n" } }
        << QStringList{ "found MOCable file comment.h", "found MOCable file crlf.h", "found MOCable file longer.h" };
    QTest::newRow("only the exact tail of the name counts")
        << Files{ { "form.ui.bak", "" }, { "upper.H", withMarker }, { "w.hpp", withMarker },
                  { "w.cpp", withMarker }, { "x.UI", "" }, { "r.QRC", "" }, { "ui", "" } }
        << QStringList{};
    QTest::newRow("wide text with a byte-order mark")
        << Files{ { "u16le.h", wide(withMarker, 2, false) }, { "u16be.h", wide(withMarker, 2, true) },
                  { "u32le.h", wide(withMarker, 4, false) }, { "u32be.h", wide(withMarker, 4, true) },
                  { "u8bom.h", "\xEF\xBB\xBF" + withMarker }, { "u16plain.h", wide("class P {};", 2, false) } }
        << QStringList{ "found MOCable file u16be.h", "found MOCable file u16le.h", "found MOCable file u32be.h",
                        "found MOCable file u32le.h", "found MOCable file u8bom.h" };
}

void Cli::walk()
{
    QFETCH(Files, files);
    QFETCH(QStringList, found);
    makeTree(files);
    const Result result = run();
    QCOMPARE(result.status, 0);
    QCOMPARE(foundLines(result.out), found);
    QCOMPARE(result.calls.size(), found.size());
    QCOMPARE(result.err, QString());
}

void Cli::commands_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("generator");

    QTest::newRow("moc") << "sub/widget.h" << "sub/moc_widget.cpp" << "moc";
    QTest::newRow("uic") << "mainwindow.ui" << "ui_mainwindow.h" << "uic";
    QTest::newRow("rcc") << "icons.qrc" << "qrc_icons.cpp" << "rcc";
    QTest::newRow("base name ends at the first dot") << "my.widget.h" << "moc_my.cpp" << "moc";
    QTest::newRow("spaces in the path") << "my dir/main window.ui" << "my dir/ui_main window.h" << "uic";
}

void Cli::commands()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, generator);
    writeFile(at(input), withMarker);

    const Result result = run();
    QCOMPARE(result.status, 0);
    const QString kind = generator.toUpper();
    QCOMPARE(result.out, messages({ "running", "scan started", "found " + kind + "able file " + shown(input),
                                    reminder(output), "scan completed" }));
    QCOMPARE(result.calls, QList<QStringList>{ call(generator, input, output) });
    const QString prefix = generator == "rcc" ? "rcc.exe -name resources " : generator + ".exe ";
    QCOMPARE(result.log, prefix + '"' + native(at(input)) + "\" -o \"" + native(at(output)) + '"' + eol());
    QVERIFY(QFileInfo::exists(at(output)));
}

void Cli::outOfDate_data()
{
    QTest::addColumn<int>("outputAge"); // seconds older than the input; 0 same time; no output when absent
    QTest::addColumn<bool>("hasOutput");
    QTest::addColumn<QStringList>("said");

    QTest::newRow("missing") << 0 << false << QStringList{ reminder("ui_form.h") };
    QTest::newRow("older") << 100 << true << QStringList{ "updating file ui_form.h" };
    QTest::newRow("a second older") << 1 << true << QStringList{ "updating file ui_form.h" };
    QTest::newRow("same time") << 0 << true << QStringList{};
    QTest::newRow("newer") << -100 << true << QStringList{};
}

void Cli::outOfDate()
{
    QFETCH(int, outputAge);
    QFETCH(bool, hasOutput);
    QFETCH(QStringList, said);
    const QDateTime inputTime = QDateTime::currentDateTime().addSecs(-1000);
    writeFile(at("form.ui"));
    setModified(at("form.ui"), inputTime);
    if (hasOutput) {
        writeFile(at("ui_form.h"), "old");
        setModified(at("ui_form.h"), inputTime.addSecs(-outputAge));
    }

    const Result result = run();
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, messages(QStringList{ "running", "scan started", "found UICable file form.ui" } + said
                                  + QStringList{ "scan completed" }));
    const bool ran = !said.isEmpty();
    QCOMPARE(result.calls.size(), ran ? 1 : 0);
    QCOMPARE(result.log.count(eol()), ran ? 1 : 0);
    QCOMPARE(contentOf(at("ui_form.h")) == "old", hasOutput && !ran);
}

void Cli::namesReachNoShell_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("command substitution") << "$(touch INJECTED).h" << "moc_$(touch INJECTED).cpp";
    QTest::newRow("quotes and a separator") << "\"; touch INJECTED; \".h" << "moc_\"; touch INJECTED; \".cpp";
    QTest::newRow("backticks") << "`touch INJECTED`.h" << "moc_`touch INJECTED`.cpp";
    QTest::newRow("ampersand and variable") << "a & touch INJECTED %PATH%.ui" << "ui_a & touch INJECTED %PATH%.h";
}

void Cli::namesReachNoShell()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    if (windowsForms() && input.contains('"'))
        QSKIP("Windows allows no double quote in a file name");
    writeFile(at(input), withMarker);

    const Result result = run();
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, QString());
    QVERIFY(QFileInfo::exists(at(output)));
    QCOMPARE(result.calls, QList<QStringList>{ call(input.endsWith(".h") ? "moc" : "uic", input, output) });
    QVERIFY2(!QFileInfo::exists(at("INJECTED")), "a file name was run as a command");
}

void Cli::failures_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("hadOutput");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("outputLeft");

    QTest::newRow("fails after writing") << "fail" << false << "uic.exe exited with status 2" << false;
    QTest::newRow("fails, replacing an older output") << "fail" << true << "uic.exe exited with status 2" << false;
    QTest::newRow("fails, older output untouched") << "refuse" << true << "uic.exe exited with status 2" << true;
    QTest::newRow("crashes") << "crash" << false << "uic.exe crashed" << false;
    QTest::newRow("writes nothing") << "silent" << false << "uic.exe wrote no ui_a.h" << false;
}

void Cli::failures()
{
    QFETCH(QString, mode);
    QFETCH(bool, hadOutput);
    QFETCH(QString, error);
    QFETCH(bool, outputLeft);
    writeFile(at("a.ui"));
    writeFile(at("b.qrc"));
    setModified(at("a.ui"), QDateTime::currentDateTime().addSecs(-100));
    if (hadOutput) {
        writeFile(at("ui_a.h"), "old");
        setModified(at("ui_a.h"), QDateTime::currentDateTime().addSecs(-200));
    }

    const QStringList settings{ "FAKEGEN_UIC=" + mode };
    const Result result = run({}, QString(), settings);
    QCOMPARE(result.status, 1);
    QCOMPARE(result.err, "kelvor : error: a.ui: " + error + eol());
    const QString said = hadOutput ? "updating file ui_a.h" : reminder("ui_a.h");
    QCOMPARE(result.out, messages({ "running", "scan started", "found UICable file a.ui", said,
                                    "found RCCable file b.qrc", reminder("qrc_b.cpp"), "scan completed" }));
    QCOMPARE(result.log.count(eol()), 2); // the failed command was run, so it is logged
    QCOMPARE(QFileInfo::exists(at("ui_a.h")), outputLeft);
    QVERIFY(QFileInfo::exists(at("qrc_b.cpp"))); // the walk went on

    const Result again = run({}, QString(), settings);
    QCOMPARE(again.status, 1);
    const QString saidAgain = outputLeft ? "updating file ui_a.h" : reminder("ui_a.h");
    QVERIFY2(again.out.contains(messages({ saidAgain })), "the next run must try again");
}

void Cli::generatorOutputKeepsItsPlace()
{
    writeFile(at("a.ui"));
    const Result result = run({}, QString(), { "FAKEGEN_UIC=print" });
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, messages({ "running", "scan started", "found UICable file a.ui", reminder("ui_a.h") })
                             + "uic says hello" + eol() + messages({ "scan completed" }));
}

void Cli::generatorInTheTreeIsNotRun()
{
    writeFile(at("widget.h"), withMarker);
    QVERIFY(QFile::copy(m_bins.path() + "/all/uic.exe", at("moc.exe")));

    const Result result = run({}, m_bins.path() + "/nomoc");
    QCOMPARE(result.status, 1);
    QCOMPARE(result.err, "kelvor : error: widget.h: moc.exe not found on PATH" + eol());
    QVERIFY2(result.calls.isEmpty(), "a generator from the scanned tree was run");
    QCOMPARE(result.log.count(eol()), 1);
}

void Cli::linksBackUpAreNotWalkedAgain()
{
    if (windowsForms())
        QSKIP("links are made with Unix calls");
    QTemporaryDir outside;
    writeFile(outside.path() + "/c.ui");
    writeFile(at("a.ui"));
    writeFile(at("sub/b.ui"));
    QVERIFY(QFile::link(outside.path(), at("ext")));
    QVERIFY(QFile::link("..", at("sub/up")));
    QVERIFY(QFile::link(".", at("sub/self")));
    QVERIFY(QFile::link("../ext", at("sub/peer"))); // elsewhere: still walked

    const Result result = run();
    QCOMPARE(result.status, 0);
    QCOMPARE(foundLines(result.out), QStringList({ "found UICable file a.ui", "found UICable file ext/c.ui",
                                                   "found UICable file sub/b.ui",
                                                   "found UICable file sub/peer/c.ui" }));
}

void Cli::pathsKeepTheirCharacters_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("latin") << QString::fromUtf8("ñandú/wïdget.ui") << QString::fromUtf8("ñandú/ui_wïdget.h");
    QTest::newRow("cyrillic") << QString::fromUtf8("окна/виджет.ui") << QString::fromUtf8("окна/ui_виджет.h");
}

void Cli::pathsKeepTheirCharacters()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    writeFile(at(input));

    const Result result = run();
    QCOMPARE(result.status, 0);
    const QString said = messages({ "found UICable file " + shown(input), reminder(output) });
    QVERIFY2(result.out.contains(onConsole(said)), qPrintable(result.out));
    QCOMPARE(result.calls, QList<QStringList>{ call("uic", input, output) });
    QCOMPARE(result.log, "uic.exe \"" + native(at(input)) + "\" -o \"" + native(at(output)) + '"' + eol());
}

void Cli::logThatCannotBeWritten()
{
    QVERIFY(QDir(root()).mkdir("kelvor-log.txt"));
    writeFile(at("a.ui"));

    const Result result = run();
    QCOMPARE(result.status, 0);
    QVERIFY2(result.err.startsWith("kelvor : warning: cannot write kelvor-log.txt"), qPrintable(result.err));
    QCOMPARE(result.err.count(eol()), 1);
    QCOMPARE(result.out, messages({ "running", "scan started", "found UICable file a.ui", reminder("ui_a.h"),
                                    "scan completed" }));
    QCOMPARE(result.calls.size(), 1);
}

void Cli::logKeepsWhatRanWhenKilled()
{
    if (windowsForms())
        QSKIP("the fake generator kills its parent with a Unix signal");
    writeFile(at("a.qrc"));
    writeFile(at("b.ui"));

    const Result result = run({}, QString(), { "FAKEGEN_UIC=killparent" });
    QCOMPARE(result.status, -1);
    QCOMPARE(result.calls.size(), 2);
    QCOMPARE(result.log, "rcc.exe -name resources \"" + native(at("a.qrc")) + "\" -o \"" + native(at("qrc_a.cpp"))
                             + '"' + eol());
}

void Cli::clashingOutputs()
{
    writeFile(at("my.widget.h"), withMarker);
    writeFile(at("my.dialog.h"), withMarker);

    const Result result = run();
    QCOMPARE(result.status, 0);
    QCOMPARE(result.err, "kelvor : warning: my.dialog.h and my.widget.h both generate moc_my.cpp" + eol());
    QCOMPARE(foundLines(result.out), QStringList({ "found MOCable file my.dialog.h", "found MOCable file my.widget.h" }));
}

void Cli::deepTree()
{
    QString deepest = root();
    QString shownDir;
    for (int level = 0; level < 300; ++level) {
        deepest += "/d";
        shownDir += "d/";
    }
    writeFile(deepest + "/deep.ui");
    writeFile(at("top.ui"));

    const Result result = run();
    QCOMPARE(result.status, 0);
    QCOMPARE(foundLines(result.out), QStringList({ "found UICable file top.ui",
                                                   "found UICable file " + shown(shownDir + "deep.ui") }));
    QVERIFY(QFileInfo::exists(deepest + "/ui_deep.h"));
}

void Cli::manyFilesInOneDirectory()
{
    QDir().mkpath(at("many"));
    for (int i = 0; i < 50000; ++i) {
        QFile file(at(QString::asprintf("many/f%05d.txt", i)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    writeFile(at("many/Zz.ui"));
    writeFile(at("many/aa.ui"));

    const Result result = run();
    QCOMPARE(result.status, 0);
    QCOMPARE(foundLines(result.out), QStringList({ "found UICable file " + shown("many/aa.ui"),
                                                   "found UICable file " + shown("many/Zz.ui") }));
}

void Cli::specialFilesNamedLikeInputs()
{
#ifdef Q_OS_UNIX
    if (windowsForms())
        QSKIP("special files are made with Unix calls");
    QVERIFY(mkfifo(QFile::encodeName(at("fifo.h")).constData(), 0644) == 0); // opening it would block
    QVERIFY(mkfifo(QFile::encodeName(at("pipe.ui")).constData(), 0644) == 0);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(at("sock.h"));
    QVERIFY(size_t(socketPath.size()) < sizeof address.sun_path);
    qstrcpy(address.sun_path, socketPath.constData());
    QVERIFY(bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
    QVERIFY(QFile::link(at("missing.h"), at("dangling.h")));
    writeFile(at("real/inner.ui"));
    QVERIFY(QFile::link(at("real"), at("dir.h")));
    writeFile(at("x.ui"));

    const Result result = run();
    ::close(fd);
    QCOMPARE(result.status, 0);
    QCOMPARE(foundLines(result.out), QStringList({ "found UICable file x.ui", "found UICable file dir.h/inner.ui",
                                                   "found UICable file real/inner.ui" }));
#else
    QSKIP("special files are made with Unix calls");
#endif
}

void Cli::hugeHeaderWithoutMarker()
{
    QFile huge(at("huge.h"));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(qint64(1) << 30)); // sparse: a gibibyte of zeros that costs no disk
    huge.close();
    writeFile(at("a.ui"));

    const Result result = run();
    QCOMPARE(result.status, 0);
    QCOMPARE(foundLines(result.out), QStringList({ "found UICable file a.ui" }));
}

QTEST_GUILESS_MAIN(Cli)
#include "tst_cli.moc"
