// The bundled Greeter example with the real moc, uic and rcc: kelvor generates
// its sources, the example compiles, links and passes its self-check, and a
// second run regenerates nothing.
#include <QtTest>

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QStringList generated{ "core/moc_counter.cpp", "ui/moc_mainwindow.cpp", "ui/ui_mainwindow.h",
                             "res/qrc_resources.cpp" };

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome runIn(const QString &dir, const QString &program, const QStringList &arguments,
              const QProcessEnvironment &env, int timeoutMs = 300000)
{
    QProcess process;
    process.setWorkingDirectory(dir);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Outcome outcome;
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return outcome;
    outcome.status = process.exitCode();
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

QString logOf(const QString &dir)
{
    QFile log(dir + "/kelvor-log.txt");
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QStringLiteral("<no log>");
}

} // namespace

class Example : public QObject
{
    Q_OBJECT

private slots:
    void generatesBuildsAndRuns();
    void linkToolsWithoutQt();
};

void Example::generatesBuildsAndRuns()
{
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString project = scratch.path() + "/greeter";
    const QString tools = scratch.path() + "/tools";
    QVERIFY(copyTree(EXAMPLE_DIR, project));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const Outcome linked = runIn(scratch.path(), LINK_TOOLS, { tools }, env);
    QVERIFY2(linked.status == 0, qPrintable(linked.err));
    env.insert("PATH", tools + ':' + env.value("PATH"));
    env.insert("QT_QPA_PLATFORM", "offscreen");

    const Outcome first = runIn(project, KELVOR_EXE, {}, env);
    QVERIFY2(first.status == 0, qPrintable(first.out + first.err));
    for (const QString &file : generated)
        QVERIFY2(QFileInfo(project + '/' + file).size() > 0, qPrintable(file + " is missing or empty"));
    QCOMPARE(logOf(project).count('\n'), generated.size());

    const QString build = scratch.path() + "/build";
    const Outcome configured = runIn(scratch.path(), "cmake",
                                     { "-S", project, "-B", build, "-G", "Ninja", "-DKELVOR=" KELVOR_EXE }, env);
    QVERIFY2(configured.status == 0, qPrintable(configured.out + configured.err));
    const Outcome built = runIn(scratch.path(), "cmake", { "--build", build }, env);
    QVERIFY2(built.status == 0, qPrintable(built.out + built.err));
    const Outcome checked = runIn(build, build + "/greeter", { "--self-check" }, env);
    QVERIFY2(checked.status == 0 && checked.out.startsWith("self-check passed"), qPrintable(checked.out + checked.err));

    const Outcome again = runIn(project, KELVOR_EXE, {}, env);
    QCOMPARE(again.status, 0);
    QVERIFY2(!again.out.contains("updating file") && !again.out.contains("you have to add"), qPrintable(again.out));
    QCOMPARE(logOf(project), QString());

    const QString form = project + "/ui/mainwindow.ui";
    QFile touched(form);
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    touched.close();
    const Outcome afterTouch = runIn(project, KELVOR_EXE, {}, env);
    QCOMPARE(afterTouch.status, 0);
    QVERIFY2(afterTouch.out.contains("kelvor : updating file ui/ui_mainwindow.h\n"), qPrintable(afterTouch.out));
    QCOMPARE(afterTouch.out.count("updating file"), 1);
    QCOMPARE(logOf(project), "uic.exe \"" + form + "\" -o \"" + project + "/ui/ui_mainwindow.h\"\n");
}

void Example::linkToolsWithoutQt()
{
    QTemporaryDir scratch;
    QVERIFY(QDir(scratch.path()).mkdir("empty"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PATH", scratch.path() + "/empty"); // neither qtpaths6 nor qmake to be found

    const Outcome linked = runIn(scratch.path(), "/bin/sh", { LINK_TOOLS, scratch.path() + "/tools" }, env);
    QCOMPARE(linked.status, 1);
    QVERIFY2(linked.err.startsWith("kelvor-link-tools: no Qt moc found"), qPrintable(linked.err));
    QVERIFY(!QFileInfo::exists(scratch.path() + "/tools"));
}

QTEST_GUILESS_MAIN(Example)
#include "tst_example.moc"
