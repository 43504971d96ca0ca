#pragma once

#include <QString>

// Columns of the body-composition table `Corporal` that the computations read and
// write. The screens bind their fields to these names and the command line takes its
// inputs by them, so they are spelled exactly as in the table.
namespace kelvora::bodycomp::Corporal {

inline const QString G_PESO = QStringLiteral("G_PESO");
inline const QString G_ALTURA = QStringLiteral("G_ALTURA");
inline const QString G_COXA = QStringLiteral("G_COXA");
inline const QString G_PEITORAL = QStringLiteral("G_PEITORAL");
inline const QString G_AXILARMEDIA = QStringLiteral("G_AXILARMEDIA");
inline const QString G_TRICIPES = QStringLiteral("G_TRICIPES");
inline const QString G_SUBESCAPULAR = QStringLiteral("G_SUBESCAPULAR");
inline const QString G_ABDOMEM = QStringLiteral("G_ABDOMEM");
inline const QString G_SUPRAILIACA = QStringLiteral("G_SUPRAILIACA");
inline const QString G_QUADRIL = QStringLiteral("G_QUADRIL");
inline const QString G_CINTURA = QStringLiteral("G_CINTURA");
inline const QString G_TRANABDOMEM1 = QStringLiteral("G_TRANABDOMEM1");
inline const QString G_TRANABDOMEM2 = QStringLiteral("G_TRANABDOMEM2");
inline const QString G_TIPOIDADECRIANCA = QStringLiteral("G_TIPOIDADECRIANCA");
inline const QString G_TIPOPROTOCOLO = QStringLiteral("G_TIPOPROTOCOLO");

inline const QString G_3DOBRASGORDURA_IDEAL = QStringLiteral("G_3DOBRASGORDURA_IDEAL");
inline const QString G_3DOBRASGORDURA_A = QStringLiteral("G_3DOBRASGORDURA_A");
inline const QString G_3DOBRASGORDURA_FAIXA = QStringLiteral("G_3DOBRASGORDURA_FAIXA");
inline const QString G_3DOBRASGORDURA_M = QStringLiteral("G_3DOBRASGORDURA_M");
inline const QString G_3DOBRASPESO_GORDO = QStringLiteral("G_3DOBRASPESO_GORDO");
inline const QString G_3DOBRASPESO_MAGRO = QStringLiteral("G_3DOBRASPESO_MAGRO");
inline const QString G_3DOBRASPESO_IDEAL = QStringLiteral("G_3DOBRASPESO_IDEAL");

inline const QString G_7DOBRASGORDURA_IDEAL = QStringLiteral("G_7DOBRASGORDURA_IDEAL");
inline const QString G_7DOBRASGORDURA_A = QStringLiteral("G_7DOBRASGORDURA_A");
inline const QString G_7DOBRASGORDURA_FAIXA = QStringLiteral("G_7DOBRASGORDURA_FAIXA");
inline const QString G_7DOBRASGORDURA_M = QStringLiteral("G_7DOBRASGORDURA_M");
inline const QString G_7DOBRASPESO_GORDO = QStringLiteral("G_7DOBRASPESO_GORDO");
inline const QString G_7DOBRASPESO_MAGRO = QStringLiteral("G_7DOBRASPESO_MAGRO");
inline const QString G_7DOBRASPESO_IDEAL = QStringLiteral("G_7DOBRASPESO_IDEAL");

inline const QString G_FAULKNERGORDURA_IDEAL = QStringLiteral("G_FAULKNERGORDURA_IDEAL");
inline const QString G_FAULKNER_GORDURA = QStringLiteral("G_FAULKNER_GORDURA");
inline const QString G_FAULKNERPESO_GORDO = QStringLiteral("G_FAULKNERPESO_GORDO");
inline const QString G_FAULKNERPESO_MAGRO = QStringLiteral("G_FAULKNERPESO_MAGRO");
inline const QString G_FAULKNERPESO_IDEAL = QStringLiteral("G_FAULKNERPESO_IDEAL");

inline const QString G_CRIANCAGORDURA_A = QStringLiteral("G_CRIANCAGORDURA_A");
inline const QString G_CRIANCAGORDURA_FAIXA = QStringLiteral("G_CRIANCAGORDURA_FAIXA");
inline const QString G_CRIANCAGORDURA_M = QStringLiteral("G_CRIANCAGORDURA_M");
inline const QString G_CRIANCAPESO_GORDO = QStringLiteral("G_CRIANCAPESO_GORDO");
inline const QString G_CRIANCAPESO_MAGRO = QStringLiteral("G_CRIANCAPESO_MAGRO");

inline const QString G_LOHMANGORDURA_IDEAL = QStringLiteral("G_LOHMANGORDURA_IDEAL");
inline const QString G_LOHMAN_GORDURA = QStringLiteral("G_LOHMAN_GORDURA");
inline const QString G_LOHMANPESO_GORDO = QStringLiteral("G_LOHMANPESO_GORDO");
inline const QString G_LOHMANPESO_MAGRO = QStringLiteral("G_LOHMANPESO_MAGRO");
inline const QString G_LOHMANPESO_IDEAL = QStringLiteral("G_LOHMANPESO_IDEAL");

inline const QString G_TRANGORDURA_IDEAL = QStringLiteral("G_TRANGORDURA_IDEAL");
inline const QString G_TRAN_GORDURA = QStringLiteral("G_TRAN_GORDURA");
inline const QString G_TRANPESO_GORDO = QStringLiteral("G_TRANPESO_GORDO");
inline const QString G_TRANPESO_MAGRO = QStringLiteral("G_TRANPESO_MAGRO");
inline const QString G_TRANPESO_IDEAL = QStringLiteral("G_TRANPESO_IDEAL");

inline const QString G_IMCVALOR = QStringLiteral("G_IMCVALOR");
inline const QString G_IMCRESULTADO = QStringLiteral("G_IMCRESULTADO");
inline const QString G_CINTURA_QUADRIL_VALOR = QStringLiteral("G_CINTURA_QUADRIL_VALOR");
inline const QString G_RESULTADO_CINTURA = QStringLiteral("G_RESULTADO_CINTURA");

} // namespace kelvora::bodycomp::Corporal
