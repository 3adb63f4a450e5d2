// Test program entry: a Qt application on the offscreen platform, the es_AR regional
// settings, and a fresh set of program-wide objects (with a scripted operator in the
// window layers) for every test.
#include <gtest/gtest.h>
#include <QApplication>
#include "base/globales.h"
#include "base/regional.h"
#include "base/reloj.h"
#ifdef RM_TEST_GUI
#include "ui/operador_guionado.h"
#endif

namespace {
class Reinicio : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        base::ReiniciarGlobales();
        base::Reloj::Liberar();
        base::Regional::establecer(base::Regional::desdeLocale(QStringLiteral("es_AR")));
#ifdef RM_TEST_GUI
        ui::instalarOperadorGuionado();
#endif
    }
    void OnTestEnd(const ::testing::TestInfo&) override { base::ReiniciarGlobales(); }
};
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new Reinicio);
    return RUN_ALL_TESTS();
}
