#pragma once
#include <QString>

class QWidget;

// The questions the editor's window asks and the news it gives, behind an
// interface: the program shows message boxes and file dialogs, tests answer
// from a script (tests/fakes/DialogosFalsos.h).
class Dialogos {
public:
    enum class Respuesta { Si, No, Cancelar };

    virtual ~Dialogos() = default;
    // si and no label the two buttons; conCancelar adds "Cancelar".
    virtual Respuesta preguntar(QWidget* padre, const QString& titulo, const QString& texto, const QString& si,
                                const QString& no, bool conCancelar) = 0;
    virtual void informar(QWidget* padre, const QString& titulo, const QString& texto, bool esError) = 0;
    // Empty when the teacher gives up.
    virtual QString archivoParaAbrir(QWidget* padre, const QString& titulo, const QString& filtros,
                                     const QString& carpeta) = 0;
    virtual QString archivoParaGuardar(QWidget* padre, const QString& titulo, const QString& filtros,
                                       const QString& sugerido) = 0;
};

// The real ones: QMessageBox and QFileDialog, in Spanish.
class DialogosQt : public Dialogos {
public:
    Respuesta preguntar(QWidget* padre, const QString& titulo, const QString& texto, const QString& si,
                        const QString& no, bool conCancelar) override;
    void informar(QWidget* padre, const QString& titulo, const QString& texto, bool esError) override;
    QString archivoParaAbrir(QWidget* padre, const QString& titulo, const QString& filtros,
                             const QString& carpeta) override;
    QString archivoParaGuardar(QWidget* padre, const QString& titulo, const QString& filtros,
                               const QString& sugerido) override;
};
