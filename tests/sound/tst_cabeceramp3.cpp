#include "CabeceraMp3.h"

#include <QTest>

namespace {
// MPEG-1 layer III, 128 kbit/s, 44.1 kHz, no padding: 417-byte frames.
QByteArray trama(char tercero = char(0x90))
{
    QByteArray t(417, '\0');
    t[0] = char(0xFF);
    t[1] = char(0xFB);
    t[2] = tercero;
    t[3] = char(0x64);
    return t;
}
QByteArray id3(int largo)
{
    QByteArray t("ID3\x04\x00\x00", 6);
    for (int i = 3; i >= 0; --i)
        t.append(char((largo >> (7 * i)) & 0x7F));
    return t + QByteArray(largo, 'x');
}
}

class TstCabeceraMp3 : public QObject {
    Q_OBJECT
private slots:
    void reconoce_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("mp3");
        QTest::newRow("two frames") << trama() + trama() << true;
        QTest::newRow("tag then frames") << id3(300) + trama() + trama() << true;
        QTest::newRow("large tag") << id3(20000) + trama() + trama() << true;
        QTest::newRow("padding before the first frame") << QByteArray(100, '\0') + trama() + trama() << true;
        QTest::newRow("padded frame") << [] { QByteArray a = trama(char(0x92)); a.append('\0'); return a + trama(); }()
                                      << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("text") << QByteArray("not music at all, just words").repeated(50) << false;
        QTest::newRow("one frame only") << trama() << false;
        QTest::newRow("tag only") << id3(300) << false;
        QTest::newRow("tag claims past the end") << id3(300).left(100) << false;
        QTest::newRow("bad bitrate") << trama(char(0xF0)) + trama(char(0xF0)) << false;
        QTest::newRow("reserved rate") << trama(char(0x9C)) + trama(char(0x9C)) << false;
        QTest::newRow("all ones") << QByteArray(5000, char(0xFF)) << false;
        QTest::newRow("wrong distance") << trama() + QByteArray(7, '\0') + trama() << false;
    }
    void reconoce()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, mp3);
        QCOMPARE(PareceMp3(bytes), mp3);
    }

    void archivoQueFalta() { QVERIFY(!PareceMp3(QStringLiteral("/no/such/folder/sonido3.mp3"))); }
};

QTEST_GUILESS_MAIN(TstCabeceraMp3)
#include "tst_cabeceramp3.moc"
