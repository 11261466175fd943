// Captions wrap as the forms were drawn: blanks keep their width, and a run
// of blanks that reaches the edge ends the line.
#include "forms/Look.h"

#include "GuiTestMain.h"

class CaptionWrapTest : public QObject {
    Q_OBJECT

private slots:
    void wraps_keeping_blanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fitting"); // the line is this text's width and a pixel
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << "GO WORK PLUG"
                              << "GO WORK PLUG" << QStringList{"GO WORK PLUG"};
        QTest::newRow("words") << "AA BB CC"
                               << "AA BB" << QStringList{"AA BB", "CC"};
        QTest::newRow("a run of blanks ends the line") << "AAAA      BB"
                                                       << "AAAA  " << QStringList{"AAAA", "BB"};
        QTest::newRow("leading blanks kept") << "   AA BB"
                                             << "   AA " << QStringList{"   AA", "BB"};
        QTest::newRow("blanks wider than the line")
            << QString(20, ' ') + "FIXED" << QString(10, ' ') << QStringList{"", "FIXED"};
        QTest::newRow("a word wider than the line") << "AAAAAAAA B"
                                                    << "AAA" << QStringList{"AAAAAAAA", "B"};
    }
    void wraps_keeping_blanks()
    {
        QFETCH(QString, text);
        QFETCH(QString, fitting);
        QFETCH(QStringList, lines);
        const QFontMetricsF metrics(orvanta::forms::formFont({}));
        // A pixel to spare: a line measured in pieces may come out a hair wider.
        QCOMPARE(orvanta::forms::wrapKeepingBlanks(text, metrics, metrics.horizontalAdvance(fitting) + 1), lines);
    }
};

ORVANTA_GUI_TEST_MAIN(CaptionWrapTest)
#include "tst_captionwrap.moc"
