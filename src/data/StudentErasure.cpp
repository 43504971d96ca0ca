#include "data/StudentErasure.h"

#include "data/Connection.h"
#include "data/Schema.h"
#include "domain/DateText.h"

namespace kelvora::StudentErasure {

int Outcome::rowCount() const
{
    int rows = 0;
    for (const Removed& table : removed)
        rows += table.rows;
    return rows;
}

Outcome erase(Connection& own, const QString& number)
{
    Outcome outcome;
    Transaction transaction(own, QStringLiteral("Alunos"));
    for (const QString& table : Schema::studentTables())
        outcome.removed.append(
            {table, own.execute(table,
                                QStringLiteral("DELETE FROM %1 WHERE MATRICULA = ?")
                                    .arg(Schema::identifier(table)),
                                {number})});
    transaction.commit();
    outcome.backups = Backup::storedIn(Backup::folderOf(own.folder()));
    return outcome;
}

namespace {

QString heldUntil(const Backup::Stored& backup)
{
    const QString made = DateText::format(backup.made.date());
    if (backup.emptying)
        return QStringLiteral("  %1, de %2: backup do esvaziamento de avaliações, que a "
                              "retenção não remove; apague-o quando não for mais necessário")
            .arg(backup.file, made);
    return QStringLiteral("  %1, de %2: removido pela retenção a partir de %3")
        .arg(backup.file, made, DateText::format(Backup::removableFrom(backup.made.date())));
}

} // namespace

QStringList report(const Outcome& outcome)
{
    QStringList lines{QStringLiteral("Linhas removidas, por tabela:")};
    for (const Removed& table : outcome.removed)
        lines << QStringLiteral("  %1: %2").arg(table.table).arg(table.rows);
    if (outcome.backups.isEmpty()) {
        lines << QStringLiteral("Nenhum backup na pasta Backup guarda os dados deste aluno.");
    } else {
        lines << QStringLiteral("Os backups já gravados ainda podem guardar os dados deste aluno "
                                "até serem removidos (os %1 mais recentes são sempre mantidos):")
                     .arg(Backup::KeptNewest);
        for (const Backup::Stored& backup : outcome.backups)
            lines << heldUntil(backup);
    }
    lines << QStringLiteral("Cópias de backup gravadas em outras pastas ou unidades também podem "
                            "guardá-los até serem apagadas.")
          << QStringLiteral("Os bancos de dados companheiros (gestão da academia e treinos) não "
                            "foram alterados.");
    return lines;
}

} // namespace kelvora::StudentErasure
