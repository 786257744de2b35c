#include "PanelPreguntas.h"

#include "FiltroPreguntas.h"
#include "ModeloPreguntas.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableView>
#include <QVBoxLayout>

PanelPreguntas::PanelPreguntas(ModeloPreguntas* modelo, QWidget* parent)
    : QWidget(parent), modelo_(modelo), filtro_(new FiltroPreguntas(this)), nivel_(new QComboBox(this)),
      busqueda_(new QLineEdit(this)), tabla_(new QTableView(this)), cuenta_(new QLabel(this))
{
    filtro_->setSourceModel(modelo_);

    nivel_->addItem(QStringLiteral("Todos los niveles"), 0);
    for (int n = 1; n <= 5; ++n)
        nivel_->addItem(QStringLiteral("Nivel %1").arg(n), n);
    nivel_->setAccessibleName(QStringLiteral("Nivel que se muestra"));
    busqueda_->setPlaceholderText(QStringLiteral("Buscar en preguntas, respuestas y referencias (Ctrl+F)"));
    busqueda_->setClearButtonEnabled(true);
    busqueda_->setAccessibleName(QStringLiteral("Buscar"));
    busqueda_->installEventFilter(this);
    auto* lblNivel = new QLabel(QStringLiteral("&Mostrar"), this);
    lblNivel->setBuddy(nivel_);
    auto* arriba = new QHBoxLayout;
    arriba->addWidget(lblNivel);
    arriba->addWidget(nivel_);
    arriba->addWidget(busqueda_, 1);

    tabla_->setModel(filtro_);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setSortingEnabled(true);
    tabla_->sortByColumn(ModeloPreguntas::ColId, Qt::AscendingOrder);
    tabla_->setAlternatingRowColors(true);
    tabla_->setWordWrap(false);
    // Tab leaves the table for the form instead of walking its cells.
    tabla_->setTabKeyNavigation(false);
    tabla_->verticalHeader()->hide();
    tabla_->verticalHeader()->setDefaultSectionSize(tabla_->fontMetrics().height() + 8);
    // Widths from the font, not from the contents: measuring a thousand rows
    // on every change would cost more than the rest of the table.
    QHeaderView* h = tabla_->horizontalHeader();
    const QFontMetrics fm = tabla_->fontMetrics();
    h->setSectionResizeMode(QHeaderView::Interactive);
    h->resizeSection(ModeloPreguntas::ColId, fm.horizontalAdvance(QStringLiteral("00000")) + 24);
    h->resizeSection(ModeloPreguntas::ColNivel, fm.horizontalAdvance(QStringLiteral("Nivel")) + 28);
    h->resizeSection(ModeloPreguntas::ColVeces, fm.horizontalAdvance(QStringLiteral("Veces")) + 28);
    h->resizeSection(ModeloPreguntas::ColCorrecta, fm.horizontalAdvance(QStringLiteral("A: Respuesta de ejemplo")));
    h->setSectionResizeMode(ModeloPreguntas::ColPregunta, QHeaderView::Stretch);
    tabla_->setAccessibleName(QStringLiteral("Preguntas"));

    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(0, 0, 0, 0);
    todo->addLayout(arriba);
    todo->addWidget(tabla_, 1);
    todo->addWidget(cuenta_);

    connect(nivel_, &QComboBox::currentIndexChanged, this, [this](int i) { filtro_->setNivel(nivel_->itemData(i).toInt()); });
    connect(busqueda_, &QLineEdit::textChanged, filtro_, &FiltroPreguntas::setBusqueda);
    connect(tabla_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& actual) {
                // A row the filter hides keeps its place in the form: only a
                // choice made in the table changes it.
                if (actual.isValid())
                    emit filaElegidaCambiada(filtro_->mapToSource(actual).row());
            });
    // The filter drops a row while the bank is still about to remove it, so
    // the count of the bank's own signals is the true one; the filter's own
    // tell of a new level or search.
    for (QAbstractItemModel* m : {static_cast<QAbstractItemModel*>(modelo_), static_cast<QAbstractItemModel*>(filtro_)}) {
        for (auto senal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(m, senal, this, &PanelPreguntas::contar);
        connect(m, &QAbstractItemModel::modelReset, this, &PanelPreguntas::contar);
    }
    connect(filtro_, &QAbstractItemModel::layoutChanged, this, &PanelPreguntas::contar);
    contar();
}

void PanelPreguntas::contar()
{
    const QLocale es(QLocale::Spanish);
    const int total = modelo_->filasTotal();
    const int vistas = filtro_->rowCount();
    const QString todas = total == 1 ? QStringLiteral("1 pregunta") : QStringLiteral("%1 preguntas").arg(es.toString(total));
    cuenta_->setText(vistas == total ? todas : QStringLiteral("%1 de %2").arg(es.toString(vistas), todas));
}

int PanelPreguntas::filaElegida() const
{
    const QModelIndex i = tabla_->selectionModel()->currentIndex();
    return i.isValid() ? filtro_->mapToSource(i).row() : -1;
}

int PanelPreguntas::filaVisibleElegida() const
{
    const QModelIndex i = tabla_->selectionModel()->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void PanelPreguntas::elegir(int fila)
{
    if (fila < 0 || fila >= modelo_->filasTotal()) {
        tabla_->selectionModel()->clearCurrentIndex();
        tabla_->clearSelection();
        return;
    }
    QModelIndex visible = filtro_->mapFromSource(modelo_->index(fila, 0));
    if (!visible.isValid()) {
        // A new or chosen question the filters hide is shown all the same.
        busqueda_->clear();
        nivel_->setCurrentIndex(0);
        visible = filtro_->mapFromSource(modelo_->index(fila, 0));
    }
    tabla_->selectionModel()->setCurrentIndex(visible, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    tabla_->scrollTo(visible);
}

void PanelPreguntas::elegirVisible(int filaVisible)
{
    const int n = filtro_->rowCount();
    if (n == 0 || filaVisible < 0) {
        emit filaElegidaCambiada(-1);
        return;
    }
    const QModelIndex i = filtro_->index(std::min(filaVisible, n - 1), 0);
    tabla_->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    tabla_->scrollTo(i);
}

void PanelPreguntas::buscar()
{
    busqueda_->setFocus(Qt::ShortcutFocusReason);
    busqueda_->selectAll();
}

bool PanelPreguntas::eventFilter(QObject* o, QEvent* e)
{
    // Down or Enter in the search box goes to the list, on its first row.
    if (o == busqueda_ && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if ((k == Qt::Key_Down || k == Qt::Key_Return || k == Qt::Key_Enter) && filtro_->rowCount() > 0) {
            tabla_->setFocus(Qt::TabFocusReason);
            if (filaVisibleElegida() < 0)
                elegirVisible(0);
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}
