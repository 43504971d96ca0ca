#include "support/EmbeddedStation.h"

#include "data/Installer.h"
#include "data/PasswordHash.h"
#include "data/Rows.h"

#include <QDate>
#include <QSqlQuery>

namespace kelvora::test {

EmbeddedStation::EmbeddedStation()
{
    Installer::createEmbeddedDefault(folder(), GymIdentity{QStringLiteral("ACADEMIA MÓVEL"), {}, {}, {}, {}},
                                     QStringLiteral("SENHA1"));
    auto own = connect();
    Rows::insert(*own, QStringLiteral("Usuarios"),
                 {{QStringLiteral("CODIGO"), QStringLiteral("07")}, {QStringLiteral("NOME"), QStringLiteral("JOÃO")},
                  {QStringLiteral("SENHA"), PasswordHash::hash(QStringLiteral("ABC123"))}, {QStringLiteral("EXAMEMEDICO"), 1}});
    for (int student = 1; student <= Students; ++student) {
        const QDate exam(2019 + student, student, 10 + student);
        Rows::insert(*own, QStringLiteral("Alunos"),
                     {{QStringLiteral("MATRICULA"), number(student)}, {QStringLiteral("NOME"), QStringLiteral("ALUNO Nº %1 ÇÃ").arg(student)},
                      {QStringLiteral("SEXO"), student % 2 ? QStringLiteral("M") : QStringLiteral("F")},
                      {QStringLiteral("DATA_NASCIMENTO"), QDate(1980 + student, 2, 28 + student % 2)},
                      {QStringLiteral("EMAIL"), QStringLiteral("aluno%1@exemplo.com.br").arg(student)}, {QStringLiteral("DATA_FUNCIONAL"), exam}});
        Rows::insert(*own, QStringLiteral("FotosAlunos"), {{QStringLiteral("MATRICULA"), number(student)}, {QStringLiteral("FOTO1"), photo(student)}});
        Rows::insert(*own, QStringLiteral("Avaliacao"),
                     {{QStringLiteral("MATRICULA"), number(student)}, {QStringLiteral("DATAEXAME"), exam}, {QStringLiteral("A_ALTURA"), 170.5 + student},
                      {QStringLiteral("A_PESO"), 0.1 + 70 + student / 3.0}, {QStringLiteral("OBS_POSTURAL"), QStringLiteral("linha 1\nlinha 2 — ombro mais alto")},
                      {QStringLiteral("FOTOFRENTE"), photo(student + 10)}, {QStringLiteral("USUARIO"), QStringLiteral("07")}});
        Rows::insert(*own, QStringLiteral("Corporal"),
                     {{QStringLiteral("MATRICULA"), number(student)}, {QStringLiteral("DATAEXAME"), exam}, {QStringLiteral("G_PESO"), 80.25},
                      {QStringLiteral("G_3DOBRASGORDURA_A"), 1.0 / 3.0}, {QStringLiteral("G_3DOBRASGORDURA_FAIXA"), QStringLiteral("BOA")}});
        Rows::insert(*own, QStringLiteral("Anamnese"),
                     {{QStringLiteral("MATRICULA"), number(student)}, {QStringLiteral("DATAEXAME"), exam}, {QStringLiteral("A_NCIGARROS"), student},
                      {QStringLiteral("A_DOENCAFAMILIA"), student % 2}, {QStringLiteral("A_MEDICAMENTOS"), QString()}});
    }
    // A deleted assessment leaves a gap in the identities; the copies keep theirs.
    own->execute(QStringLiteral("Avaliacao"), QStringLiteral("DELETE FROM Avaliacao WHERE MATRICULA = ?"), {number(1)});

    auto brandel = connect(Connection::Brandel, "Brandel.udl");
    Rows::insert(*brandel, QStringLiteral("Alunos"), {{QStringLiteral("MATRICULA"), number(1)}, {QStringLiteral("NOME"), QStringLiteral("ANA")}});
    Rows::insert(*brandel, QStringLiteral("Caixa"), {{QStringLiteral("DATAABERTURA"), QDate(2026, 12, 1)}});
    auto corvun = connect(Connection::Corvun, "Corvun.udl");
    Rows::insert(*corvun, QStringLiteral("TREINO"),
                 {{QStringLiteral("MATRICULA"), number(2)}, {QStringLiteral("CODIGO_EXERCICIO"), QStringLiteral("001")}, {QStringLiteral("SEG"), 1}});
}

std::unique_ptr<Connection> EmbeddedStation::connect(const QString& role, const char* file) const
{
    auto connection = Connection::fromFile(role, folder(), QLatin1String(file));
    connection->open();
    return connection;
}

QByteArray EmbeddedStation::photo(int student)
{
    QByteArray bytes("\xff\xd8\xff\xe0", 4);
    for (int value = 0; value < 256; ++value)
        bytes.append(char(value));
    return bytes + QByteArray(1000 * student, char(student));
}

QString EmbeddedStation::number(int student)
{
    return QStringLiteral("%1").arg(student, 10, 10, QLatin1Char('0'));
}

QString EmbeddedStation::hashOf(const QString& code) const
{
    auto own = connect();
    QSqlQuery query = own->select(QStringLiteral("Usuarios"), QStringLiteral("SELECT SENHA FROM Usuarios WHERE CODIGO = ?"), {code});
    return query.next() ? query.value(0).toString() : QString();
}

} // namespace kelvora::test
