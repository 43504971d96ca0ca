#pragma once

#include <QString>

// The texts of the backup, restore and emptying windows that kelvora-cli prints too.
namespace kelvora::BackupText {

inline const QString ExtensaoInvalida = QStringLiteral("Extensão Inaválida");
inline const QString Ano = QStringLiteral("Ano");
inline const QString AnoNaoPodeSerEsvaziado =
    QStringLiteral("Ano selecionado não pode ser esvaziado");

} // namespace kelvora::BackupText
