// The program-wide lookup engine object.
#include "session/lib_clscons3.h"

#include <memory>
#include "base/globales.h"

Lib_ClsCons3& ClsCons3() {
    static std::unique_ptr<Lib_ClsCons3> motor;
    if (!motor) {
        motor = std::make_unique<Lib_ClsCons3>();
        base::AlReiniciar([] { motor.reset(); });
    }
    return *motor;
}
