#include "Dialog1.h"
#include "Raton.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TstDialog1 : public QObject {
    Q_OBJECT
private slots:
    void enterCierraMuestra();
    void clicEnCerrarCierra();
    void otrasTeclasNoCierran();
    void soloLaCaritaElegida();
    void tresLineasTresRenglones();
    void botonDerechoEnFondoNoMueve();
    void arrastrePorElMensaje();
    void centradoSobreElPadre();
};

void TstDialog1::enterCierraMuestra()
{
    Dialog1 d;
    bool respondido = false;
    QTimer::singleShot(0, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal == &d);
        respondido = true;
        QTest::keyClick(modal, Qt::Key_Return);
    });
    d.Muestra(QStringLiteral("Hola"), 0);   // returns only once closed
    QVERIFY(respondido);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

void TstDialog1::clicEnCerrarCierra()
{
    Dialog1 d;
    auto* cerrar = d.findChild<QLabel*>(QStringLiteral("Image3"));
    QVERIFY(cerrar);
    QCOMPARE(cerrar->toolTip(), QStringLiteral("cerrar diálogo"));
    QCOMPARE(cerrar->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(cerrar->geometry(), QRect(276, 156, 91, 25));
    QTimer::singleShot(0, this, [cerrar] { QTest::mouseClick(cerrar, Qt::LeftButton); });
    d.Muestra(QStringLiteral("Adiós"), 2);
    QVERIFY(!d.isVisible());
}

void TstDialog1::otrasTeclasNoCierran()
{
    Dialog1 d;
    d.Prepara(QStringLiteral("x"), 0);
    d.show();
    for (int k : {int(Qt::Key_Escape), int(Qt::Key_A), int(Qt::Key_Space), int(Qt::Key_F4), int(Qt::Key_Tab)})
        QTest::keyClick(&d, Qt::Key(k));
    QVERIFY(d.isVisible());
    QTest::keyClick(&d, Qt::Key_Enter);   // the keypad's Enter too
    QVERIFY(!d.isVisible());
}

void TstDialog1::soloLaCaritaElegida()
{
    Dialog1 d;
    auto visibles = [&d] {
        QList<int> v;
        for (int i = 0; i < 4; ++i)
            if (!d.findChild<QLabel*>(QStringLiteral("Image1_%1").arg(i))->isHidden())
                v << i;
        return v;
    };
    d.Prepara(QStringLiteral("a"), 0);
    QCOMPARE(visibles(), QList<int>{0});
    d.Prepara(QStringLiteral("b"), 3);
    QCOMPARE(visibles(), QList<int>{3});
    QCOMPARE(d.CaritaVisible(), 3);
    d.Prepara(QStringLiteral("c"), 2);
    QCOMPARE(visibles(), QList<int>{2});
}

void TstDialog1::tresLineasTresRenglones()
{
    Dialog1 d;
    const QSize antes = d.size();
    auto* label = d.findChild<QLabel*>(QStringLiteral("Label1"));
    d.Prepara(QStringLiteral("Uno"), 0);
    const int una = label->height();
    d.Prepara(QStringLiteral("Te retiraste\ncon 20\npuntos"), 0);
    const int linea = QFontMetrics(label->font()).lineSpacing();
    QVERIFY2(label->height() >= 3 * linea - 1 && label->height() < 4 * linea,
             qPrintable(QStringLiteral("alto %1, renglón %2").arg(label->height()).arg(linea)));
    QVERIFY(label->height() > una);
    QCOMPARE(label->width(), 281);
    QCOMPARE(label->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    QCOMPARE(d.size(), antes);
    QCOMPARE(antes, QSize(373, 198));
    // A long line wraps within the width instead of widening the label.
    d.Prepara(QString(30, QLatin1Char('x')).append(QLatin1Char(' ')).repeated(4), 0);
    QCOMPARE(label->width(), 281);
    QVERIFY(label->height() >= 2 * linea);
    // A player's name that looks like HTML is shown as typed, on one line.
    d.Prepara(QStringLiteral("<b>Ana</b><br>Luis"), 0);
    QCOMPARE(label->height(), una);
}

void TstDialog1::botonDerechoEnFondoNoMueve()
{
    Dialog1 d;
    d.show();
    d.move(100, 100);
    const QPoint fondo(5, 100);
    QVERIFY(d.childAt(fondo) == nullptr);

    raton(&d, QEvent::MouseButtonPress, fondo, Qt::RightButton, Qt::RightButton);
    QCOMPARE(d.cursor().shape(), Qt::SizeAllCursor);
    raton(&d, QEvent::MouseMove, fondo + QPoint(40, 30), Qt::NoButton, Qt::RightButton);
    QCOMPARE(d.pos(), QPoint(100, 100));
    raton(&d, QEvent::MouseButtonRelease, fondo + QPoint(40, 30), Qt::RightButton, Qt::NoButton);
    QCOMPARE(d.cursor().shape(), Qt::ArrowCursor);

    // The left button drags by the distance from the press point.
    raton(&d, QEvent::MouseButtonPress, fondo, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(d.cursor().shape(), Qt::SizeAllCursor);
    raton(&d, QEvent::MouseMove, fondo + QPoint(40, 30), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(d.pos(), QPoint(140, 130));
    raton(&d, QEvent::MouseButtonRelease, fondo + QPoint(40, 30), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(d.cursor().shape(), Qt::ArrowCursor);
}

void TstDialog1::arrastrePorElMensaje()
{
    Dialog1 d;
    d.Prepara(QStringLiteral("Arrastrame"), 1);
    d.show();
    d.move(50, 50);
    auto* label = d.findChild<QLabel*>(QStringLiteral("Label1"));
    // Only the left button counts on the label, for the cursor as for moving.
    raton(label, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(d.cursor().shape(), Qt::ArrowCursor);
    raton(label, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::NoButton);

    raton(label, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(label->cursor().shape(), Qt::SizeAllCursor);
    raton(label, QEvent::MouseMove, {-15, 25}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(d.pos(), QPoint(30, 70));
    raton(label, QEvent::MouseButtonRelease, {-15, 25}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
}

void TstDialog1::centradoSobreElPadre()
{
    QWidget tablero;
    tablero.setGeometry(200, 150, 800, 600);
    tablero.show();
    Dialog1 d(&tablero);
    d.show();
    QCOMPARE(d.frameGeometry().center(), tablero.frameGeometry().center());
    QVERIFY(d.windowFlags() & Qt::FramelessWindowHint);
}

QTEST_MAIN(TstDialog1)
#include "tst_Dialog1.moc"
