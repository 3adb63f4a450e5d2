// The sign-in dialog. Geometry in twips / 15 (pixels): client area 5805 x 2865.
#include "session/frm_acceso.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int twips(int t) { return t / 15; }
}

frmAcceso::frmAcceso(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAcceso"));
    setWindowTitle(QStringLiteral("Control de Acceso"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twips(5805), twips(2865));

    framAcceso = new QFrame(this);
    framAcceso->setObjectName(QStringLiteral("framAcceso"));
    framAcceso->setFrameShape(QFrame::Box);
    framAcceso->setGeometry(0, 0, twips(5775), twips(2340));

    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSizeF(9.75);

    const struct { const char* etiqueta; QLineEdit** caja; const char* nombre; int top; } filas[] = {
        {"&Usuario", &TxtUserId, "TxtUserId", 240},
        {"&Contraseña", &TxtUserPassword, "TxtUserPassword", 600},
        {"&Base de Datos", &TxtDbName, "TxtDbName", 1080},
        {"&Servidor", &TxtServidor, "TxtServidor", 1440},
    };
    for (const auto& f : filas) {
        auto* caja = new QLineEdit(framAcceso);
        caja->setObjectName(QString::fromLatin1(f.nombre));
        caja->setGeometry(twips(1920), twips(f.top), twips(3735), twips(345));
        auto* etiqueta = new QLabel(QString::fromUtf8(f.etiqueta), framAcceso);
        etiqueta->setFont(courier);
        etiqueta->setBuddy(caja);
        etiqueta->setGeometry(twips(240), twips(f.top + 120), twips(1920 - 240), twips(255));
        *f.caja = caja;
    }
    TxtUserPassword->setEchoMode(QLineEdit::Password);

    CboPlataformaDB = new QComboBox(framAcceso);
    CboPlataformaDB->setObjectName(QStringLiteral("CboPlataformaDB"));
    CboPlataformaDB->addItems({QStringLiteral("SQL Server"), QStringLiteral("ORACLE")});
    CboPlataformaDB->setGeometry(twips(1905), twips(1890), twips(3765), twips(345));

    bcAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    bcAceptar->setObjectName(QStringLiteral("bcAceptar"));
    bcAceptar->setGeometry(twips(1440), twips(2415), twips(1350), twips(375));
    bcAceptar->setDefault(true);
    bcAceptar->setAutoDefault(true);
    bcCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    bcCancelar->setObjectName(QStringLiteral("bcCancelar"));
    bcCancelar->setGeometry(twips(3000), twips(2415), twips(1332), twips(372));
    bcCancelar->setAutoDefault(false);

    QWidget::setTabOrder(TxtUserId, TxtUserPassword);
    QWidget::setTabOrder(TxtUserPassword, TxtDbName);
    QWidget::setTabOrder(TxtDbName, TxtServidor);
    QWidget::setTabOrder(TxtServidor, CboPlataformaDB);
    QWidget::setTabOrder(CboPlataformaDB, bcAceptar);
    QWidget::setTabOrder(bcAceptar, bcCancelar);

    connect(bcAceptar, &QPushButton::clicked, this, [this] { Aceptar = true; accept(); });
    connect(bcCancelar, &QPushButton::clicked, this, [this] { Aceptar = false; reject(); });
    // Esc and the close box count as "Cancelar".
    connect(this, &QDialog::rejected, this, [this] { Aceptar = false; });
}

void frmAcceso::showEvent(QShowEvent* e) {
    // Centred on the screen.
    if (QScreen* pantalla = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect r = pantalla->geometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    TxtUserId->setFocus();
    QDialog::showEvent(e);
}

bool frmAcceso::Mostrar(ui::DatosAcceso& datos) {
    frmAcceso dialogo;
    dialogo.TxtDbName->setText(datos.DbName);
    dialogo.TxtServidor->setText(datos.Servidor);
    dialogo.TxtUserId->setText(datos.UserId);
    dialogo.TxtUserPassword->setText(datos.UserPassword);
    dialogo.CboPlataformaDB->setCurrentIndex(0);
    dialogo.exec();
    if (dialogo.Aceptar) {
        datos.DbName = dialogo.TxtDbName->text();
        datos.Servidor = dialogo.TxtServidor->text();
        datos.UserId = dialogo.TxtUserId->text();
        datos.UserPassword = dialogo.TxtUserPassword->text();
        datos.Plataforma = dialogo.CboPlataformaDB->currentIndex();
    }
    return dialogo.Aceptar;
}
