#pragma once
// A real board on a small test base, with silent players and settings in a
// temporary folder. The message and standings windows are answered with
// Enter as soon as they open; what they showed is written down.
#include "Almacen.h"
#include "Arranque.h"
#include "Comod.h"
#include "CronovaTimer.h"
#include "ElementosTablero.h"
#include "Modulo.h"
#include "Pregunta.h"
#include "Resp.h"
#include "Tablero.h"
#include "BotonImagen.h"
#include "fakes/BaseDePrueba.h"
#include "fakes/ReproductorFalso.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

class ArnesTablero {
public:
    // ajustes: what to put in the store before the start routine reads it;
    // publico: the room of phones the board tells (none when null);
    // junto: lays what else the base's folder should hold before the load.
    explicit ArnesTablero(std::function<void(Almacen&)> ajustes = {}, int porNivel = 5, Publico* publico = nullptr,
                          std::function<void(const QString&)> junto = {})
        : almacen(dir.filePath(QStringLiteral("ajustes.ini")))
    {
        almacen.escribir(QStringLiteral("Inicio"), QStringLiteral("FirstRun"), QStringLiteral("False"));
        if (ajustes)
            ajustes(almacen);
        EscribirBaseDePrueba(carpetaBase(), porNivel);
        if (junto)
            junto(carpetaBase());
        LeerAjustesInicio(m, almacen);
        Tablero::Dependencias d;
        d.mp1 = &mp1;
        d.mp2 = &mp2;
        d.carpetaBase = carpetaBase();
        d.publico = publico;
        t = std::make_unique<Tablero>(m, almacen, d);
        QObject::connect(t.get(), &Tablero::tocado, [this](qint32 s) { sonidos << int(s); });
        QObject::connect(t.get(), &Tablero::mensaje, [this](const QString& msj, qint32 cara) {
            mensajes << msj;
            caras << int(cara);
            marcasAlMensaje.clear();
            for (Resp* r : el().Resp1)
                marcasAlMensaje << int(r->Situation());
            enterAlModal();
        });
        QObject::connect(t.get(), &Tablero::posiciones, [this] {
            ++posiciones;
            jugadoresEnPosiciones = m.JugadorActual;
            enterAlModal();
        });
        cargado = t->Cargar();
        t->show();
    }

    QString carpetaBase() const { return dir.filePath(QStringLiteral("base")); }
    const ElementosTablero& el() const { return t->elementos(); }
    Pregunta& qtn() const { return *t->Qtn(); }
    qint16 correcta() const { return qtn().Correcta(); }
    // A wrong answer still on show (remove-two may have hidden some).
    qint16 incorrecta() const
    {
        for (int d = 1; d < 4; ++d) {
            const int k = (correcta() + d) % 4;
            if (!el().Resp1[size_t(k)]->isHidden())
                return qint16(k);
        }
        return qint16((correcta() + 1) % 4);
    }
    Jugador& jugador() { return m.actual(); }

    static void clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void clicRespuesta(int k) const
    {
        Resp* r = el().Resp1[size_t(k)];
        const QRegion mascara = r->mask();
        const QPoint p = mascara.isEmpty() ? r->rect().center() : mascara.begin()->center();
        QTest::mouseClick(r, Qt::LeftButton, {}, p);
    }
    void iniciar() const { clic(el().cmdIniciar); }
    void responder() const { clic(el().cmdResponder); }
    void siguiente() const { clic(el().cmdSigPreg); }
    void retirarse() const { clic(el().cmdRetira); }
    void acertar() const
    {
        clicRespuesta(correcta());
        responder();
    }
    void fallar() const
    {
        clicRespuesta(incorrecta());
        responder();
    }
    void tecla(Qt::Key k, Qt::KeyboardModifiers mods = {}) const { QTest::keyClick(t.get(), k, mods); }
    // Lets the countdown run out without waiting a second per tick.
    void agotarTiempo() const
    {
        for (int i = 0; i < 100 && t->timer().Corriendo(); ++i)
            t->timer().Tictac();
    }
    static bool visible(const QWidget* w) { return !w->isHidden(); }

    QTemporaryDir dir;
    Almacen almacen;
    Modulo m;
    ReproductorFalso mp1{QStringLiteral("MP1")};
    ReproductorFalso mp2{QStringLiteral("MP2")};
    std::unique_ptr<Tablero> t;
    bool cargado = false;
    QStringList mensajes;
    QList<int> caras;
    QList<int> marcasAlMensaje;  // the answers' states while the last message was up
    QList<int> sonidos;
    int posiciones = 0;
    int jugadoresEnPosiciones = 0;  // JugadorActual while the standings were open

private:
    // Answers the modal window about to open with Enter, once it is up.
    static void enterAlModal(int intentos = 50)
    {
        QTimer::singleShot(0, [intentos] {
            if (QWidget* w = QApplication::activeModalWidget())
                QTest::keyClick(w, Qt::Key_Return);
            else if (intentos > 0)
                enterAlModal(intentos - 1);
        });
    }
};
