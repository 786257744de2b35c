#include "VentanaEditor.h"

#include "Dialogos.h"
#include "Documento.h"
#include "EstiloEditor.h"
#include "FiltroPreguntas.h"
#include "FormularioPregunta.h"
#include "ModeloPreguntas.h"
#include "Ordenes.h"
#include "PanelPasaje.h"
#include "PanelPreguntas.h"
#include "VistaPrevia.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {
const QString Titulo = QStringLiteral("Editor de preguntas");
const QString Filtros = QStringLiteral("Preguntas (*.qdb *.bak *.csv);;Base del juego (*.qdb *.bak);;CSV (*.csv)");
const QString FiltroCsv = QStringLiteral("CSV (*.csv)");
}  // namespace

VentanaEditor::VentanaEditor(Dialogos& dialogos, const Biblia& biblia, QWidget* parent)
    : QMainWindow(parent), dialogos_(dialogos), doc_(new Documento(this)), biblia_(biblia)
{
    setWindowTitle(Titulo);
    setWindowIcon(EstiloEditor::icono());
    doc_->setBiblia(&biblia_);  // a base's save writes the verses beside it
    acciones_ = AccionesEditor::crear(this, doc_->pila());

    auto* centro = new QWidget(this);
    auto* todo = new QVBoxLayout(centro);
    todo->addWidget(construirAviso());
    auto* division = new QSplitter(Qt::Horizontal, centro);
    division->addWidget(construirLista());
    division->addWidget(construirDerecha());
    division->setStretchFactor(0, 4);
    division->setStretchFactor(1, 5);
    division->setSizes({720, 900});
    division->setChildrenCollapsible(false);
    todo->addWidget(division, 1);
    setCentralWidget(centro);
    statusBar()->setSizeGripEnabled(true);

    conectar();
    actualizarEstado();
    resize(1620, 1000);
}

VentanaEditor::~VentanaEditor()
{
    // The undo stack signals "clean" as it is destroyed, after this window's
    // own part is gone: it must not reach the window any more.
    QObject::disconnect(doc_->pila(), nullptr, this, nullptr);
}

QWidget* VentanaEditor::construirAviso()
{
    aviso_ = new QWidget(this);
    aviso_->setAutoFillBackground(true);
    QPalette p = aviso_->palette();
    p.setColor(QPalette::Window, QColor(120, 60, 0));
    p.setColor(QPalette::WindowText, Qt::white);
    aviso_->setPalette(p);
    auto* l = new QHBoxLayout(aviso_);
    textoAviso_ = new QLabel(aviso_);
    textoAviso_->setWordWrap(true);
    textoAviso_->setTextFormat(Qt::PlainText);
    reintentar_ = new QPushButton(QStringLiteral("&Volver a intentar"), aviso_);
    reintentar_->setToolTip(QStringLiteral("Cuando hayas cerrado el juego, pulsa aquí para poder guardar"));
    l->addWidget(textoAviso_, 1);
    l->addWidget(reintentar_);
    aviso_->hide();
    return aviso_;
}

QWidget* VentanaEditor::construirLista()
{
    auto* caja = new QWidget(this);
    auto* l = new QVBoxLayout(caja);
    l->setContentsMargins(0, 0, 0, 0);
    lista_ = new PanelPreguntas(doc_->modelo(), caja);
    l->addWidget(lista_, 1);
    lista_->tabla()->addAction(acciones_.borrar);

    auto* fila = new QHBoxLayout;
    const struct {
        QAction* accion;
        QString texto;
    } botones[] = {
        {acciones_.nueva, QStringLiteral("Nueva pregunta")},
        {acciones_.duplicar, QStringLiteral("Duplicar")},
        {acciones_.borrar, QStringLiteral("Borrar")},
        {acciones_.guardar, QStringLiteral("Guardar")},
    };
    for (const auto& b : botones) {
        auto* boton = new QPushButton(b.texto, caja);
        boton->setToolTip(b.accion->text().remove(u'&') + QStringLiteral(" (") + b.accion->shortcut().toString(QKeySequence::NativeText) + u')');
        connect(boton, &QPushButton::clicked, b.accion, &QAction::trigger);
        connect(b.accion, &QAction::enabledChanged, boton, &QWidget::setEnabled);
        fila->addWidget(boton);
        botones_ << boton;
    }
    fila->insertStretch(3, 1);
    l->addLayout(fila);
    return caja;
}

QWidget* VentanaEditor::construirDerecha()
{
    auto* division = new QSplitter(Qt::Vertical, this);
    formulario_ = new FormularioPregunta(doc_, division);
    auto* desliza = new QScrollArea(division);
    desliza->setWidget(formulario_);
    desliza->setWidgetResizable(true);
    desliza->setFrameShape(QFrame::NoFrame);
    desliza->setFocusPolicy(Qt::NoFocus);
    desliza_ = desliza;

    pestanas_ = new QTabWidget(division);
    pasaje_ = new PanelPasaje(biblia_, pestanas_);
    vista_ = new VistaPrevia(pestanas_);
    pestanas_->addTab(pasaje_, QStringLiteral("&Pasaje bíblico"));
    pestanas_->addTab(vista_, QStringLiteral("En el &tablero"));

    division->addWidget(desliza);
    division->addWidget(pestanas_);
    // The whole form shows; the verse and the board take the rest, and
    // what the window gains or loses.
    division->setStretchFactor(0, 0);
    division->setStretchFactor(1, 1);
    division->setChildrenCollapsible(false);
    derecha_ = division;
    division->installEventFilter(this);
    connect(division, &QSplitter::splitterMoved, this, [division] { division->setProperty("movida", true); });
    return division;
}

void VentanaEditor::conectar()
{
    connect(acciones_.abrirJuego, &QAction::triggered, this, &VentanaEditor::abrirBaseDelJuego);
    connect(acciones_.abrir, &QAction::triggered, this, &VentanaEditor::elegirYAbrir);
    connect(acciones_.guardar, &QAction::triggered, this, &VentanaEditor::guardar);
    connect(acciones_.importar, &QAction::triggered, this, &VentanaEditor::importar);
    connect(acciones_.exportar, &QAction::triggered, this, &VentanaEditor::exportar);
    connect(acciones_.salir, &QAction::triggered, this, &QWidget::close);
    connect(acciones_.nueva, &QAction::triggered, this, &VentanaEditor::nueva);
    connect(acciones_.duplicar, &QAction::triggered, this, &VentanaEditor::duplicar);
    connect(acciones_.borrar, &QAction::triggered, this, &VentanaEditor::borrar);
    connect(acciones_.buscar, &QAction::triggered, lista_, &PanelPreguntas::buscar);
    connect(acciones_.ayuda, &QAction::triggered, this, &VentanaEditor::ayuda);
    connect(reintentar_, &QPushButton::clicked, this, &VentanaEditor::volverAIntentar);
    // Connected after the stack's own: the edit is already undone.
    connect(acciones_.deshacer, &QAction::triggered, this, [this] { mostrarDeshecho(false); });
    connect(acciones_.rehacer, &QAction::triggered, this, [this] { mostrarDeshecho(true); });

    connect(lista_, &PanelPreguntas::filaElegidaCambiada, this, &VentanaEditor::mostrarFila);
    connect(formulario_, &FormularioPregunta::aviso, this, [this](const QString& t) { informar(t, true); });
    connect(formulario_, &FormularioPregunta::preguntaCambiada, this, &VentanaEditor::actualizarVista);
    connect(formulario_, &FormularioPregunta::pasajeCambiado, this, &VentanaEditor::actualizarPasaje);

    ModeloPreguntas* m = doc_->modelo();
    // A question put in (new, copied, imported, or back by an undo) is the
    // one shown.
    connect(m, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int primera) { lista_->elegir(primera); });
    connect(m, &QAbstractItemModel::modelReset, this, [this] { lista_->elegirVisible(0); });
    connect(doc_->pila(), &QUndoStack::cleanChanged, this, &VentanaEditor::actualizarEstado);
    connect(doc_, &Documento::soloLecturaCambiado, this, &VentanaEditor::actualizarEstado);
    connect(doc_, &Documento::abiertoCambiado, this, &VentanaEditor::actualizarEstado);
}

QWidget* VentanaEditor::aviso() const { return aviso_; }

void VentanaEditor::actualizarEstado()
{
    const bool abierto = doc_->abierto();
    const bool solo = doc_->soloLectura();
    // The program's name last: a title ending otherwise gets it added by
    // the desktop a second time.
    QString titulo = Titulo;
    if (abierto)
        titulo = QFileInfo(doc_->ruta()).fileName() + QStringLiteral("[*]")
            + (solo ? QStringLiteral(" (solo lectura)") : QString()) + QStringLiteral(" — ") + Titulo;
    setWindowTitle(titulo);
    setWindowModified(doc_->modificado());
    for (QAction* a : {acciones_.guardar, acciones_.importar, acciones_.nueva, acciones_.duplicar, acciones_.borrar})
        a->setEnabled(abierto && !solo);
    acciones_.exportar->setEnabled(abierto);
    aviso_->setVisible(solo);
    textoAviso_->setText(doc_->motivoSoloLectura());
    reintentar_->setVisible(doc_->esperaCerrojo());
}

void VentanaEditor::informar(const QString& texto, bool esError)
{
    if (texto.isEmpty())
        return;
    if (esError)
        dialogos_.informar(this, Titulo, texto, true);
    else
        statusBar()->showMessage(texto, 8000);
}

bool VentanaEditor::puedeDejarCambios()
{
    if (!doc_->modificado())
        return true;
    switch (dialogos_.preguntar(this, Titulo,
                                QStringLiteral("Hay cambios sin guardar en %1. ¿Quieres guardarlos?")
                                    .arg(ArchivoPreguntas::nombre(doc_->ruta())),
                                QStringLiteral("Guardar"), QStringLiteral("No guardar"), true)) {
    case Dialogos::Respuesta::Si: return guardar();
    case Dialogos::Respuesta::No: return true;
    case Dialogos::Respuesta::Cancelar: return false;
    }
    return false;
}

bool VentanaEditor::abrir(const QString& ruta)
{
    if (!puedeDejarCambios())
        return false;
    const Documento::Resultado r = doc_->abrir(ruta);
    if (!r.ok) {
        informar(r.mensaje, true);
        return false;
    }
    avisosAceptados_.clear();
    informar(r.mensaje.isEmpty() ? QStringLiteral("Abierto %1: %2 preguntas.")
                                       .arg(ArchivoPreguntas::nombre(ruta))
                                       .arg(doc_->modelo()->filasTotal())
                                 : r.mensaje,
             false);
    ofrecerRecuperacion();
    return true;
}

void VentanaEditor::ofrecerRecuperacion()
{
    // Read-only (the game has the base): kept until the edits can be made.
    if (doc_->soloLectura() || !doc_->hayRecuperacion())
        return;
    switch (dialogos_.preguntar(this, Titulo,
                                QStringLiteral("La última vez el editor se cerró sin que pudieras guardar los cambios "
                                               "de %1 (se apagó el equipo o terminó la sesión). Se guardaron aparte. "
                                               "¿Quieres recuperarlos?")
                                    .arg(ArchivoPreguntas::nombre(doc_->ruta())),
                                QStringLiteral("Recuperar"), QStringLiteral("Descartar"), false)) {
    case Dialogos::Respuesta::Si: {
        const Documento::Resultado r = doc_->recuperar();
        informar(r.mensaje, !r.ok);
        break;
    }
    case Dialogos::Respuesta::No: doc_->descartarRecuperacion(); break;
    case Dialogos::Respuesta::Cancelar: break;  // asked again next time
    }
}

void VentanaEditor::terminarDesdeFuera()
{
    // Nothing may be asked now; the lock goes with the window.
    doc_->guardarRecuperacion();
}

void VentanaEditor::mostrarDeshecho(bool rehecho)
{
    const QUndoStack* pila = doc_->pila();
    const auto* orden = dynamic_cast<const OrdenCampo*>(pila->command(rehecho ? pila->index() - 1 : pila->index()));
    if (!orden || orden->fila() < 0 || orden->fila() >= doc_->modelo()->filasTotal())
        return;
    if (formulario_->fila() != orden->fila() || lista_->filaElegida() != orden->fila())
        lista_->elegir(orden->fila());
    if (QWidget* w = formulario_->seleccionar(orden->campo()))
        desliza_->ensureWidgetVisible(w);
}

bool VentanaEditor::abrirBaseDelJuego() { return abrir(Documento::rutaDelJuego()); }

void VentanaEditor::elegirYAbrir()
{
    const QString carpeta = doc_->abierto() ? QFileInfo(doc_->ruta()).absolutePath() : QString();
    const QString ruta = dialogos_.archivoParaAbrir(this, QStringLiteral("Abrir preguntas"), Filtros, carpeta);
    if (!ruta.isEmpty())
        abrir(ruta);
}

bool VentanaEditor::guardar()
{
    if (!doc_->abierto())
        return false;
    if (doc_->soloLectura()) {
        informar(doc_->motivoSoloLectura(), true);
        return false;
    }
    const QStringList errores = doc_->errores();
    if (!errores.isEmpty()) {
        informar(QStringLiteral("Todavía no se puede guardar: el juego no podría leer la base.\n\n") + Documento::resumen(errores, 8),
                 true);
        return false;
    }
    // Saving with a warning asks once: the same warnings again do not.
    const QStringList avisos = doc_->avisos();
    if (!avisos.isEmpty() && avisos != avisosAceptados_) {
        const QString texto = (avisos.size() == 1 ? QStringLiteral("Hay un aviso:\n\n")
                                                  : QStringLiteral("Hay %1 avisos:\n\n").arg(avisos.size()))
            + Documento::resumen(avisos, 8) + QStringLiteral("\n\nEl juego puede usar las preguntas así. ¿Guardar de todos modos?");
        if (dialogos_.preguntar(this, Titulo, texto, QStringLiteral("Guardar"), QStringLiteral("Seguir editando"),
                                false)
            != Dialogos::Respuesta::Si)
            return false;
        avisosAceptados_ = avisos;
    }
    const Documento::Resultado r = doc_->guardar();
    informar(r.mensaje, !r.ok);
    return r.ok;
}

void VentanaEditor::mostrarFila(int fila)
{
    formulario_->mostrar(fila);
}

void VentanaEditor::actualizarVista()
{
    const int fila = formulario_->fila();
    if (fila < 0) {
        vista_->setPregunta(QString());
        vista_->setRespuestas({});
        vista_->setCorrecta(-1);
        return;
    }
    const FilaBase& f = doc_->modelo()->fila(fila).fila;
    vista_->setPregunta(f[FilaBase::Enunciado].aTexto());
    for (int i = 0; i < 4; ++i)
        vista_->setRespuesta(i, f[FilaBase::RespA + i].aTexto());
    vista_->setCorrecta(f.letra());
}

void VentanaEditor::actualizarPasaje()
{
    const int fila = formulario_->fila();
    if (fila < 0) {
        pasaje_->mostrar(QString(), QString());
        return;
    }
    const FilaEditable& f = doc_->modelo()->fila(fila);
    pasaje_->mostrar(f.referencia, f.evidencia);
}

void VentanaEditor::nueva()
{
    // Of the level shown, or of the question chosen.
    int nivel = lista_->filtro()->nivel();
    if (nivel == 0 && formulario_->fila() >= 0)
        nivel = doc_->modelo()->fila(formulario_->fila()).fila.nivel();
    Documento::Resultado r;
    if (doc_->agregar(nivel == 0 ? 1 : nivel, &r) < 0) {
        informar(r.mensaje, true);
        return;
    }
    formulario_->primerCampo()->setFocus(Qt::OtherFocusReason);
    informar(QStringLiteral("Nueva pregunta: escríbela, marca la respuesta correcta y guarda con Ctrl+S."), false);
}

void VentanaEditor::duplicar()
{
    Documento::Resultado r;
    if (doc_->duplicar(formulario_->fila(), &r) < 0)
        informar(r.mensaje, true);
    else
        formulario_->primerCampo()->setFocus(Qt::OtherFocusReason);
}

void VentanaEditor::borrar()
{
    const int visible = lista_->filaVisibleElegida();
    const Documento::Resultado r = doc_->borrar(formulario_->fila());
    if (!r.ok) {
        informar(r.mensaje, true);
        return;
    }
    lista_->elegirVisible(visible);
    informar(QStringLiteral("Pregunta borrada. Ctrl+Z la devuelve."), false);
}

void VentanaEditor::importar()
{
    const QString ruta = dialogos_.archivoParaAbrir(this, QStringLiteral("Importar preguntas de un CSV"), FiltroCsv,
                                                     QFileInfo(doc_->ruta()).absolutePath());
    if (ruta.isEmpty())
        return;
    const Documento::Resultado r = doc_->importar(ruta);
    informar(r.mensaje, !r.ok);
}

void VentanaEditor::exportar()
{
    const QFileInfo actual(doc_->ruta());
    const QString sugerido = actual.absoluteDir().filePath(actual.completeBaseName() + QStringLiteral(".csv"));
    QString ruta = dialogos_.archivoParaGuardar(this, QStringLiteral("Exportar a CSV"), FiltroCsv, sugerido);
    if (ruta.isEmpty())
        return;
    if (!ruta.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        ruta += QStringLiteral(".csv");
    const Documento::Resultado r = doc_->exportar(ruta);
    informar(r.mensaje, !r.ok);
}

void VentanaEditor::volverAIntentar()
{
    const Documento::Resultado r = doc_->reintentar();
    informar(r.mensaje, !r.ok);
    if (r.ok)
        ofrecerRecuperacion();
}

void VentanaEditor::ayuda()
{
    dialogos_.informar(
        this, QStringLiteral("Cómo se añade una pregunta"),
        QStringLiteral("1. Pulsa «Nueva pregunta» (Ctrl+N).\n"
                       "2. Escribe la pregunta y las cuatro respuestas, y marca la correcta (A, B, C o D). "
                       "Elige el nivel: el 1 es el más fácil.\n"
                       "3. Escribe la referencia (por ejemplo «Génesis 6:14») para ver el versículo, y mira en "
                       "«En el tablero» cómo se verá.\n"
                       "4. Guarda con Ctrl+S. El juego la usará la próxima vez que se abra.\n\n"
                       "Ctrl+Z deshace el último cambio; Ctrl+F busca; Supr borra la pregunta elegida en la lista."),
        false);
}

bool VentanaEditor::eventFilter(QObject* o, QEvent* e)
{
    // The whole form, at the width it has now; the verse and the board take
    // the rest. A division the teacher has moved stays where it is put.
    if (o == derecha_ && e->type() == QEvent::Resize && !derecha_->property("movida").toBool()) {
        const int total = derecha_->height() - derecha_->handleWidth();
        const int alto = std::min(formulario_->altoCompleto(derecha_->width()), total * 3 / 4);
        derecha_->setSizes({alto, total - alto});
    }
    return QMainWindow::eventFilter(o, e);
}

void VentanaEditor::closeEvent(QCloseEvent* e)
{
    if (puedeDejarCambios())
        e->accept();
    else
        e->ignore();
}
