// ado::Connection: opening through the provider chosen by the connection string,
// statements and transactions on it, schema lists built from the provider's table and
// column descriptions (restrictions applied here, the catalog one by the provider).
#include "ado/connection.h"

#include <algorithm>
#include "ado/provider.h"
#include "ado/recordset.h"
#include "ado/recordset_impl.h"
#include "ado/registro_sentencias.h"

namespace ado {

namespace {
const QString kFuente = QStringLiteral("ADODB.Connection");
}

Connection::Connection() = default;

Connection::~Connection() {
    desconectarRecordsets();
    provider_.reset();
}

void Connection::registrar(RecordsetImpl* rs) { recordsets_.push_back(rs); }

void Connection::olvidar(RecordsetImpl* rs) {
    recordsets_.erase(std::remove(recordsets_.begin(), recordsets_.end(), rs), recordsets_.end());
}

void Connection::desconectarRecordsets() {
    const auto copia = recordsets_;
    recordsets_.clear();
    for (RecordsetImpl* rs : copia) rs->Desconectar();
}

void Connection::Open(const QString& connectionString, const QString& user, const QString& password, long) {
    if (provider_) LanzarAdo(adErrObjectOpen, kFuente);
    if (!connectionString.isEmpty()) connectionString_ = connectionString;   // kept even when opening fails
    provider_ = AbrirProveedor(connectionString_, user, password, connectionTimeout_, errors_);
}

void Connection::Close() {
    if (!provider_) LanzarAdo(adErrObjectClosed, kFuente);
    desconectarRecordsets();
    provider_.reset();
}

long Connection::State() const { return provider_ ? long{adStateOpen} : long{adStateClosed}; }

Recordset Connection::Execute(const QString& sql, long* recordsAffected, long options) {
    if (!provider_) LanzarAdo(adErrInvalidConnection, kFuente);
    RegistroSentencias::Anotar(sql);
    long afectados = -1;
    auto cursor = provider_->Ejecutar(sql, commandTimeout_, &afectados, errors_);
    if (recordsAffected) *recordsAffected = afectados;
    if (!cursor || (options != -1 && (options & adExecuteNoRecords))) return Recordset();
    return Recordset(std::make_unique<RecordsetImpl>(this, std::move(cursor), sql, adOpenForwardOnly, adLockReadOnly, false));
}

QString Connection::DefaultDatabase() const { return provider_ ? provider_->NombreBase() : defaultDatabase_; }

void Connection::setDefaultDatabase(const QString& db) {
    if (!provider_) {
        defaultDatabase_ = db;
        return;
    }
    if (provider_->EsLaBase(db)) return;   // one database per connection: its own is accepted
    Error e;
    e.SQLState = QStringLiteral("08004");
    e.Number = E_FAIL;
    e.NativeError = 911;
    e.Description = QStringLiteral("La base de datos \"%1\" no existe o no es la de esta conexión (\"%2\").")
                        .arg(db, provider_->NombreBase());
    e.Source = FuenteProveedor();
    LanzarProveedor(errors_, e);
}

long Connection::BeginTrans() {
    if (!provider_) LanzarAdo(adErrObjectClosed, kFuente);
    return provider_->IniciarTransaccion(commandTimeout_, errors_);
}

namespace {
[[noreturn]] void sinTransaccion(Errors& errores) {
    Error e;
    e.SQLState = QStringLiteral("25000");
    e.Number = XACT_E_NOTRANSACTION;
    e.Description = DescripcionAdo(XACT_E_NOTRANSACTION);
    e.Source = FuenteProveedor();
    LanzarProveedor(errores, e);
}
}  // namespace

void Connection::CommitTrans() {
    if (!provider_) LanzarAdo(adErrObjectClosed, kFuente);
    if (provider_->NivelTransaccion() == 0) sinTransaccion(errors_);
    provider_->ConfirmarTransaccion(commandTimeout_, errors_);
}

void Connection::RollbackTrans() {
    if (!provider_) LanzarAdo(adErrObjectClosed, kFuente);
    if (provider_->NivelTransaccion() == 0) sinTransaccion(errors_);
    provider_->DeshacerTransaccion(errors_);
}

namespace {

ColumnaResultado columna(const char* nombre, long tipo, long tamano) {
    ColumnaResultado c;
    c.nombre = QLatin1String(nombre);
    c.tipo = tipo;
    c.tamano = tamano;
    return c;
}

// A restriction: Empty, Null or empty text restricts nothing; otherwise equal text, any case.
bool cumple(const std::vector<base::Variant>& r, size_t i, const QString& valor) {
    if (i >= r.size() || r[i].isEmpty() || r[i].isNull()) return true;
    const QString texto = r[i].toString().trimmed();
    return texto.isEmpty() || texto.compare(valor.trimmed(), Qt::CaseInsensitive) == 0;
}

}  // namespace

Recordset Connection::OpenSchema(long schema, const std::vector<base::Variant>& restrictions) {
    if (!provider_) LanzarAdo(adErrObjectClosed, kFuente);
    const QString catalogo = provider_->NombreBase();
    const QString esquema = QStringLiteral("dbo");
    const bool catalogoCumple = restrictions.empty() || restrictions[0].isEmpty() || restrictions[0].isNull() ||
                                restrictions[0].toString().trimmed().isEmpty() ||
                                provider_->EsLaBase(restrictions[0].toString());
    std::vector<std::vector<base::Variant>> filas;
    std::vector<ColumnaResultado> columnas;
    if (schema == adSchemaTables) {
        columnas = {columna("TABLE_CATALOG", adVarWChar, 128), columna("TABLE_SCHEMA", adVarWChar, 128),
                    columna("TABLE_NAME", adVarWChar, 128),    columna("TABLE_TYPE", adVarWChar, 32),
                    columna("DESCRIPTION", adVarWChar, 255)};
        auto tablas = provider_->Tablas(errors_);
        std::stable_sort(tablas.begin(), tablas.end(), [](const TablaEsquema& a, const TablaEsquema& b) {
            return a.tipo != b.tipo ? a.tipo < b.tipo : a.nombre.compare(b.nombre, Qt::CaseInsensitive) < 0;
        });
        for (const TablaEsquema& t : tablas)
            if (catalogoCumple && cumple(restrictions, 1, esquema) && cumple(restrictions, 2, t.nombre) &&
                cumple(restrictions, 3, t.tipo))
                filas.push_back({catalogo, esquema, t.nombre, t.tipo, base::Variant::Null()});
    } else if (schema == adSchemaColumns) {
        columnas = {columna("TABLE_CATALOG", adVarWChar, 128),   columna("TABLE_SCHEMA", adVarWChar, 128),
                    columna("TABLE_NAME", adVarWChar, 128),      columna("COLUMN_NAME", adVarWChar, 128),
                    columna("ORDINAL_POSITION", adInteger, 4),   columna("COLUMN_HASDEFAULT", adBoolean, 2),
                    columna("COLUMN_DEFAULT", adVarWChar, 255),  columna("IS_NULLABLE", adBoolean, 2),
                    columna("DATA_TYPE", adSmallInt, 2),         columna("CHARACTER_MAXIMUM_LENGTH", adInteger, 4),
                    columna("NUMERIC_PRECISION", adSmallInt, 2), columna("NUMERIC_SCALE", adSmallInt, 2)};
        for (const ColumnaEsquema& c : provider_->Columnas(errors_)) {
            if (!(catalogoCumple && cumple(restrictions, 1, esquema) && cumple(restrictions, 2, c.tabla) &&
                  cumple(restrictions, 3, c.nombre)))
                continue;
            auto entero = [](long v, bool hay) { return hay ? base::Variant(v) : base::Variant::Null(); };
            filas.push_back({catalogo, esquema, c.tabla, c.nombre, base::Variant(c.ordinal),
                             base::Variant(c.tieneDefault),
                             c.tieneDefault ? base::Variant(c.valorDefault) : base::Variant::Null(),
                             base::Variant(c.admiteNulos), base::Variant::Integer(static_cast<int16_t>(c.tipo)),
                             entero(c.largoMaximo, c.largoMaximo > 0),
                             c.precision > 0 ? base::Variant::Integer(static_cast<int16_t>(c.precision)) : base::Variant::Null(),
                             c.precision > 0 ? base::Variant::Integer(static_cast<int16_t>(c.escala)) : base::Variant::Null()});
        }
    } else {
        LanzarAdo(adErrFeatureNotAvailable, kFuente);
    }
    return Recordset(std::make_unique<RecordsetImpl>(this, std::move(columnas), std::move(filas)));
}

}  // namespace ado
