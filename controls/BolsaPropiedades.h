#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The saved property values of one control, by name, in the order they were
// written. A value equal to its default is not kept, so a control left at its
// defaults saves nothing. Header-only: both control libraries use it without
// linking anything but Qt.
class BolsaPropiedades {
public:
    // The stored value, or the default when the name was not stored.
    QVariant leer(const QString& nombre, const QVariant& defecto) const {
        for (const auto& par : valores_)
            if (par.first == nombre) return par.second;
        return defecto;
    }

    // Stores the value; one equal to its default removes the name instead.
    void escribir(const QString& nombre, const QVariant& valor, const QVariant& defecto) {
        const bool esDefecto = valor == defecto;
        for (qsizetype i = 0; i < valores_.size(); ++i) {
            if (valores_[i].first != nombre) continue;
            if (esDefecto) valores_.removeAt(i);
            else valores_[i].second = valor;
            return;
        }
        if (!esDefecto) valores_.append({nombre, valor});
    }

    bool contiene(const QString& nombre) const {
        for (const auto& par : valores_)
            if (par.first == nombre) return true;
        return false;
    }

    QStringList nombres() const {
        QStringList n;
        for (const auto& par : valores_) n << par.first;
        return n;
    }

    qsizetype size() const { return valores_.size(); }
    bool isEmpty() const { return valores_.isEmpty(); }
    void clear() { valores_.clear(); }

private:
    QList<QPair<QString, QVariant>> valores_;
};
