#include "FormularioPregunta.h"

#include "CajaPregunta.h"
#include "Documento.h"
#include "EstiloEditor.h"
#include "Libros.h"
#include "ModeloPreguntas.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStringEncoder>
#include <QVBoxLayout>

namespace {

// Ctrl+Z in a text box undoes the editor's own last edit, the same as
// anywhere else in the window: the box's private undo would only undo its
// text and leave the bank and the box disagreeing.
class SinDeshacerPropio : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::ShortcutOverride) {
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->matches(QKeySequence::Undo) || k->matches(QKeySequence::Redo)
                || (k->modifiers() == Qt::ControlModifier && k->key() == Qt::Key_Y)) {
                e->ignore();
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }
};

// A field's problems on one line that is always there, empty or not: a
// line coming or going would move every field below it under the teacher's
// pointer. What does not fit ends in "…" and is whole in the tooltip.
class LineaProblema : public QLabel {
public:
    explicit LineaProblema(QWidget* parent) : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
        setWordWrap(false);
        setFixedHeight(fontMetrics().lineSpacing());
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    void setTexto(const QString& t)
    {
        setText(t);
        setAccessibleDescription(t);
        ajustar();
    }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QLabel::resizeEvent(e);
        ajustar();
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, linea_);
    }

private:
    void ajustar()
    {
        const QString una = text().replace(u'\n', QStringLiteral("  ·  "));
        linea_ = fontMetrics().elidedText(una, Qt::ElideRight, width());
        setToolTip(linea_ == una ? QString() : text());
        update();
    }
    QString linea_;
};

// "falta la respuesta B" as a sentence: "Falta la respuesta B."
QString comoFrase(const QString& t) { return t.isEmpty() ? t : t.left(1).toUpper() + t.mid(1) + u'.'; }

// The letters Windows-1252, the base's code page, cannot write.
QString sinCabida(const QString& texto)
{
    QString r;
    QStringEncoder e("windows-1252");
    for (const QChar c : texto) {
        if (c.isSurrogate()) {
            if (!r.contains(c))
                r += c;
            continue;
        }
        (void)e.encode(QString(c));
        if (e.hasError() && !r.contains(c))
            r += c;
        e.resetState();
    }
    return r;
}

const char* const NombresNivel[5] = {
    "1 (preguntas 1 a 3, la más fácil)", "2 (preguntas 4 a 6)", "3 (preguntas 7 a 9)", "4 (preguntas 10 a 12)",
    "5 (preguntas 13 a 15, la más difícil)",
};

}  // namespace

FormularioPregunta::FormularioPregunta(Documento* documento, QWidget* parent) : QWidget(parent), doc_(documento)
{
    construir();
    ModeloPreguntas* m = doc_->modelo();
    connect(m, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& a, const QModelIndex& b) {
        if (fila_.isValid() && fila_.row() >= a.row() && fila_.row() <= b.row())
            leer();
        else if (fila_.isValid())
            revisar();  // another row's change may make or mend a likeness
    });
    connect(m, &QAbstractItemModel::rowsRemoved, this, [this] {
        if (!fila_.isValid())
            mostrar(-1);
        else
            revisar();
    });
    connect(m, &QAbstractItemModel::rowsInserted, this, [this] { revisar(); });
    connect(m, &QAbstractItemModel::modelReset, this, [this] { mostrar(-1); });
    connect(doc_, &Documento::soloLecturaCambiado, this, [this] { ajustarSoloLectura(); });
    connect(doc_, &Documento::abiertoCambiado, this, [this] { leer(); });
    mostrar(-1);
}

QLabel* FormularioPregunta::etiquetaProblema(int campo)
{
    auto* l = new LineaProblema(campos_);
    problemas_[size_t(campo)] = l;
    return l;
}

QLineEdit* FormularioPregunta::cajaDeTexto(int campo, QObject* filtro)
{
    auto* caja = new QLineEdit(campos_);
    caja->installEventFilter(filtro);
    // Any change of the text, typed, pasted or undone from the box's own
    // menu, goes to the bank; the form's own setting of it does not.
    connect(caja, &QLineEdit::textChanged, this, [this, campo](const QString& t) {
        if (!leyendo_)
            cambiarTexto(campo, t);
    });
    return caja;
}

void FormularioPregunta::ponerCampo(QGridLayout* g, int& r, const QString& etiqueta, QWidget* campo, int problema,
                                    Qt::Alignment alineacion, QLayout* contenido)
{
    auto* l = new QLabel(etiqueta, campos_);
    l->setBuddy(campo);
    g->addWidget(l, r, 0, alineacion);
    if (contenido)
        g->addLayout(contenido, r++, 1);
    else
        g->addWidget(campo, r++, 1);
    g->addWidget(etiquetaProblema(problema), r++, 1);
}

void FormularioPregunta::construir()
{
    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    vacio_ = new QLabel(QStringLiteral("Elige una pregunta de la lista, o crea una nueva con Ctrl+N."), this);
    vacio_->setWordWrap(true);
    todo->addWidget(vacio_);

    campos_ = new QWidget(this);
    todo->addWidget(campos_);
    auto* g = new QGridLayout(campos_);
    g->setContentsMargins(0, 0, 0, 0);
    g->setColumnStretch(1, 1);
    // The line of problems under each field keeps the fields apart.
    g->setVerticalSpacing(2);
    auto* filtro = new SinDeshacerPropio(this);
    int r = 0;

    pregunta_ = new CajaPregunta(campos_);
    pregunta_->setAccessibleName(QStringLiteral("Pregunta"));
    pregunta_->installEventFilter(filtro);
    ponerCampo(g, r, QStringLiteral("&Pregunta"), pregunta_, FilaBase::Enunciado, Qt::AlignTop);
    connect(pregunta_, &QPlainTextEdit::textChanged, this, [this] {
        if (!leyendo_)
            cambiarTexto(FilaBase::Enunciado, pregunta_->texto());
    });

    auto* lblRespuestas = new QLabel(QStringLiteral("Respuestas: marca la correcta"), campos_);
    g->addWidget(lblRespuestas, r++, 0, 1, 2);
    grupo_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        const QString letra(QChar(u'A' + i));
        auto* marca = new QRadioButton(letra, campos_);
        marca->setToolTip(QStringLiteral("Marca la %1 como la respuesta correcta").arg(letra));
        marca->setAccessibleName(QStringLiteral("La respuesta %1 es la correcta").arg(letra));
        grupo_->addButton(marca, i);
        correctas_[size_t(i)] = marca;
        auto* caja = cajaDeTexto(FilaBase::RespA + i, filtro);
        caja->setAccessibleName(QStringLiteral("Respuesta %1").arg(letra));
        respuestas_[size_t(i)] = caja;
        g->addWidget(marca, r, 0);
        g->addWidget(caja, r++, 1);
        g->addWidget(etiquetaProblema(FilaBase::RespA + i), r++, 1);
    }
    g->addWidget(etiquetaProblema(FilaBase::LetraCorrecta), r++, 1);
    connect(grupo_, &QButtonGroup::idClicked, this, [this](int id) { cambiar(FilaBase::LetraCorrecta, id); });

    nivel_ = new QComboBox(campos_);
    for (int n = 0; n < 5; ++n)
        nivel_->addItem(QString::fromUtf8(NombresNivel[n]), n + 1);
    auto* filaNivel = new QHBoxLayout;
    filaNivel->setSpacing(fontMetrics().averageCharWidth() * 2);
    filaNivel->addWidget(nivel_);
    datos_ = new QLabel(campos_);
    EstiloEditor::comoNota(datos_);
    datos_->setWordWrap(false);
    filaNivel->addWidget(datos_, 1);
    ponerCampo(g, r, QStringLiteral("Ni&vel"), nivel_, FilaBase::Nivel, {}, filaNivel);
    connect(nivel_, &QComboBox::activated, this, [this](int i) { cambiar(FilaBase::Nivel, i + 1); });

    referencia_ = cajaDeTexto(FilaEditable::Referencia, filtro);
    referencia_->setPlaceholderText(QStringLiteral("Génesis 6:14 o Juan 3:16-18"));
    QStringList libros;
    for (const Libros::Libro& l : Libros::lista())
        libros << QString::fromUtf8(l.nombre);
    auto* completa = new QCompleter(libros, referencia_);
    completa->setCaseSensitivity(Qt::CaseInsensitive);
    referencia_->setCompleter(completa);
    ponerCampo(g, r, QStringLiteral("&Referencia"), referencia_, FilaEditable::Referencia);

    frase_ = cajaDeTexto(FilaEditable::Evidencia, filtro);
    frase_->setPlaceholderText(QStringLiteral("Unas palabras del versículo que prueban la respuesta"));
    ponerCampo(g, r, QStringLiteral("&Frase"), frase_, FilaEditable::Evidencia);

    // Problems with the fields the form does not show (Orden, Veces, ID).
    auto* otros = etiquetaProblema(FilaBase::ID);
    g->addWidget(otros, r++, 0, 1, 2);
    g->setRowStretch(r, 1);

    setTabOrder(pregunta_, correctas_[0]);
    QWidget* anterior = correctas_[0];
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            setTabOrder(anterior, correctas_[size_t(i)]);
            anterior = correctas_[size_t(i)];
        }
        setTabOrder(anterior, respuestas_[size_t(i)]);
        anterior = respuestas_[size_t(i)];
    }
    setTabOrder(anterior, nivel_);
    setTabOrder(nivel_, referencia_);
    setTabOrder(referencia_, frase_);
}

QWidget* FormularioPregunta::primerCampo() const { return pregunta_; }

int FormularioPregunta::altoCompleto(int ancho) const
{
    // The lines of problems are there already, empty or not.
    const int alto = campos_->hasHeightForWidth() ? campos_->heightForWidth(ancho) : campos_->sizeHint().height();
    return alto + fontMetrics().lineSpacing() / 2;
}
QWidget* FormularioPregunta::ultimoCampo() const { return frase_; }

int FormularioPregunta::fila() const { return fila_.isValid() ? fila_.row() : -1; }

void FormularioPregunta::mostrar(int fila)
{
    ModeloPreguntas* m = doc_->modelo();
    fila_ = fila >= 0 && fila < m->filasTotal() ? QPersistentModelIndex(m->index(fila, 0)) : QPersistentModelIndex();
    sinCabida_.fill(QString());
    leer();
}

void FormularioPregunta::leer()
{
    const bool hay = fila_.isValid();
    vacio_->setVisible(!hay);
    campos_->setVisible(hay);
    ajustarSoloLectura();
    if (!hay) {
        emit preguntaCambiada();
        emit pasajeCambiado();
        return;
    }
    const FilaEditable& f = doc_->modelo()->fila(fila_.row());
    leyendo_ = true;
    // A field whose text the base cannot hold keeps what was typed until
    // it is mended; the bank still has the last text it could hold.
    if (sinCabida_[FilaBase::Enunciado].isEmpty())
        pregunta_->setTexto(f.fila[FilaBase::Enunciado].aTexto());
    for (int i = 0; i < 4; ++i)
        mostrarTexto(respuestas_[size_t(i)], FilaBase::RespA + i, f.fila[FilaBase::RespA + i].aTexto());
    const int letra = f.fila.letra();
    // The right answer's box is tinted, as the board shows it green.
    for (int i = 0; i < 4; ++i) {
        QPalette p = respuestas_[size_t(i)]->palette();
        p.setColor(QPalette::Base, i == letra ? QColor(214, 244, 208) : palette().color(QPalette::Base));
        respuestas_[size_t(i)]->setPalette(p);
    }
    if (letra >= 0) {
        correctas_[size_t(letra)]->setChecked(true);
    } else if (grupo_->checkedButton()) {
        grupo_->setExclusive(false);  // an exclusive group cannot be emptied
        grupo_->checkedButton()->setChecked(false);
        grupo_->setExclusive(true);
    }
    nivel_->setCurrentIndex(f.fila.nivel() - 1);
    const QString veces = f.fila[FilaBase::Veces].aTexto();
    datos_->setText(QStringLiteral("ID %1 · %2")
                        .arg(f.fila[FilaBase::ID].aTexto(),
                             veces == QLatin1String("0")   ? QStringLiteral("aún no ha salido en el juego")
                             : veces == QLatin1String("1") ? QStringLiteral("ha salido una vez en el juego")
                                                           : QStringLiteral("ha salido %1 veces en el juego").arg(veces)));
    mostrarTexto(referencia_, FilaEditable::Referencia, f.referencia);
    mostrarTexto(frase_, FilaEditable::Evidencia, f.evidencia);
    leyendo_ = false;
    revisar();
    emit preguntaCambiada();
    emit pasajeCambiado();
}

void FormularioPregunta::mostrarTexto(QLineEdit* caja, int campo, const QString& texto)
{
    if (sinCabida_[size_t(campo)].isEmpty() && caja->text() != texto)
        caja->setText(texto);
}

void FormularioPregunta::ajustarSoloLectura()
{
    const bool solo = doc_->soloLectura();
    pregunta_->setReadOnly(solo);
    for (QLineEdit* e : respuestas_)
        e->setReadOnly(solo);
    for (QRadioButton* b : correctas_)
        b->setEnabled(!solo);
    nivel_->setEnabled(!solo);
    referencia_->setReadOnly(solo);
    frase_->setReadOnly(solo);
}

void FormularioPregunta::revisar()
{
    std::array<QStringList, 12> textos;
    std::array<bool, 12> errores{};
    if (fila_.isValid()) {
        for (const Problema& p : doc_->problemas(fila_.row())) {
            // Orden, Veces and ID have no field here: their label is the ID's.
            const int campo = p.campo == FilaBase::Orden || p.campo == FilaBase::Veces ? int(FilaBase::ID) : p.campo;
            if (campo < 0 || campo >= int(textos.size()))
                continue;
            textos[size_t(campo)] << comoFrase(p.texto);
            errores[size_t(campo)] = errores[size_t(campo)] || p.gravedad == Problema::Error;
        }
        for (size_t c = 0; c < sinCabida_.size(); ++c)
            if (!sinCabida_[c].isEmpty()) {
                // What matters first: the line may end in "…".
                textos[c].prepend(QStringLiteral("No se guarda lo que escribes aquí: «%1» no cabe en la base de "
                                                 "preguntas. Cámbialo por otra letra o signo.")
                                      .arg(sinCabida_[c]));
                errores[c] = true;
            }
    }
    for (size_t c = 0; c < problemas_.size(); ++c) {
        QLabel* l = problemas_[c];
        if (!l)
            continue;
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, errores[c] ? EstiloEditor::colorError() : EstiloEditor::colorAviso());
        l->setPalette(p);
        static_cast<LineaProblema*>(l)->setTexto(textos[c].join(u'\n'));
    }
}

QString FormularioPregunta::problema(int campo) const
{
    const QLabel* l = campo >= 0 && campo < int(problemas_.size()) ? problemas_[size_t(campo)] : nullptr;
    return l ? l->text() : QString();
}

QWidget* FormularioPregunta::lineaProblema(int campo) const { return problemas_[size_t(campo)]; }

QWidget* FormularioPregunta::seleccionar(int campo)
{
    if (!fila_.isValid())
        return nullptr;
    QWidget* w = nullptr;
    if (campo == FilaBase::Enunciado) {
        pregunta_->selectAll();
        w = pregunta_;
    } else if (campo >= FilaBase::RespA && campo <= FilaBase::RespD) {
        respuestas_[size_t(campo - FilaBase::RespA)]->selectAll();
        w = respuestas_[size_t(campo - FilaBase::RespA)];
    } else if (campo == FilaBase::LetraCorrecta) {
        const int letra = doc_->modelo()->fila(fila_.row()).fila.letra();
        w = correctas_[size_t(std::max(letra, 0))];
    } else if (campo == FilaBase::Nivel) {
        w = nivel_;
    } else if (campo == FilaEditable::Referencia || campo == FilaEditable::Evidencia) {
        QLineEdit* e = campo == FilaEditable::Referencia ? referencia_ : frase_;
        e->selectAll();
        w = e;
    }
    if (w)
        w->setFocus(Qt::OtherFocusReason);
    return w;
}

void FormularioPregunta::cambiarTexto(int campo, const QString& texto)
{
    const QString malas = sinCabida(texto);
    if (malas != sinCabida_[size_t(campo)]) {
        sinCabida_[size_t(campo)] = malas;
        revisar();
    }
    if (malas.isEmpty())
        cambiar(campo, texto);
}

void FormularioPregunta::cambiar(int campo, const QVariant& valor)
{
    if (!fila_.isValid() || leyendo_)
        return;
    const Documento::Resultado r = doc_->cambiar(fila_.row(), campo, valor);
    if (!r.ok) {
        emit aviso(r.mensaje);
        leer();  // the field shows what the bank still holds
    }
}
