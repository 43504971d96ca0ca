#pragma once

#include <QString>

// The body-composition screens' own texts, exactly as the users know them. The
// messages shared with other screens are in domain/MessageTexts.h.
namespace kelvora::bodycomp::Text {

// Details of "Dado INCORRETO !"
inline const QString Valor = QStringLiteral("Valor");
inline const QString ValorExemploAltura = QStringLiteral("Valor Ex.: 171,5 ");

// Range text of a fat percentage that no level row holds; also the detail of
// "Nenhum resultado encontrado !" for an age without a Lohman constant.
inline const QString ForaFaixa = QStringLiteral("Fora Faixa");

// Units after the numbers shown
inline const QString Percent = QStringLiteral(" %");
inline const QString Kilograms = QStringLiteral(" kg");
inline const QString KilogramsPerSquareMetre = QStringLiteral(" kg/m2");
inline const QString Millimetres = QStringLiteral(" mm");

// Body-mass-index classes
inline const QString MuitoAbaixoDoPeso = QStringLiteral("Muito abaixo do peso");
inline const QString AbaixoDoPeso = QStringLiteral("Abaixo do peso");
inline const QString PesoNormal = QStringLiteral("Peso normal");
inline const QString AcimaDoPeso = QStringLiteral("Acima do peso");
inline const QString ObesoGrau1 = QStringLiteral("Obeso grau 1");
inline const QString ObesoGrau2 = QStringLiteral("Obeso grau 2");
inline const QString ObesoGrau3 = QStringLiteral("Obeso grau 3");
inline const QString PoucoAcimaDoPeso = QStringLiteral("Pouco acima do peso");
inline const QString AcimaDoPesoIdeal = QStringLiteral("Acima do peso ideal");
inline const QString Obeso = QStringLiteral("Obeso");

// Waist-hip risk classes
inline const QString RiscoBaixo = QStringLiteral("Risco Baixo");
inline const QString RiscoModerado = QStringLiteral("Risco Moderado");
inline const QString RiscoAlto = QStringLiteral("Risco Alto");
inline const QString RiscoMuitoAlto = QStringLiteral("Risco Muito Alto");

} // namespace kelvora::bodycomp::Text
