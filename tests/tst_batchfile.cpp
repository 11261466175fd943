// orvanta-cli batch -o FILE as a process: the output file is replaced whole
// or not at all, so a parts list can be rewritten in place and a failed run
// leaves the file it would have replaced as it was.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct CliRun {
    int status = -1;
    QByteArray errors;
};

CliRun runCli(const QStringList& arguments, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    QProcess process;
    if (fileSizeLimit != RLIM_INFINITY) {
        process.setChildProcessModifier([fileSizeLimit] {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(QStringLiteral(ORVANTA_CLI), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardError()};
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A parts list of `rows` rows, inch and metric, with a column of its own.
QByteArray partsList(int rows)
{
    QByteArray list = "part,designation,plating_min,plating_max,customer\n";
    for (int row = 0; row < rows; ++row) {
        list += "P" + QByteArray::number(row) + (row % 2 == 0 ? ",1/2-13 UNC-2A,0.0002,0.0005" : ",M10-6g,5um,8um") +
                ",customer " + QByteArray::number(row) + "\n";
    }
    return list;
}

} // namespace

class BatchFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;

    [[nodiscard]] QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    // Only the files a test made itself: no temporary file is left behind.
    [[nodiscard]] QStringList files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

private slots:
    void init()
    {
        for (const QString& name : files()) {
            QFile::remove(folder.filePath(name));
        }
    }

    void rewrites_a_large_list_in_place_through_a_link()
    {
        constexpr int kRows = 30000;
        const QByteArray list = partsList(kRows);
        QVERIFY(list.size() > 1024 * 1024);
        write(path("parts.csv"), list);
        QVERIFY(QFile::setPermissions(path("parts.csv"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QVERIFY(QFile::link(path("parts.csv"), path("link.csv")));
        const CliRun run = runCli({"batch", path("parts.csv"), "-o", path("link.csv")});
        QCOMPARE(run.status, 0);
        QVERIFY(QFileInfo(path("link.csv")).isSymLink());
        const QList<QByteArray> lines = read(path("parts.csv")).split('\n');
        QCOMPARE(lines.size(), kRows + 2); // header, each row once, the final line end
        for (int row = 0; row < kRows; row += 997) {
            const QByteArray& line = lines[row + 1];
            QVERIFY2(line.startsWith("P" + QByteArray::number(row) + ","), line.constData());
            QVERIFY2(line.contains(",customer " + QByteArray::number(row) + ","), line.constData());
        }
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(path("parts.csv")).constData(), &status), 0);
        QCOMPARE(status.st_mode & 07777, 0640U);
        QCOMPARE(files(), QStringList({"link.csv", "parts.csv"}));
    }

    // A refused input, and a write that fails part-way (past a file-size
    // limit), leave the old output byte for byte.
    void a_failed_run_leaves_the_old_output_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<qint64>("fileSizeLimit");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("input refused") << QByteArray("part,size\nA,B\n") << qint64(RLIM_INFINITY)
                                       << QByteArray("not a parts list");
        QTest::newRow("write fails part-way") << partsList(5000) << qint64(64 * 1024) << QByteArray("File too large");
    }
    void a_failed_run_leaves_the_old_output()
    {
        QFETCH(QByteArray, input);
        QFETCH(qint64, fileSizeLimit);
        QFETCH(QByteArray, message);
        const QByteArray old = "part,designation\nA-1,M10-6g\n";
        write(path("in.csv"), input);
        write(path("out.csv"), old);
        const CliRun run = runCli({"batch", path("in.csv"), "-o", path("out.csv")}, static_cast<rlim_t>(fileSizeLimit));
        QCOMPARE(run.status, 2);
        QVERIFY2(run.errors.contains(message), run.errors.constData());
        QCOMPARE(read(path("out.csv")), old);
        QCOMPARE(files(), QStringList({"in.csv", "out.csv"}));
    }
};

QTEST_GUILESS_MAIN(BatchFileTest)
#include "tst_batchfile.moc"
