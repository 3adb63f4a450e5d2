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

}  // namespace ado
