// ado::Recordset and ado::Field. Forward-only recordsets stream their rows from the
// provider; scrollable ones (keyset, dynamic, static) hold them. Dynamic optimistic
// recordsets over one table accept AddNew / field assignment / Update / CancelUpdate.
#pragma once
#include <QString>
#include <memory>
#include <vector>
#include "base/variant.h"

namespace ado {

class Connection;

enum CursorTypeEnum { adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum LockTypeEnum { adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3 };

// ADO data-type codes reported by Field::Type.
enum DataTypeEnum {
    adEmpty = 0, adSmallInt = 2, adInteger = 3, adSingle = 4, adDouble = 5, adCurrency = 6,
    adDate = 7, adBoolean = 11, adBigInt = 20, adNumeric = 131, adDBTimeStamp = 135,
    adChar = 129, adVarChar = 200, adLongVarChar = 201, adVarWChar = 202, adWChar = 130,
    adLongVarBinary = 205
};

class RecordsetImpl;

class Field {
public:
    QString Name() const;
    long Type() const;                 // ADO type code
    long DefinedSize() const;
    base::Variant Value() const;       // 3021 when at BOF/EOF
    void setValue(const base::Variant& v);  // only while editing (AddNew / current row of an updatable recordset)

private:
    friend class RecordsetImpl;
    Field(RecordsetImpl* rs, int index) : rs_(rs), index_(index) {}
    RecordsetImpl* rs_;
    int index_;
};

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opens the statement on the connection. Throws base::Error (3705 when open,
    // 3709 when the connection is closed, provider failures with Errors filled).
    void Open(const QString& source, Connection& connection, long cursorType = adOpenForwardOnly,
              long lockType = adLockReadOnly, long options = -1);
    void Close();                      // 3704 when closed
    long State() const;                // 0 closed, 1 open

    bool BOF() const;
    bool EOF_() const;                 // EOF is a macro in C; the ADO name with a trailing _
    bool isEOF() const { return EOF_(); }
    void MoveFirst();                  // forward-only: allowed only while on the first row
    void MoveNext();                   // 3021 at EOF
    void MoveLast();
    long RecordCount() const;          // -1 for forward-only

    int FieldCount() const;
    Field Fields(int index) const;     // 3265 when out of range
    Field Fields(const QString& name) const;  // any case; 3265 when absent
    base::Variant operator()(const QString& name) const { return Fields(name).Value(); }

    void AddNew();
    void Update();
    void CancelUpdate();
    long EditMode() const;             // 0 none, 1 in progress (edited), 2 adding

    // Rows from the current one on, as [row][column]; moves to EOF.
    std::vector<std::vector<base::Variant>> GetRows();

    long CursorType() const;
    long LockType() const;
    QString Source() const;

    // Internal: wraps a provider result (used by Connection::Execute / OpenSchema).
    explicit Recordset(std::unique_ptr<RecordsetImpl> impl);

private:
    std::unique_ptr<RecordsetImpl> impl_;
};

}  // namespace ado
