// Inside of ado::Recordset (not for code above ado/). A recordset either streams its
// rows from a provider cursor (forward-only, read-only) or holds them (scrollable,
// updatable, schema lists). Editing keeps a buffer of the row being added or changed
// until Update hands it to the provider.
#pragma once
#include <QString>
#include <memory>
#include <vector>
#include "ado/provider.h"
#include "ado/recordset.h"

namespace ado {

class Connection;

class RecordsetImpl {
public:
    // Over a provider result; `retener` holds every row. Throws when reading fails.
    RecordsetImpl(Connection* conexion, std::unique_ptr<Cursor> cursor, QString fuente, long cursorType,
                  long lockType, bool retener);
    // Over rows at hand (schema lists): static, read-only.
    RecordsetImpl(Connection* conexion, std::vector<ColumnaResultado> columnas,
                  std::vector<std::vector<base::Variant>> filas);
    ~RecordsetImpl();
    RecordsetImpl(const RecordsetImpl&) = delete;
    RecordsetImpl& operator=(const RecordsetImpl&) = delete;

    static Field CrearField(RecordsetImpl* rs, int indice) { return Field(rs, indice); }

    void Desconectar();     // its connection closes
    void Cerrar();          // 3219 while editing

    bool abierto() const { return abierto_; }
    bool BOF() const;
    bool EOF_() const;
    void MoveFirst();
    void MoveNext();
    void MoveLast();
    long RecordCount() const;

    int FieldCount() const { return static_cast<int>(columnas_.size()); }
    int Indice(const QString& nombre) const;   // -1 when absent
    void Verificar(int indice) const;          // 3265 when out of range
    const ColumnaResultado& Columna(int indice) const { return columnas_[static_cast<size_t>(indice)]; }
    base::Variant Valor(int indice) const;
    void Asignar(int indice, const base::Variant& v);

    void AddNew();
    void Update();
    void CancelUpdate();
    long EditMode() const { return editMode_; }

    std::vector<std::vector<base::Variant>> GetRows();

    long cursorType() const { return cursorType_; }
    long lockType() const { return lockType_; }
    const QString& fuente() const { return fuente_; }

private:
    void verificarAbierto() const;
    void prepararEdicion();
    bool leerSiguiente();        // streamed: next row into actual_; false at the end
    const std::vector<base::Variant>& filaActual() const;
    Errors& errores() const;

    Connection* conexion_;
    QString fuente_;
    long cursorType_;
    long lockType_;
    bool abierto_ = true;
    bool retenido_;
    std::vector<ColumnaResultado> columnas_;

    // streamed
    std::unique_ptr<Cursor> cursor_;
    std::vector<base::Variant> actual_;
    long leidas_ = 0;        // rows read so far
    bool fin_ = false;       // at EOF

    // held
    std::vector<std::vector<base::Variant>> filas_;
    long pos_ = 0;           // current row; == size() at EOF

    // editing
    bool actualizable_ = false;
    QString tabla_;
    std::vector<QString> columnasBase_;
    std::vector<int> mapeo_;   // recordset column -> columnasBase_ index, -1 for expressions
    long editMode_ = 0;
    std::vector<base::Variant> buffer_;
    std::vector<bool> asignados_;
    long posAntes_ = 0;
};

}  // namespace ado
