#pragma once
#include "ArchivoPreguntas.h"
#include "CitasBase.h"
#include "Comprobador.h"

#include <QObject>
#include <QSet>
#include <QString>
#include <memory>
#include <optional>

class Azar;
class Biblia;
class CerrojoBase;
class ModeloPreguntas;
class QUndoStack;
class RevisionPreguntas;

// The open question bank: its rows (the model), the edits made to them (the
// undo stack), its file and how it goes back there. Every change goes
// through here as one command, so Ctrl+Z gives back exactly what was.
// No widgets: the window and the tests drive it alike.
class Documento : public QObject {
    Q_OBJECT
public:
    // What an action did; mensaje is plain Spanish for the teacher: why it
    // failed, or a note on what was done.
    struct Resultado {
        bool ok = true;
        QString mensaje;
        static Resultado bien(const QString& nota = QString()) { return {true, nota}; }
        static Resultado mal(const QString& por) { return {false, por}; }
    };

    explicit Documento(QObject* parent = nullptr);
    Documento(Azar& azar, QObject* parent = nullptr);
    ~Documento() override;

    ModeloPreguntas* modelo() const { return modelo_; }
    QUndoStack* pila() const { return pila_; }
    const RevisionPreguntas* revision() const { return revision_; }

    // The base the game plays from, found as the game finds it (beside the
    // program, or this user's copy, made now if the game has not yet).
    static QString rutaDelJuego();

    // Opens a base or a CSV. On failure the document keeps what it had and
    // the file is left alone. A base is opened holding its lock (the one the
    // game takes, CerrojoBase), so that the game, started meanwhile, plays
    // without writing over what is saved here; held by the running game, it
    // opens read-only until the game is closed.
    Resultado abrir(const QString& ruta);
    // Read-only because another program holds the base: tries the lock
    // again and, once held, reads the file anew (the game may have written
    // its counts). False while the other still holds it.
    Resultado reintentar();
    bool esperaCerrojo() const { return esperaCerrojo_; }
    bool abierto() const { return !ruta_.isEmpty(); }
    QString ruta() const { return ruta_; }
    ArchivoPreguntas::Formato formato() const { return formato_; }
    // The passage and the phrase are kept: a CSV's own columns, a base's
    // companion beside it (CitasBase).
    bool guardaPasaje() const { return abierto(); }
    // The Bible a base's save reads the verses from, for the companion;
    // without one the verse text read at opening is kept.
    void setBiblia(const Biblia* biblia) { biblia_ = biblia; }
    bool modificado() const;

    // Read-only: the file may be looked at, not changed.
    bool soloLectura() const { return !motivoSoloLectura_.isEmpty(); }
    QString motivoSoloLectura() const { return motivoSoloLectura_; }

    // The edits, one command each. A field change that would put a question
    // in another level gives it an ID of that level's block too.
    Resultado cambiar(int fila, int campo, const QVariant& valor);
    // A blank question of this level: an unused ID of its block, Veces 0,
    // Orden 0 (the lowest key: the game's sort puts it first among its
    // level's questions not yet asked), no right letter yet. Its row, or -1
    // (see mensaje).
    int agregar(int nivel, Resultado* r = nullptr);
    // The same question once more, with its own ID, Veces 0 and Orden.
    int duplicar(int fila, Resultado* r = nullptr);
    Resultado borrar(int fila);
    // Appends the questions of a CSV (blank Orden, Veces or ID filled in; an
    // ID the bank has already replaced by a new one) as one command.
    Resultado importar(const QString& ruta);

    // The problems of one question: beside the form's fields.
    std::vector<Problema> problemas(int fila) const;
    // Saving refuses these: the game could not load the base.
    QStringList errores() const;
    // Saving asks once about these.
    QStringList avisos() const;

    Resultado guardar();
    Resultado exportar(const QString& ruta) const;

    // The edits not yet saved, kept when the editor is ended from outside
    // (the session ends, the computer shuts down) and may ask nothing: the
    // rows in export's format in the user's folder, named for their file.
    // Offered when that file is opened again; a save or a refusal drops it.
    static QString rutaRecuperacion(const QString& ruta);
    bool guardarRecuperacion() const;  // true when written, or nothing to keep
    bool hayRecuperacion() const;
    // The kept rows replace the open ones as one edit, so Ctrl+Z gives the
    // file back. A row the edits left as it is in the file stays the file's
    // own (with the counts the game may have written since).
    Resultado recuperar();
    void descartarRecuperacion();

    // The smallest unused ID after the last one of the level's block
    // (L×1000+1 … L×1000+999), else the first gap; none when the block is
    // full. ademas: IDs taken besides the bank's own.
    std::optional<qint64> idLibre(int nivel, const QSet<qint64>& ademas = {}) const;
    static QString bloqueLleno(int nivel);
    // The first lines of a long list, then "… y N más.".
    static QString resumen(const QStringList& lineas, int cuantas);

signals:
    // Another file was opened: everything shown must be read again.
    void abiertoCambiado();
    void soloLecturaCambiado(bool soloLectura);

private:
    // Why an edit cannot be made now: read-only, or nothing open (no row)
    // or no such row. Empty when it can.
    QString impedimento() const;
    QString impedimento(int fila) const;
    QSet<qint64> idsUsados() const;
    FilaEditable nueva(int nivel, qint64 id) const;
    Resultado resultadoGuardar(bool escrito) const;
    void setSoloLectura(const QString& motivo);

    Azar& azar_;
    ModeloPreguntas* modelo_;
    QUndoStack* pila_;
    RevisionPreguntas* revision_;
    QString ruta_;
    ArchivoPreguntas::Formato formato_ = ArchivoPreguntas::Formato::Qdb;
    ArchivoPreguntas::DisposicionCsv disposicion_;
    CitasBase::Abierta citas_;
    const Biblia* biblia_ = nullptr;
    QString motivoSoloLectura_;
    std::unique_ptr<CerrojoBase> cerrojo_;
    bool esperaCerrojo_ = false;
};
