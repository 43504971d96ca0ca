#include "support/AssessmentFixture.h"

#include "data/Rows.h"

#include <QBuffer>
#include <QColor>
#include <QImage>

#include <algorithm>

namespace kelvora::test {

namespace {

const QString Corporal = QStringLiteral("Corporal");

ColumnValues row(const QDate& date, const QString& markers, ColumnValues values)
{
    values.prepend({QStringLiteral("G_TIPOPROTOCOLO"), markers});
    values.prepend({QStringLiteral("DATAEXAME"), date});
    values.prepend({QStringLiteral("MATRICULA"), AssessmentFixture::Number});
    for (int n = 1; n <= 7; ++n)
        if (std::none_of(values.begin(), values.end(), [n](const auto& value) {
                return value.first == QStringLiteral("G_OUTRA%1").arg(n);
            }))
            values.append({QStringLiteral("G_OUTRA%1").arg(n), 0});
    return values;
}

} // namespace

AssessmentFixture::AssessmentFixture(const QString& backend)
    : db(backend)
{
    db.install();
    own = db.connect();
    Rows::insert(*own, QStringLiteral("Alunos"),
                 {{QStringLiteral("MATRICULA"), Number},
                  {QStringLiteral("NOME"), Name},
                  {QStringLiteral("SEXO"), QStringLiteral("F")},
                  {QStringLiteral("DATA_NASCIMENTO"), QDate(1990, 4, 2)},
                  {QStringLiteral("ENDERECO"), QStringLiteral("RUA DOS IPÊS, 45")},
                  {QStringLiteral("TELEFONE"), QStringLiteral("(11) 5555-0101")},
                  {QStringLiteral("PROFISSAO"), QStringLiteral("ENGENHEIRA")},
                  {QStringLiteral("EMAIL"), QStringLiteral("ana@example.com")}});
    Rows::insert(*own, QStringLiteral("FotosAlunos"),
                 {{QStringLiteral("MATRICULA"), Number},
                  {QStringLiteral("FOTO1"), jpeg(QColor(40, 120, 200), 90, 120)}});
    own->execute(QStringLiteral("Moxcvar"),
                 QStringLiteral("UPDATE Moxcvar SET LOGOACADEMIA1 = ?, MEMOINTRODUCAO = ?"),
                 {jpeg(QColor(200, 60, 30)), Introduction});

    for (const QDate& date : {First, Second, Third, Later})
        addAssessment(*own, Number, date, QStringLiteral("01"));
    Rows::insert(*own, Corporal,
                 row(First, QStringLiteral("3XXXXXXXXX"),
                     {{QStringLiteral("G_PESO"), 72.5},
                      {QStringLiteral("G_3DOBRASGORDURA_A"), 27.8},
                      {QStringLiteral("G_3DOBRASPESO_MAGRO"), 52.35},
                      {QStringLiteral("G_3DOBRASPESO_IDEAL"), 67.12}}));
    Rows::insert(*own, Corporal,
                 row(Second, QStringLiteral("37IXXXXXXX"),
                     {{QStringLiteral("G_PESO"), 70.25},
                      {QStringLiteral("G_ALTURA"), 165.5},
                      {QStringLiteral("G_3DOBRASGORDURA_A"), 26.1},
                      {QStringLiteral("G_3DOBRASPESO_MAGRO"), 51.92},
                      {QStringLiteral("G_3DOBRASPESO_IDEAL"), 66.56},
                      {QStringLiteral("G_7DOBRASGORDURA_A"), 26.9},
                      {QStringLiteral("G_7DOBRASPESO_MAGRO"), 51.35},
                      {QStringLiteral("G_7DOBRASPESO_IDEAL"), 65.83},
                      {QStringLiteral("G_IMCVALOR"), 25.65}}));
    Rows::insert(*own, Corporal,
                 row(Third, QStringLiteral("37ICQFLTXX"),
                     {{QStringLiteral("G_PESO"), 68.3},
                      {QStringLiteral("G_ALTURA"), 165.5},
                      {QStringLiteral("G_PEITORAL"), 12.5},
                      {QStringLiteral("G_ABDOMEM"), 22.1},
                      {QStringLiteral("G_SUPRAILIACA"), 18.4},
                      {QStringLiteral("G_COXA"), 25.6},
                      {QStringLiteral("G_TRICIPES"), 19.2},
                      {QStringLiteral("G_SUBESCAPULAR"), 14.8},
                      {QStringLiteral("G_AXILARMEDIA"), 11.3},
                      {QStringLiteral("G_QUADRIL"), 98.5},
                      {QStringLiteral("G_CINTURA"), 76.2},
                      {QStringLiteral("G_OUTRA1"), 9.5},
                      {QStringLiteral("G_3DOBRASGORDURA_A"), 24.37},
                      {QStringLiteral("G_3DOBRASGORDURA_IDEAL"), QStringLiteral("22")},
                      {QStringLiteral("G_3DOBRASGORDURA_FAIXA"), QStringLiteral("23% a 27 %")},
                      {QStringLiteral("G_3DOBRASGORDURA_M"), QStringLiteral("MÉDIA")},
                      {QStringLiteral("G_3DOBRASPESO_GORDO"), 16.64},
                      {QStringLiteral("G_3DOBRASPESO_MAGRO"), 51.66},
                      {QStringLiteral("G_3DOBRASPESO_IDEAL"), 66.23},
                      {QStringLiteral("G_7DOBRASGORDURA_A"), 25.12},
                      {QStringLiteral("G_7DOBRASGORDURA_IDEAL"), QStringLiteral("22")},
                      {QStringLiteral("G_7DOBRASGORDURA_FAIXA"), QStringLiteral("23% a 27 %")},
                      {QStringLiteral("G_7DOBRASGORDURA_M"), QStringLiteral("MÉDIA")},
                      {QStringLiteral("G_7DOBRASPESO_GORDO"), 17.16},
                      {QStringLiteral("G_7DOBRASPESO_MAGRO"), 51.14},
                      {QStringLiteral("G_7DOBRASPESO_IDEAL"), 65.56},
                      {QStringLiteral("G_IMCVALOR"), 24.94},
                      {QStringLiteral("G_IMCRESULTADO"), QStringLiteral("Peso normal")},
                      {QStringLiteral("G_CRIANCAGORDURA_A"), 26.4},
                      {QStringLiteral("G_CRIANCAGORDURA_FAIXA"), QStringLiteral("25,1% a 30 %")},
                      {QStringLiteral("G_CRIANCAGORDURA_M"), QStringLiteral("MODERADO")},
                      {QStringLiteral("G_CRIANCAPESO_GORDO"), 18.03},
                      {QStringLiteral("G_CRIANCAPESO_MAGRO"), 50.27},
                      {QStringLiteral("G_CINTURA_QUADRIL_VALOR"), 0.77},
                      {QStringLiteral("G_RESULTADO_CINTURA"), QStringLiteral("Risco Baixo")},
                      {QStringLiteral("G_FAULKNER_GORDURA"), 21.85},
                      {QStringLiteral("G_FAULKNERGORDURA_IDEAL"), QStringLiteral("22")},
                      {QStringLiteral("G_FAULKNERPESO_GORDO"), 14.92},
                      {QStringLiteral("G_FAULKNERPESO_MAGRO"), 53.38},
                      {QStringLiteral("G_FAULKNERPESO_IDEAL"), 68.44},
                      {QStringLiteral("G_LOHMAN_GORDURA"), 27.3},
                      {QStringLiteral("G_LOHMANGORDURA_IDEAL"), QStringLiteral("25")},
                      {QStringLiteral("G_LOHMANPESO_GORDO"), 18.65},
                      {QStringLiteral("G_LOHMANPESO_MAGRO"), 49.65},
                      {QStringLiteral("G_LOHMANPESO_IDEAL"), 66.2},
                      {QStringLiteral("G_TRANABDOMEM1"), 80.5},
                      {QStringLiteral("G_TRANABDOMEM2"), 82.1},
                      {QStringLiteral("G_TRAN_GORDURA"), 29.4},
                      {QStringLiteral("G_TRANGORDURA_IDEAL"), QStringLiteral("30")},
                      {QStringLiteral("G_TRANPESO_GORDO"), 20.08},
                      {QStringLiteral("G_TRANPESO_MAGRO"), 48.22},
                      {QStringLiteral("G_TRANPESO_IDEAL"), 68.89}}));
    Rows::insert(*own, Corporal,
                 row(Later, QStringLiteral("3XXXXXXXXX"),
                     {{QStringLiteral("G_PESO"), 66.0},
                      {QStringLiteral("G_3DOBRASGORDURA_A"), 22.9},
                      {QStringLiteral("G_3DOBRASPESO_MAGRO"), 50.89},
                      {QStringLiteral("G_3DOBRASPESO_IDEAL"), 65.24}}));
    Rows::insert(*own, QStringLiteral("Muscular"),
                 {{QStringLiteral("MATRICULA"), Number},
                  {QStringLiteral("DATAEXAME"), Second},
                  {QStringLiteral("M_TORAX_MED"), 92.5}});
}

QByteArray AssessmentFixture::jpeg(const QColor& color, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

void AssessmentFixture::setBodyComposition(const QString& column, const QVariant& value)
{
    own->execute(Corporal,
                 QStringLiteral("UPDATE Corporal SET %1 = ? WHERE MATRICULA = ? AND DATAEXAME = ?")
                     .arg(column),
                 {value, Number, Third});
}

} // namespace kelvora::test
