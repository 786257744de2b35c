#include "CabeceraMp3.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// The sound pieces shipped in data/: every one present in both folders,
// a real MP3 that decodes, of the right length, neither clipped nor silent.
class TstPiezas : public QObject {
    Q_OBJECT

    static QString corre(const QString& programa, const QStringList& args, bool* ok)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(programa, args);
        *ok = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        return QString::fromUtf8(p.readAll());
    }
    static double valor(const QString& stat, const QString& nombre)
    {
        const auto m = QRegularExpression(QRegularExpression::escape(nombre) + QStringLiteral(R"(:\s+(-?[0-9.]+))"))
                           .match(stat);
        return m.hasMatch() ? m.captured(1).toDouble() : qQNaN();
    }

private slots:
    void pieza_data()
    {
        QTest::addColumn<QString>("ruta");
        QTest::addColumn<int>("numero");
        QTest::addColumn<double>("segundos");  // of the question music
        for (const auto& [carpeta, s] : {std::pair{"MP3", 30.0}, std::pair{"MP3_45", 45.0}})
            for (int n = 0; n <= 38; ++n)
                QTest::addRow("%s/sonido%d", carpeta, n)
                    << QStringLiteral(ORVALIA_DATA_DIR "/%1/sonido%2.mp3").arg(QLatin1String(carpeta)).arg(n) << n << s;
    }
    void pieza()
    {
        QFETCH(QString, ruta);
        QFETCH(int, numero);
        QFETCH(double, segundos);
        QVERIFY2(QFile::exists(ruta), qPrintable(ruta));
        QVERIFY(PareceMp3(ruta));

        bool ok = false;
        const double largo = corre(QStringLiteral("soxi"), {QStringLiteral("-D"), ruta}, &ok).trimmed().toDouble();
        QVERIFY2(ok, "soxi (sox with MP3 support) is needed");
        if (numero >= 7)
            QVERIFY2(qAbs(largo - segundos) < 0.1, qPrintable(QString::number(largo)));
        else if (numero == 1)
            QVERIFY2(largo >= 60.0, qPrintable(QString::number(largo)));
        else
            QVERIFY2(largo >= 1.0 && largo <= 30.0, qPrintable(QString::number(largo)));

        const QString stat = corre(QStringLiteral("sox"), {ruta, QStringLiteral("-n"), QStringLiteral("stat")}, &ok);
        QVERIFY2(ok, qPrintable(stat));
        const double pico = std::max(valor(stat, QStringLiteral("Maximum amplitude")),
                                     -valor(stat, QStringLiteral("Minimum amplitude")));
        const double rms = valor(stat, QStringLiteral("RMS     amplitude"));
        QVERIFY2(pico > 0.5 && pico < 0.95, qPrintable(QString::number(pico)));  // about -3 dBFS, never clipped
        QVERIFY2(rms > 0.03, qPrintable(QString::number(rms)));                  // music, not silence
    }

    void piezasFijasIgualesEnAmbas()
    {
        for (int n = 0; n <= 6; ++n) {
            QFile a(QStringLiteral(ORVALIA_DATA_DIR "/MP3/sonido%1.mp3").arg(n));
            QFile b(QStringLiteral(ORVALIA_DATA_DIR "/MP3_45/sonido%1.mp3").arg(n));
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QVERIFY2(a.readAll() == b.readAll(), qPrintable(a.fileName()));
        }
    }
};

QTEST_GUILESS_MAIN(TstPiezas)
#include "tst_piezas_slow.moc"
