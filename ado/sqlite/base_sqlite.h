// RAII owners of the SQLite handles: Base owns one sqlite3* (and the time-out state of
// its current call), Sentencia one sqlite3_stmt*. Nothing else closes or finalizes them.
// A Sentencia keeps its Base alive, so a statement is always finalized before its
// connection is closed, on every path.
#pragma once
#include <sqlite3.h>
#include <QString>
#include <chrono>
#include <memory>

namespace ado::sqlite {

class Base {
public:
    explicit Base(sqlite3* db);
    ~Base();
    Base(const Base&) = delete;
    Base& operator=(const Base&) = delete;

    sqlite3* db() const { return db_; }

    // Starts the time-out of one call: busy waits and running statements stop after
    // `segundos` (0: no limit). Vencido() tells whether the last call ran out of time.
    void IniciarPlazo(long segundos);
    bool Vencido() const { return vencido_; }

private:
    static int alEsperar(void* yo, int intentos);
    static int alProgresar(void* yo);
    bool pasado();

    sqlite3* db_;
    bool conLimite_ = false;
    bool vencido_ = false;
    std::chrono::steady_clock::time_point limite_;
};

class Sentencia {
public:
    Sentencia(std::shared_ptr<Base> base, sqlite3_stmt* st) : base_(std::move(base)), st_(st) {}
    ~Sentencia() { sqlite3_finalize(st_); }
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;

    sqlite3_stmt* get() const { return st_; }
    Base& base() const { return *base_; }
    const std::shared_ptr<Base>& compartida() const { return base_; }

private:
    std::shared_ptr<Base> base_;
    sqlite3_stmt* st_;
};

// Opens a database file (creating it only when `crear`) with the suite's text and date
// collations and functions registered, waiting up to `plazo` seconds for a locked file.
// On failure returns null and sets `rc` and `mensaje`.
std::shared_ptr<Base> AbrirBase(const QString& archivo, bool crear, int& rc, QString& mensaje, long plazo = 15);

// Registers the collations CI (text: no case, no trailing blanks) and FECHA (date
// texts compared as moments) and the suite's SQL functions (funciones.cpp).
void RegistrarFunciones(sqlite3* db);

// Runs a native SQLite script (statements separated by ";") on a file, creating it when
// it does not exist. Used to create databases from the schema and test fixtures. The
// script runs as one transaction (it must not hold transaction statements of its own):
// on a failure nothing of it remains and base::Error names the failing statement.
void EjecutarGuion(const QString& archivo, const QString& guion);

}  // namespace ado::sqlite
