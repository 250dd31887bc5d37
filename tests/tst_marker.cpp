// The marker search, which reads raw bytes in chunks, against a plain
// reference: the whole file decoded as a text stream decodes it, then one
// substring search.
#include "scan/marker.h"

#include "widetext.h"

#include <QtTest>

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int chunk = 256 * 1024; // the size the search reads at a time

bool reference(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    return stream.readAll().contains(QLatin1String("Q_OBJECT"));
}

QByteArray filler(int size, char c = 'x')
{
    QByteArray bytes(size, c);
    for (int i = 79; i < size; i += 80)
        bytes[i] = '\n';
    return bytes;
}

QByteArray noise(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

} // namespace

class Marker : public QObject
{
    Q_OBJECT

private slots:
    void matchesReference_data();
    void matchesReference();
    void unreadableFile();
};

void Marker::matchesReference_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray marker = "Q_OBJECT";

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("marker alone") << marker;
    QTest::newRow("marker at the start") << marker + filler(1000);
    QTest::newRow("marker at the end") << filler(1000) + marker;
    QTest::newRow("partial marker at the end") << filler(1000) + "Q_OBJEC";
    QTest::newRow("partial marker at a chunk's end") << filler(chunk - 7) + "Q_OBJEC" + filler(100);
    QTest::newRow("marker broken by a line end") << filler(100) + "Q_OB\nJECT";
    QTest::newRow("crlf lines") << QByteArray("class A\r\n{\r\n    Q_OBJECT\r\n};\r\n");
    QTest::newRow("utf-8 byte-order mark") << "\xEF\xBB\xBF" + filler(500) + marker;
    QTest::newRow("utf-8 text") << "// \xC3\xA9t\xC3\xA9\n" + marker;
    QTest::newRow("one less than the marker before a chunk's end") << filler(chunk - 8) + "Q_OBJEC";

    for (int offset = chunk - 20; offset <= chunk + 4; ++offset)
        QTest::addRow("marker at %d, around the first chunk's end", offset) << filler(offset) + marker + filler(50);
    for (int offset = 2 * chunk - 10; offset <= 2 * chunk + 2; offset += 3)
        QTest::addRow("marker at %d, around the second chunk's end", offset) << filler(offset) + marker;
    QTest::newRow("several chunks, no marker") << filler(3 * chunk + 123);

    for (int unit : { 2, 4 }) {
        for (bool bigEndian : { false, true }) {
            const char *order = bigEndian ? "be" : "le";
            QTest::addRow("utf-%d %s with marker", unit * 8, order) << wide(filler(300) + marker, unit, bigEndian);
            QTest::addRow("utf-%d %s without marker", unit * 8, order) << wide(filler(300), unit, bigEndian);
            QTest::addRow("utf-%d %s, marker across a chunk's end", unit * 8, order)
                << wide(filler(chunk / unit - 3) + marker, unit, bigEndian);
            QTest::addRow("utf-%d %s, partial marker at the end", unit * 8, order)
                << wide(filler(10) + "Q_OBJEC", unit, bigEndian);
        }
    }
    // Bytes of the wide marker off the character grid read as other characters.
    QTest::newRow("utf-16 le, marker bytes off the grid")
        << QByteArray("\xFF\xFE", 2) + "x" + QByteArray("Q\0_\0O\0B\0J\0E\0C\0T\0", 16) + "\n";
    QTest::newRow("utf-16 be, marker bytes off the grid")
        << QByteArray("\xFE\xFF\0", 3) + QByteArray("\0Q\0_\0O\0B\0J\0E\0C\0T", 16) + "\0";
    QTest::newRow("ascii with marker bytes of utf-16") << QByteArray("Q\0_\0O\0B\0J\0E\0C\0T\0", 16);

    for (quint32 seed = 1; seed <= 12; ++seed) {
        QTest::addRow("noise %u", seed) << noise(int(seed) * 40000, seed);
        QTest::addRow("noise %u, then text with marker", seed) << noise(int(seed) * 1000, seed) + "\n" + marker;
    }
}

void Marker::matchesReference()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("case.h"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
    file.close();
    QCOMPARE(containsQObjectMarker(path), reference(path));
}

void Marker::unreadableFile()
{
    QVERIFY(!containsQObjectMarker(QStringLiteral("/nonexistent/case.h")));
}

QTEST_GUILESS_MAIN(Marker)
#include "tst_marker.moc"
