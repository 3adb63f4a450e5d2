// Ferrobar: eight QToolButtons in a row; the table below is the whole mapping of
// names, property words, dispatch identifiers, keys, icons and tooltips (see the
// header for the same table in words).
#include "ui/ferrobar.h"
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace ui {

namespace {
struct DefBoton {
    const char* nombre;     // reported by ButtonClick
    const char* palabra;    // "<palabra>enabled"
    uint32_t dispid;
    int tecla;
    QStyle::StandardPixmap icono;
    const char* texto;
    const char* ayuda;
};

const DefBoton kBotones[] = {
    {"NUEVO", "nuevo", 0x68030001, Qt::Key_F5, QStyle::SP_FileIcon, "Nuevo", "Nuevo (F5)"},
    {"BORRAR", "borrar", 0x68030004, Qt::Key_F6, QStyle::SP_TrashIcon, "Borrar", "Borrar (F6)"},
    {"REPORTE", "reporte", 0x68030006, Qt::Key_F7, QStyle::SP_FileDialogDetailedView, "Reporte", "Reporte (F7)"},
    {"CONSULTAR", "consulta", 0x68030005, Qt::Key_F3, QStyle::SP_FileDialogContentsView, "Consultar", "Consultar (F3)"},
    {"PLANILLA", "planilla", 0x68030007, Qt::Key_F8, QStyle::SP_FileDialogListView, "Planilla", "Planilla (F8)"},
    {"CANCELAR", "cancelar", 0x68030008, Qt::Key_F9, QStyle::SP_DialogCancelButton, "Cancelar", "Cancelar (F9)"},
    {"GRABAR", "grabar", 0x68030002, Qt::Key_F2, QStyle::SP_DialogSaveButton, "Grabar", "Grabar (F2)"},
    {"CERRAR", "cerrar", 0x68030003, Qt::Key_Escape, QStyle::SP_DialogCloseButton, "Cerrar", "Cerrar (Esc)"},
};

// "grabar", "GRABAR", "grabarenabled", "consultar" -> the table entry; nullptr when none.
const DefBoton* porPalabra(const QString& texto) {
    QString p = texto.trimmed().toLower();
    if (p.endsWith(QLatin1String("enabled"))) p.chop(7);
    for (const DefBoton& d : kBotones)
        if (p == QLatin1String(d.palabra) || p == QString::fromLatin1(d.nombre).toLower()) return &d;
    return nullptr;
}
const DefBoton* porDispid(uint32_t dispid) {
    for (const DefBoton& d : kBotones)
        if (d.dispid == dispid) return &d;
    return nullptr;
}
}  // namespace

Ferrobar::Ferrobar(QWidget* parent) : QWidget(parent) {
    auto* capa = new QHBoxLayout(this);
    capa->setContentsMargins(2, 1, 2, 1);
    capa->setSpacing(1);
    for (const DefBoton& d : kBotones) {
        auto* b = new QToolButton(this);
        const QString nombre = QString::fromLatin1(d.nombre);
        b->setObjectName(nombre);
        b->setIcon(style()->standardIcon(d.icono, nullptr, this));
        b->setIconSize(QSize(16, 16));
        b->setText(QString::fromUtf8(d.texto));
        b->setToolTip(QString::fromUtf8(d.ayuda));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, [this, nombre] { emit ButtonClick(nombre); });
        capa->addWidget(b);
        botones_.insert(nombre, b);
    }
    capa->addStretch(1);
}

QStringList Ferrobar::NombresBotones() {
    QStringList r;
    for (const DefBoton& d : kBotones) r.append(QString::fromLatin1(d.nombre));
    return r;
}

void Ferrobar::setHabilitado(const QString& palabra, bool valor) {
    const DefBoton* d = porPalabra(palabra);
    if (!d) return;
    QToolButton* b = botones_.value(QString::fromLatin1(d->nombre));
    b->setVisible(valor);
    b->setEnabled(valor);
}

bool Ferrobar::Habilitado(const QString& palabra) const {
    const DefBoton* d = porPalabra(palabra);
    if (!d) return false;
    const QToolButton* b = botones_.value(QString::fromLatin1(d->nombre));
    return !b->isHidden() && b->isEnabled();
}

void Ferrobar::setPropiedad(uint32_t dispid, bool valor) {
    if (const DefBoton* d = porDispid(dispid)) setHabilitado(QString::fromLatin1(d->palabra), valor);
}

bool Ferrobar::Propiedad(uint32_t dispid) const {
    const DefBoton* d = porDispid(dispid);
    return d && Habilitado(QString::fromLatin1(d->palabra));
}

void Ferrobar::setStyleBar(double estilo) {
    styleBar_ = estilo;
    for (QToolButton* b : std::as_const(botones_)) b->setAutoRaise(estilo != 0);
}

void Ferrobar::ManejarTecla(int& tecla) {
    for (const DefBoton& d : kBotones) {
        if (d.tecla != tecla) continue;
        const QString nombre = QString::fromLatin1(d.nombre);
        if (!Habilitado(QString::fromLatin1(d.palabra))) return;
        tecla = 0;
        emit ButtonClick(nombre);
        return;
    }
}

QToolButton* Ferrobar::Boton(const QString& nombre) const {
    for (auto it = botones_.cbegin(); it != botones_.cend(); ++it)
        if (it.key().compare(nombre, Qt::CaseInsensitive) == 0) return it.value();
    return nullptr;
}

}  // namespace ui
