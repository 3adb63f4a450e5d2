// ado::Recordset and ado::Field over RecordsetImpl: positioning, field access by name
// (any case) or position, editing of dynamic optimistic recordsets, GetRows.
#include "ado/recordset.h"

#include "ado/connection.h"
#include "ado/recordset_impl.h"
#include "ado/registro_sentencias.h"

namespace ado {

namespace {
const QString kFuente = QStringLiteral("ADODB.Recordset");
const QString kFuenteCampo = QStringLiteral("ADODB.Field");
}  // namespace

// --- RecordsetImpl ------------------------------------------------------------------

RecordsetImpl::RecordsetImpl(Connection* conexion, std::unique_ptr<Cursor> cursor, QString fuente, long cursorType,
                             long lockType, bool retener)
    : conexion_(conexion), fuente_(std::move(fuente)), cursorType_(cursorType), lockType_(lockType),
      retenido_(retener) {
    Errors& e = conexion_->errors();
    if (retenido_) {
        while (cursor->Siguiente(e)) {
            std::vector<base::Variant> fila;
            for (size_t c = 0; c < cursor->Columnas().size(); ++c) fila.push_back(cursor->Valor(static_cast<int>(c)));
            filas_.push_back(std::move(fila));
        }
        columnas_ = cursor->Columnas();
    } else {
        cursor_ = std::move(cursor);
        leerSiguiente();
        columnas_ = cursor_ ? cursor_->Columnas() : columnas_;
    }
    // Updatable: not read-only, and every column read from a table comes from one table.
    if (lockType_ != adLockReadOnly && retenido_) {
        for (const ColumnaResultado& c : columnas_) {
            if (c.tablaBase.isEmpty()) continue;
            if (tabla_.isEmpty()) tabla_ = c.tablaBase;
            else if (tabla_.compare(c.tablaBase, Qt::CaseInsensitive) != 0) {
                tabla_.clear();
                break;
            }
        }
        actualizable_ = !tabla_.isEmpty();
    }
    for (const ColumnaResultado& c : columnas_) {
        int m = -1;
        if (actualizable_ && !c.columnaBase.isEmpty()) {
            for (size_t b = 0; b < columnasBase_.size(); ++b)
                if (columnasBase_[b].compare(c.columnaBase, Qt::CaseInsensitive) == 0) m = static_cast<int>(b);
            if (m < 0) {
                columnasBase_.push_back(c.columnaBase);
                m = static_cast<int>(columnasBase_.size()) - 1;
            }
        }
        mapeo_.push_back(m);
    }
    conexion_->registrar(this);
}

RecordsetImpl::RecordsetImpl(Connection* conexion, std::vector<ColumnaResultado> columnas,
                             std::vector<std::vector<base::Variant>> filas)
    : conexion_(conexion), cursorType_(adOpenStatic), lockType_(adLockReadOnly), retenido_(true),
      columnas_(std::move(columnas)), filas_(std::move(filas)) {
    mapeo_.assign(columnas_.size(), -1);
    conexion_->registrar(this);
}

RecordsetImpl::~RecordsetImpl() {
    if (conexion_) conexion_->olvidar(this);
}

void RecordsetImpl::Desconectar() {
    conexion_ = nullptr;
    if (!retenido_) {
        abierto_ = false;
        cursor_.reset();
    }
    editMode_ = 0;
}

Errors& RecordsetImpl::errores() const {
    if (!conexion_) LanzarAdo(adErrInvalidConnection, kFuente);
    return conexion_->errors();
}

void RecordsetImpl::verificarAbierto() const {
    if (!abierto_) LanzarAdo(adErrObjectClosed, kFuente);
}

void RecordsetImpl::Cerrar() {
    verificarAbierto();
    if (editMode_ != 0) LanzarAdo(adErrIllegalOperation, kFuente);
    abierto_ = false;
    cursor_.reset();
    filas_.clear();
    actual_.clear();
}

bool RecordsetImpl::leerSiguiente() {
    if (!cursor_) {
        fin_ = true;
        return false;
    }
    if (!cursor_->Siguiente(errores())) {
        // the statement is finished: keep only what the columns say
        columnas_ = cursor_->Columnas();
        cursor_.reset();
        fin_ = true;
        return false;
    }
    actual_.resize(cursor_->Columnas().size());
    for (size_t c = 0; c < actual_.size(); ++c) actual_[c] = cursor_->Valor(static_cast<int>(c));
    ++leidas_;
    return true;
}

bool RecordsetImpl::BOF() const {
    verificarAbierto();
    if (retenido_) return filas_.empty() || pos_ < 0;
    return fin_ && leidas_ == 0;
}

bool RecordsetImpl::EOF_() const {
    verificarAbierto();
    if (retenido_) return pos_ >= static_cast<long>(filas_.size());
    return fin_;
}

void RecordsetImpl::MoveFirst() {
    verificarAbierto();
    if (editMode_ != 0) Update();
    if (retenido_) {
        pos_ = 0;
        return;
    }
    if (leidas_ > 1 || (fin_ && leidas_ > 0)) LanzarAdo(DB_E_CANTFETCHBACKWARDS, kFuente);
}

void RecordsetImpl::MoveNext() {
    verificarAbierto();
    if (editMode_ != 0) Update();
    if (EOF_()) LanzarAdo(adErrNoCurrentRecord, kFuente);
    if (retenido_) {
        ++pos_;
        return;
    }
    leerSiguiente();
}

void RecordsetImpl::MoveLast() {
    verificarAbierto();
    if (editMode_ != 0) Update();
    if (retenido_) {
        if (filas_.empty()) LanzarAdo(adErrNoCurrentRecord, kFuente);
        pos_ = static_cast<long>(filas_.size()) - 1;
        return;
    }
    if (fin_) LanzarAdo(adErrNoCurrentRecord, kFuente);
    // Forward only: read on, keeping the last row read as the current one.
    std::vector<base::Variant> ultima = actual_;
    while (leerSiguiente()) ultima = actual_;
    actual_ = ultima;
    fin_ = false;
}

long RecordsetImpl::RecordCount() const {
    verificarAbierto();
    return retenido_ ? static_cast<long>(filas_.size()) : -1;
}

int RecordsetImpl::Indice(const QString& nombre) const {
    for (size_t c = 0; c < columnas_.size(); ++c)
        if (columnas_[c].nombre.compare(nombre, Qt::CaseInsensitive) == 0) return static_cast<int>(c);
    return -1;
}

void RecordsetImpl::Verificar(int indice) const {
    verificarAbierto();
    if (indice < 0 || indice >= FieldCount()) LanzarAdo(adErrItemNotFound, kFuente);
}

const std::vector<base::Variant>& RecordsetImpl::filaActual() const {
    if (EOF_() || BOF()) LanzarAdo(adErrNoCurrentRecord, kFuenteCampo);
    return retenido_ ? filas_[static_cast<size_t>(pos_)] : actual_;
}

base::Variant RecordsetImpl::Valor(int indice) const {
    Verificar(indice);
    if (editMode_ != 0) return buffer_[static_cast<size_t>(indice)];
    return filaActual()[static_cast<size_t>(indice)];
}

void RecordsetImpl::prepararEdicion() {
    verificarAbierto();
    if (!actualizable_) LanzarAdo(adErrFeatureNotAvailable, kFuente);
    if (!conexion_) LanzarAdo(adErrInvalidConnection, kFuente);
}

void RecordsetImpl::Asignar(int indice, const base::Variant& v) {
    Verificar(indice);
    prepararEdicion();
    if (mapeo_[static_cast<size_t>(indice)] < 0) LanzarAdo(adErrFeatureNotAvailable, kFuenteCampo);
    if (editMode_ == 0) {
        buffer_ = filaActual();
        asignados_.assign(columnas_.size(), false);
        editMode_ = 1;
    }
    buffer_[static_cast<size_t>(indice)] = v;
    asignados_[static_cast<size_t>(indice)] = true;
}

void RecordsetImpl::AddNew() {
    prepararEdicion();
    if (editMode_ != 0) Update();
    buffer_.assign(columnas_.size(), base::Variant::Null());
    asignados_.assign(columnas_.size(), false);
    posAntes_ = pos_;
    editMode_ = 2;
}

void RecordsetImpl::Update() {
    verificarAbierto();
    if (editMode_ == 0) return;
    Errors& e = errores();
    FilaEditada fila;
    fila.tabla = tabla_;
    fila.columnas = columnasBase_;
    fila.originales.assign(columnasBase_.size(), base::Variant::Null());
    fila.valores.assign(columnasBase_.size(), base::Variant::Null());
    fila.asignados.assign(columnasBase_.size(), false);
    for (size_t c = 0; c < columnas_.size(); ++c) {
        const int b = mapeo_[c];
        if (b < 0) continue;
        if (editMode_ == 1 && fila.originales[static_cast<size_t>(b)].isNull())
            fila.originales[static_cast<size_t>(b)] = filas_[static_cast<size_t>(pos_)][c];
        if (asignados_[c] || !fila.asignados[static_cast<size_t>(b)]) fila.valores[static_cast<size_t>(b)] = buffer_[c];
        if (asignados_[c]) fila.asignados[static_cast<size_t>(b)] = true;
    }
    Provider* p = conexion_->provider();
    if (!p) LanzarAdo(adErrInvalidConnection, kFuente);
    const std::vector<base::Variant> guardada = editMode_ == 2 ? p->InsertarFila(fila, conexion_->CommandTimeout(), e)
                                                               : p->ActualizarFila(fila, conexion_->CommandTimeout(), e);
    std::vector<base::Variant> nueva(columnas_.size());
    for (size_t c = 0; c < columnas_.size(); ++c)
        nueva[c] = mapeo_[c] >= 0 ? guardada[static_cast<size_t>(mapeo_[c])] : buffer_[c];
    if (editMode_ == 2) {
        filas_.push_back(std::move(nueva));
        pos_ = static_cast<long>(filas_.size()) - 1;
    } else {
        filas_[static_cast<size_t>(pos_)] = std::move(nueva);
    }
    editMode_ = 0;
}

void RecordsetImpl::CancelUpdate() {
    verificarAbierto();
    if (editMode_ == 2) pos_ = posAntes_;
    editMode_ = 0;
}

std::vector<std::vector<base::Variant>> RecordsetImpl::GetRows() {
    verificarAbierto();
    if (editMode_ != 0) Update();
    if (EOF_()) LanzarAdo(adErrNoCurrentRecord, kFuente);
    std::vector<std::vector<base::Variant>> r;
    if (retenido_) {
        for (; pos_ < static_cast<long>(filas_.size()); ++pos_) r.push_back(filas_[static_cast<size_t>(pos_)]);
        return r;
    }
    do {
        r.push_back(actual_);
    } while (leerSiguiente());
    return r;
}

// --- Field --------------------------------------------------------------------------

namespace {
RecordsetImpl* vivo(RecordsetImpl* rs) {
    if (!rs || !rs->abierto()) LanzarAdo(adErrObjectClosed, kFuenteCampo);
    return rs;
}
}  // namespace

QString Field::Name() const { return vivo(rs_)->Columna(index_).nombre; }
long Field::Type() const { return vivo(rs_)->Columna(index_).tipo; }
long Field::DefinedSize() const { return vivo(rs_)->Columna(index_).tamano; }
base::Variant Field::Value() const { return vivo(rs_)->Valor(index_); }
void Field::setValue(const base::Variant& v) { vivo(rs_)->Asignar(index_, v); }

// --- Recordset ----------------------------------------------------------------------

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;
Recordset::Recordset(std::unique_ptr<RecordsetImpl> impl) : impl_(std::move(impl)) {}

namespace {
RecordsetImpl& abierto(const std::unique_ptr<RecordsetImpl>& impl) {
    if (!impl || !impl->abierto()) LanzarAdo(adErrObjectClosed, kFuente);
    return *impl;
}
}  // namespace

void Recordset::Open(const QString& source, Connection& connection, long cursorType, long lockType, long options) {
    if (State() == adStateOpen) LanzarAdo(adErrObjectOpen, kFuente);
    if (connection.State() != adStateOpen || !connection.provider()) LanzarAdo(adErrInvalidConnection, kFuente);
    const long comando = options == -1 ? long{adCmdUnknown} : (options & 0x20F);
    const QString sql = comando == adCmdTable || comando == adCmdTableDirect ? QStringLiteral("SELECT * FROM ") + source
                                                                              : source;
    RegistroSentencias::Anotar(source);
    auto cursor = connection.provider()->Ejecutar(sql, connection.CommandTimeout(), nullptr, connection.errors());
    if (!cursor) return;   // a statement without rows leaves the recordset closed
    const bool retener = cursorType != adOpenForwardOnly || lockType != adLockReadOnly;
    impl_ = std::make_unique<RecordsetImpl>(&connection, std::move(cursor), source, cursorType, lockType, retener);
}

void Recordset::Close() { abierto(impl_).Cerrar(); }
long Recordset::State() const { return impl_ && impl_->abierto() ? long{adStateOpen} : long{adStateClosed}; }
bool Recordset::BOF() const { return abierto(impl_).BOF(); }
bool Recordset::EOF_() const { return abierto(impl_).EOF_(); }
void Recordset::MoveFirst() { abierto(impl_).MoveFirst(); }
void Recordset::MoveNext() { abierto(impl_).MoveNext(); }
void Recordset::MoveLast() { abierto(impl_).MoveLast(); }
long Recordset::RecordCount() const { return abierto(impl_).RecordCount(); }
int Recordset::FieldCount() const { return abierto(impl_).FieldCount(); }

Field Recordset::Fields(int index) const {
    abierto(impl_).Verificar(index);
    return RecordsetImpl::CrearField(impl_.get(), index);
}

Field Recordset::Fields(const QString& name) const {
    const int i = abierto(impl_).Indice(name);
    if (i < 0) LanzarAdo(adErrItemNotFound, kFuente);
    return RecordsetImpl::CrearField(impl_.get(), i);
}

void Recordset::AddNew() { abierto(impl_).AddNew(); }
void Recordset::Update() { abierto(impl_).Update(); }
void Recordset::CancelUpdate() { abierto(impl_).CancelUpdate(); }
long Recordset::EditMode() const { return abierto(impl_).EditMode(); }
std::vector<std::vector<base::Variant>> Recordset::GetRows() { return abierto(impl_).GetRows(); }
long Recordset::CursorType() const { return impl_ ? impl_->cursorType() : long{adOpenForwardOnly}; }
long Recordset::LockType() const { return impl_ ? impl_->lockType() : long{adLockReadOnly}; }
QString Recordset::Source() const { return impl_ ? impl_->fuente() : QString(); }

}  // namespace ado
