-- The demo company: Distribuidora Ejemplo S.A., CUIT 30-71234567-9, self-printing
-- issuer with three remitos receipt books (points of sale 1, 2 and 3) and one invoice
-- book; remitos from February to April 2015. User "ana" (administrator).
-- Dates are ISO text, the form the program stores them in.

INSERT INTO TA_CONFIGURACION (Clave, Valor, ValorAux, Grupo) VALUES ('CUIT', '30-71234567-9', '', 'EMPRESA');
INSERT INTO TA_CONFIGURACION (Clave, Valor, ValorAux, Grupo) VALUES ('RAZONSOCIAL', 'Distribuidora Ejemplo S.A.', '', 'EMPRESA');
INSERT INTO TA_CONFIGURACION (Clave, Valor, ValorAux, Grupo) VALUES ('CONDIVAEMPRESA', '1', '', 'EMPRESA');

INSERT INTO ta_usuarios (nombre, Administrador, UNegocio, verproforma) VALUES ('ana', 1, '   1', 0);
INSERT INTO ta_usuarios (nombre, Administrador, UNegocio, verproforma) VALUES ('pepe', 0, '   1', 0);

INSERT INTO V_TA_Cajas (IdCajas, Descripcion) VALUES ('   1', 'CAJA CENTRAL');

INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('REM01', 'RMAUTOIMPR', 'Remitos de autoimpresores');
INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('ana', 'REM01');

-- Receipt books: CODIGO 'RM' marks remitos books; ObservacionesR holds the CAI.
INSERT INTO V_TA_CPTE (CODIGO, ObservacionesR, R_SUC_DEFAULT) VALUES ('RM', '20150123456789', '1');
INSERT INTO V_TA_CPTE (CODIGO, ObservacionesR, R_SUC_DEFAULT) VALUES ('RM', '20150198765432', '2');
INSERT INTO V_TA_CPTE (CODIGO, ObservacionesR, R_SUC_DEFAULT) VALUES ('RM', '20150211111111', '3');
INSERT INTO V_TA_CPTE (CODIGO, ObservacionesR, R_SUC_DEFAULT) VALUES ('FA', '60000000000001', '1');

-- Documents: IDCOMPROBANTE = point of sale (4) + number (8) + letter.
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, FECHA) VALUES ('RM', '000100000090R', '2015-02-10 09:15:00');
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, FECHA) VALUES ('RM', '000300000007R', '2015-02-28 00:00:00');
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, FECHA) VALUES ('RM', '000100000101R', '2015-03-02 00:00:00');
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, FECHA) VALUES ('RM', '000200000040R', '2015-03-15 00:00:00');
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, FECHA) VALUES ('RM', '000100000118R', '2015-03-31 00:00:00');
-- Issued at 10:00 on the last day of March: after the period's upper bound (midnight).
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, FECHA) VALUES ('RM', '000100000119R', '2015-03-31 10:00:00');
-- Not a remito of letter R, and not a remito at all: never counted.
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, FECHA) VALUES ('RM', '000100000200X', '2015-03-20 00:00:00');
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, FECHA) VALUES ('FA', '000100000300A', '2015-03-20 00:00:00');
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, FECHA) VALUES ('RM', '000100000120R', '2015-04-01 00:00:00');
INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, FECHA) VALUES ('RM', '000200000041R', '2015-04-01 00:00:00');
