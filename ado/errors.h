// The connection's Errors collection and the one exception the data-access platform
// throws (base::Error carrying the ADO number, description and source).
#pragma once
#include <QString>
#include <vector>

namespace ado {

// ADO error numbers the program tests.
constexpr long adErrObjectClosed = 3704;       // operation on a closed object
constexpr long adErrObjectOpen = 3705;         // object already open
constexpr long adErrInvalidConnection = 3709;  // connection cannot be used
constexpr long adErrIllegalOperation = 3219;   // not allowed in this context
constexpr long adErrItemNotFound = 3265;       // item not in collection
constexpr long adErrNoCurrentRecord = 3021;    // BOF or EOF
constexpr long E_FAIL = -2147467259;           // unspecified failure
constexpr long DB_E_NOTABLE = -2147217865;     // table does not exist
constexpr long DB_E_ERRORSINCOMMAND = -2147217900;  // error in the command
constexpr long DB_E_INTEGRITYVIOLATION = -2147217873;
constexpr long DB_E_ABORTLIMITREACHED = -2147217871;  // query time-out expired
constexpr long adErrFeatureNotAvailable = 3251;      // the recordset does not support updating
constexpr long DB_E_CONCURRENCYVIOLATION = -2147217864;  // row to update changed or vanished
constexpr long DB_E_CANTFETCHBACKWARDS = -2147217884;    // forward-only cursor moved back
constexpr long DB_E_ERRORSOCCURRED = -2147217887;        // a value could not be converted
constexpr long XACT_E_NOTRANSACTION = -2147168242;       // commit/rollback without a transaction

struct Error {
    QString SQLState;
    long Number = 0;
    QString Description;
    long NativeError = 0;
    QString Source;
};

class Errors {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const Error& Item(int i) const;   // base::Error 3265 when out of range
    void Clear() { items_.clear(); }
    void Add(const Error& e) { items_.push_back(e); }

private:
    std::vector<Error> items_;
};

// Failures of ADO itself (3704, 3705, 3709, 3219, 3265, 3021, 3251 ...): thrown as
// base::Error with ADO's description; they are not added to any Errors collection.
[[noreturn]] void LanzarAdo(long numero, const QString& fuente);
QString DescripcionAdo(long numero);

// A provider failure: clears `errores`, adds `e`, then throws base::Error with the same
// number, description and source. The one way providers report a failed call.
[[noreturn]] void LanzarProveedor(Errors& errores, const Error& e);

}  // namespace ado
