// Folding for comparison (plegar): case, accents and
// punctuation set aside, as the checks and the editor's search use it.
#include "Plegar.h"

#include <QTest>

namespace {
// The definition: the whole text decomposed and in lower case; letters and
// digits kept, marks dropped, anything else a break between words.
QString definicion(const QString& texto)
{
    const QString d = texto.normalized(QString::NormalizationForm_D).toLower();
    QString r;
    bool espacio = false;
    for (const QChar c : d) {
        if (c.isLetterOrNumber()) {
            if (espacio && !r.isEmpty())
                r += u' ';
            r += c;
            espacio = false;
        } else if (!c.isMark()) {
            espacio = true;
        }
    }
    return r;
}
}  // namespace

class TstPlegar : public QObject {
    Q_OBJECT
private slots:
    void ejemplos_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("plegado");
        QTest::newRow("accents and case") << "¿Quién halló a NOÉ?" << "quien hallo a noe";
        QTest::newRow("combining accent") << QString::fromUtf16(u"Noe\u0301 y Mois\u00e9s") << "noe y moises";
        QTest::newRow("punctuation runs") << "  a--b, (c) " << "a b c";
        QTest::newRow("ñ and ü") << "Señor, pingüino" << "senor pinguino";
        QTest::newRow("digits") << "Juan 3:16" << "juan 3 16";
        QTest::newRow("Greek") << QString::fromUtf16(u"Ἀλφα Ω") << QString::fromUtf16(u"αλφα ω");
        // Decomposed into its letters, as the definition does.
        QTest::newRow("Hangul, the slow way") << QString::fromUtf16(u"한글 é")
                                              << QString::fromUtf16(u"\u1112\u1161\u11AB\u1100\u1173\u11AF e");
        QTest::newRow("empty") << "" << "";
    }
    void ejemplos()
    {
        QFETCH(QString, texto);
        QFETCH(QString, plegado);
        QCOMPARE(plegar(texto), plegado);
        QCOMPARE(plegar(texto), definicion(texto));
    }

    // Every character the quick way folds, between letters and alone,
    // folds as the definition says.
    void cadaCaracter()
    {
        for (char16_t u = 1; u < 0x2500; ++u) {
            if (QChar::isSurrogate(u))
                continue;
            const QString solo(QChar{u});
            const QString entre = QStringLiteral("a") + solo + QStringLiteral("b ") + solo;
            QCOMPARE(plegar(solo), definicion(solo));
            QCOMPARE(plegar(entre), definicion(entre));
        }
    }
};

QTEST_GUILESS_MAIN(TstPlegar)
#include "tst_Plegar.moc"
