#pragma once

#include <QString>

// The texts of the user screens, exactly as the users know them.
namespace kelvora::UserTexts {

inline const QString RegisterCaption = QStringLiteral("Usuários");
inline const QString RegisterListingCaption = QStringLiteral("Cadastro de Usuários");
inline const QString IncludeCaption = QStringLiteral("INCLUSÃO DE USUÁRIO");
inline const QString ChangeCaption = QStringLiteral("ALTERAÇÃO DE USUÁRIO");
inline const QString DeleteCaption = QStringLiteral("EXCLUSÃO DE USUÁRIO");
inline const QString EditorCaption = QStringLiteral(" Parametrização do Usuário");
inline const QString ListingCaption = QStringLiteral("Consulta de Usuários");
inline const QString HelpCaption = QStringLiteral("Ajuda - USUÁRIOS");

inline const QString FullAccessQuestion =
    QStringLiteral("Deseja que este Usuário tenha acesso COMPLETO ?");
inline const QString Master = QStringLiteral("MESTRE");
inline const QString NameDetail = QStringLiteral("Nome");
inline const QString PasswordDetail = QStringLiteral("Senha");
inline const QString PasswordsDifferDetail = QStringLiteral("Senha não confere");
inline const QString WrongCurrentPasswordDetail =
    QStringLiteral("Senha Atual do Usuário não Cadastrada");
inline const QString DatabaseDetail = QStringLiteral("Banco de Dados");

// Stands for a stored password, which is never shown: only its hash is kept.
inline const QString MaskedPassword = QStringLiteral("******");

} // namespace kelvora::UserTexts
