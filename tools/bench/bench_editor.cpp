// Times the question editor on the shipped base (QBase.qdb beside the
// program): opening it until the window shows its questions, and one
// keystroke in the search box until the list has been filtered and drawn,
// beside a plain copy of the file, the least any opening could cost; and a
// save, which writes the passages beside the base with every verse read
// through libsword.
// Medians of several runs, in milliseconds; run offscreen (make bench).
#include "Biblia.h"
#include "Dialogos.h"
#include "Documento.h"
#include "EstiloEditor.h"
#include "FiltroPreguntas.h"
#include "ModeloPreguntas.h"
#include "PanelPreguntas.h"
#include "VentanaEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Nothing to ask: the bench opens a good base and never saves.
class Callados : public Dialogos {
public:
    Respuesta preguntar(QWidget*, const QString&, const QString&, const QString&, const QString&, bool) override
    {
        return Respuesta::No;
    }
    void informar(QWidget*, const QString&, const QString&, bool) override {}
    QString archivoParaAbrir(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString archivoParaGuardar(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

struct Tiempos {
    double mediana;
    double peor;
};

Tiempos medir(int veces, const std::function<void()>& antes, const std::function<void()>& trabajo)
{
    std::vector<double> ms;
    for (int i = 0; i < veces; ++i) {
        antes();
        QElapsedTimer t;
        t.start();
        trabajo();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

}  // namespace

int main(int argc, char** argv)
{
    // The offscreen platform's remarks would bury the figures.
    qInstallMessageHandler([](QtMsgType t, const QMessageLogContext&, const QString& m) {
        if (t >= QtCriticalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(m));
    });
    QApplication app(argc, argv);
    EstiloEditor::aplicar(app);  // as the program draws
    QTextStream out(stdout);
    const QString enviada = QCoreApplication::applicationDirPath() + QStringLiteral("/QBase.qdb");
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("QBase.qdb"));
    const QString copia = dir.filePath(QStringLiteral("copia.qdb"));
    if (!QFile::copy(enviada, base)) {
        out << "bench_editor: no shipped base at " << enviada << "\n";
        return 1;
    }
    const QString citas = dir.filePath(QStringLiteral("QBase.citas"));
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/QBase.citas"), citas);
    auto bytes = [](const QString& ruta) {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray citasDelBuild = bytes(citas);
    const double tCopia = medir(9, [&] { QFile::remove(copia); }, [&] { QFile::copy(base, copia); }).mediana;

    Callados callados;
    const Biblia biblia;
    int filas = 0;
    const Tiempos tDocumento = medir(9, [] {}, [&] {
        Documento d;
        d.abrir(base);
        filas = d.modelo()->filasTotal();
    });
    Documento guardado;
    guardado.setBiblia(&biblia);
    guardado.abrir(base);
    bool guardo = true;
    const Tiempos tGuardar = medir(9, [] {}, [&] { guardo = guardado.guardar().ok && guardo; });
    guardado.abrir(copia);  // the lock on base goes
    std::unique_ptr<VentanaEditor> v;
    const Tiempos tVentana = medir(9, [&] { v.reset(); }, [&] {
        v = std::make_unique<VentanaEditor>(callados, biblia);
        v->abrir(base);
        v->show();
        QApplication::processEvents();
    });

    // Typing "arca", then erasing it, letter by letter: each keystroke
    // filters the whole bank and redraws the list.
    QLineEdit* buscar = v->lista()->busqueda();
    buscar->setFocus();
    const QString palabra = QStringLiteral("arca");
    int paso = 0;
    int vistas = 0;
    const Tiempos tTecla = medir(201, [] {}, [&] {
        const int k = paso++ % 8;
        if (k < 4)
            QTest::keyClick(buscar, palabra[k].toLatin1());
        else
            QTest::keyClick(buscar, Qt::Key_Backspace);
        v->lista()->tabla()->viewport()->repaint();
        vistas += v->lista()->filtro()->rowCount();
    });

    auto linea = [&](const char* que, Tiempos t) {
        out << qSetFieldWidth(44) << Qt::left << que << qSetFieldWidth(9) << Qt::right
            << QString::number(t.mediana, 'f', 2) << qSetFieldWidth(0) << " ms   x"
            << QString::number(t.mediana / tCopia, 'f', 1) << " the copy   (slowest "
            << QString::number(t.peor, 'f', 2) << " ms)\n";
    };
    out << "Question editor on the shipped base: " << filas << " questions, " << QFile(base).size() / 1024
        << " KiB; medians\n";
    linea("plain copy of the file (floor)", {tCopia, tCopia});
    linea("open: the bank read (Documento)", tDocumento);
    linea("open: the window showing its questions", tVentana);
    linea("one keystroke in the search, list redrawn", tTecla);
    linea(guardo ? "save: the base and its passages" : "save: FAILED", tGuardar);
    // The same lines come back (the editor writes them in the base's order).
    auto lineas = [](const QByteArray& b) {
        QList<QByteArray> l = b.split('\n');
        std::sort(l.begin(), l.end());
        return l;
    };
    out << "passages saved " << (lineas(bytes(citas)) == lineas(citasDelBuild) ? "as" : "NOT as")
        << " the build wrote them\n";
    out << "targets: open under 300 ms, a keystroke under 16 ms  (rows seen " << vistas % 997 << ")\n";
    return 0;
}
