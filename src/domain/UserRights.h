#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace kelvora {

// The rights a user holds, one "Sim"/"Não" column of Usuarios each, in the order
// and under the captions the access-level editor shows them. This table is the one
// list of right columns: the editor's drop-downs, the full access given to a new
// user and the check of the menu items all read it, never the table's column order.
struct UserRight {
    enum class Group { Cadastro, Utilitarios, Avaliacoes, Relatorios };

    Group group;
    bool table; // one of the "Tabelas" rights inside " Cadastro "
    const char* label;
    const char* column;

    QString labelText() const { return QString::fromUtf8(label); }
    QString columnName() const { return QLatin1String(column); }
};

namespace UserRights {

inline const QVector<UserRight>& all()
{
    using G = UserRight::Group;
    static const QVector<UserRight> rights{
        {G::Cadastro, false, "Alunos", "C_ALUNOS"},
        {G::Cadastro, false, "Excluir Alunos", "C_EXCLUI_ALUNOS"},
        {G::Cadastro, false, "Atividades", "C_ATIVIDADE"},
        {G::Cadastro, false, "Usuários", "U_RECADASTRODEUSUARIOS"},
        {G::Cadastro, true, "Crianças", "C_CRIANCAS"},
        {G::Cadastro, true, "Mulheres", "C_MULHERES"},
        {G::Cadastro, true, "Homens", "C_HOMENS"},
        {G::Utilitarios, false, "Backup", "U_BACKUP"},
        {G::Utilitarios, false, "Restauração do Backup", "U_RESTAURACAODOBACKUP"},
        {G::Utilitarios, false, "Configuração do Sistema", "U_REPARAMETRIZACAOSISTEMA"},
        {G::Utilitarios, false, "Nível de Acesso do Usuário", "U_REPARAMETRIZACAOUSUARIO"},
        {G::Utilitarios, false, "Esvaziar Arquivos", "U_REESVAZIARMOVIMENTACAO"},
        {G::Avaliacoes, false, "Dados Clínicos", "A_DADOS"},
        {G::Avaliacoes, false, "Libera Avaliação", "LIBERA_AVALIACAO"},
        {G::Avaliacoes, false, "Exclui Avaliação", "EXCLUI_AVALIACAO"},
        {G::Avaliacoes, false, "Somente Visualizar Avaliação", "ALTERA_AVALIACAO"},
        {G::Relatorios, false, "Avaliações Vencidas", "R_AVALIACAO_VENCIDA"},
        {G::Relatorios, false, "Avaliações Feitas", "R_AVALIACAO_FEITA"},
    };
    return rights;
}

inline QStringList columns()
{
    QStringList names;
    for (const UserRight& right : all())
        names << right.columnName();
    return names;
}

// The caption of a group's frame in the editor and of its choice in " Menu Principal ".
inline QString groupCaption(UserRight::Group group)
{
    switch (group) {
    case UserRight::Group::Cadastro:
        return QStringLiteral("Cadastro");
    case UserRight::Group::Utilitarios:
        return QStringLiteral("Utilitários");
    case UserRight::Group::Avaliacoes:
        return QStringLiteral("Avaliações");
    case UserRight::Group::Relatorios:
        return QStringLiteral("Relatórios");
    }
    return {};
}

} // namespace UserRights
} // namespace kelvora
