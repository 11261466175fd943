// orvanta-cli batch -o FILE as a process: the output file is replaced whole
// or not at all, so a parts list can be rewritten in place and a failed run
// leaves the file it would have replaced as it was.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct CliRun {
    int status = -1;
    QByteArray errors;
};

struct CliOptions {
    rlim_t fileSizeLimit = RLIM_INFINITY;
    QString standardInput;     // a file, or nothing
    QStringList tracedBy;      // a program and its arguments that run orvanta-cli
    bool readsAllFiles = true; // false: root too is bound by a file's permissions
};

// Exit status of a child that could not drop the capability to read any file.
constexpr int kNoCapabilityDrop = 125;

CliRun runCli(const QStringList& arguments, const CliOptions& options = {})
{
    QProcess process;
    const rlim_t fileSizeLimit = options.fileSizeLimit;
    const bool readsAllFiles = options.readsAllFiles;
    process.setChildProcessModifier([fileSizeLimit, readsAllFiles] {
        if (fileSizeLimit != RLIM_INFINITY) {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        // Gone from the bounding set, root's overriding read access does not
        // come back when the program is started.
        if (!readsAllFiles && geteuid() == 0 &&
            (prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) != 0 ||
             prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0) != 0)) {
            _exit(kNoCapabilityDrop);
        }
    });
    if (!options.standardInput.isEmpty()) {
        process.setStandardInputFile(options.standardInput);
    }
    if (options.tracedBy.isEmpty()) {
        process.start(QStringLiteral(ORVANTA_CLI), arguments);
    } else {
        // The sanitizers' leak check cannot run under a tracer; the untraced
        // runs keep it.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString sanitizer = environment.value("ASAN_OPTIONS");
        environment.insert("ASAN_OPTIONS", sanitizer + (sanitizer.isEmpty() ? "" : ":") + "detect_leaks=0");
        process.setProcessEnvironment(environment);
        process.start(options.tracedBy.front(), options.tracedBy.mid(1) + QStringList{ORVANTA_CLI} + arguments);
    }
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
        CliOptions options;
        options.fileSizeLimit = static_cast<rlim_t>(fileSizeLimit);
        const CliRun run = runCli({"batch", path("in.csv"), "-o", path("out.csv")}, options);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.errors.contains(message), run.errors.constData());
        QCOMPARE(read(path("out.csv")), old);
        QCOMPARE(files(), QStringList({"in.csv", "out.csv"}));
    }

    // A read that fails part-way is not the end of the list: the run fails
    // and the old output stays. strace makes the disk fail: the second read
    // of the list, after a first block of rows was written, or the first.
    void a_read_error_leaves_the_old_output_data()
    {
        QTest::addColumn<bool>("byName");
        QTest::addColumn<int>("failingRead");
        QTest::newRow("named, part-way") << true << 2;
        QTest::newRow("named, first read") << true << 1;
        QTest::newRow("standard input, part-way") << false << 2;
    }
    void a_read_error_leaves_the_old_output()
    {
        QFETCH(bool, byName);
        QFETCH(int, failingRead);
        const QString strace = QStandardPaths::findExecutable("strace");
        if (strace.isEmpty()) {
            QSKIP("strace is not installed: it is what makes the read fail");
        }
        QProcess probe;
        probe.start(strace, {"-o", "/dev/null", "true"});
        if (!probe.waitForFinished(60000) || probe.exitCode() != 0) {
            QSKIP(qPrintable("strace cannot trace here: " + probe.readAllStandardError()));
        }
        const QByteArray old = "part,designation\nA-1,M10-6g\n";
        write(path("in.csv"), partsList(5000));
        QVERIFY(QFileInfo(path("in.csv")).size() > 2 * 65536);
        write(path("out.csv"), old);
        // -P: only the reads of the list count, not the loader's.
        const QStringList tracer = {strace, "-f",
                                    "-o",   "/dev/null",
                                    "-P",   path("in.csv"),
                                    "-e",   "trace=read",
                                    "-e",   "inject=read:error=EIO:when=" + QString::number(failingRead)};
        CliOptions options;
        options.tracedBy = tracer;
        options.standardInput = byName ? QString() : path("in.csv");
        const CliRun run = runCli(QStringList{"batch"} + (byName ? QStringList{path("in.csv")} : QStringList{}) +
                                      QStringList{"-o", path("out.csv")},
                                  options);
        QCOMPARE(run.status, 2);
        const QByteArray name = byName ? QFile::encodeName(path("in.csv")) : QByteArray("standard input");
        QCOMPARE(run.errors, "orvanta-cli: reading " + name + " failed: Input/output error\n");
        QCOMPARE(read(path("out.csv")), old);
        QCOMPARE(files(), QStringList({"in.csv", "out.csv"}));
    }

    // Ctrl-C, a kill or a closed terminal while the batch is writing: the
    // temporary file goes, the old output stays, and the program ends by the
    // signal, so a calling shell sees it was stopped.
    void a_signal_leaves_the_old_output_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void a_signal_leaves_the_old_output()
    {
        QFETCH(int, signal);
        const QByteArray old = "part,designation\nA-1,M10-6g\n";
        write(path("out.csv"), old);
        QProcess process;
        // As from a terminal: the signals at their defaults, whatever the
        // test runner was started with.
        process.setChildProcessModifier([] {
            for (const int s : {SIGINT, SIGTERM, SIGHUP}) {
                std::signal(s, SIG_DFL);
            }
            sigset_t none;
            sigemptyset(&none);
            sigprocmask(SIG_SETMASK, &none, nullptr);
        });
        process.start(QStringLiteral(ORVANTA_CLI), {"batch", "-", "-o", path("out.csv")});
        QVERIFY(process.waitForStarted());
        // More than one read's worth, and the list never ends: the run is
        // mid-way, writing or waiting for more rows, when the signal comes.
        const QByteArray list = partsList(5000);
        QCOMPARE(process.write(list), list.size());
        const auto temporary = [this] {
            return QDir(folder.path()).entryList({".out.csv.*.orvanta-tmp"}, QDir::Files | QDir::Hidden);
        };
        QTRY_VERIFY_WITH_TIMEOUT(!temporary().isEmpty(), 30000);
        QCOMPARE(::kill(static_cast<pid_t>(process.processId()), signal), 0);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        QCOMPARE(process.exitCode(), signal);
        QCOMPARE(files(), QStringList({"out.csv"}));
        QCOMPARE(read(path("out.csv")), old);
    }

    // What cannot be a parts list is named as what it is, and the old output
    // stays.
    void refuses_an_input_that_is_not_a_file_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("folder") << "folder" << QByteArray("folder is a folder, not a parts list");
        QTest::newRow("device") << "/dev/null" << QByteArray("/dev/null is a device, not a parts list");
        QTest::newRow("unreadable") << "unreadable.csv" << QByteArray("cannot read ");
    }
    void refuses_an_input_that_is_not_a_file()
    {
        QFETCH(QString, input);
        QFETCH(QByteArray, message);
        QTemporaryDir inputs;
        QVERIFY(QDir(inputs.path()).mkdir("folder"));
        const QString unreadable = inputs.filePath("unreadable.csv");
        write(unreadable, partsList(3));
        QVERIFY(QFile::setPermissions(unreadable, {}));
        const QByteArray old = "part,designation\nA-1,M10-6g\n";
        write(path("out.csv"), old);
        const QString inputPath = input.startsWith('/') ? input : inputs.filePath(input);
        CliOptions options;
        options.readsAllFiles = false;
        const CliRun run = runCli({"batch", inputPath, "-o", path("out.csv")}, options);
        if (run.status == kNoCapabilityDrop) {
            QSKIP("root here cannot give up reading every file");
        }
        QCOMPARE(run.status, 2);
        const QByteArray expected =
            input == "unreadable.csv" ? message + QFile::encodeName(unreadable) + ": Permission denied\n" : message;
        QVERIFY2(run.errors.contains(expected), run.errors.constData());
        QCOMPARE(run.errors.count('\n'), 1);
        QCOMPARE(read(path("out.csv")), old);
        QCOMPARE(files(), QStringList({"out.csv"}));
    }

    // A thickness below zero is refused, named as it was written; the
    // calculator's window has its own rule and is not this one.
    void refuses_a_plating_below_zero_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("limits, minimum with a unit") << QStringList{"limits", "M10x1.5-6g", "--plating", "-5um:8um"}
                                                     << QByteArray("orvanta-cli: --plating is below zero: -5um;");
        QTest::newRow("limits, one thickness") << QStringList{"limits", "1/2-13 UNC-2A", "--plating", "-0.001"}
                                               << QByteArray("orvanta-cli: --plating is below zero: -0.001;");
        QTest::newRow("inspect, maximum") << QStringList{"inspect", "M10x1.5-6g", "--plating", "5um:-8um"}
                                          << QByteArray("orvanta-cli: --plating is below zero: -8um;");
        QTest::newRow("inspect, wire") << QStringList{"inspect", "M10x1.5-6g", "--wire", "-0.866mm"}
                                       << QByteArray("orvanta-cli: --wire is below zero: -0.866mm\n");
    }
    void refuses_a_plating_below_zero()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, message);
        QProcess process;
        process.start(QStringLiteral(ORVANTA_CLI), arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 2);
        QVERIFY2(process.readAllStandardError().startsWith(message), qPrintable(arguments.join(' ')));
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(BatchFileTest)
#include "tst_batchfile.moc"
