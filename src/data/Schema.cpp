#include "data/Schema.h"

#include <stdexcept>

namespace kelvora {

const Column* Table::column(const QString& name) const
{
    for (const Column& c : columns)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QStringList Table::columnNames() const
{
    QStringList names;
    for (const Column& c : columns)
        names << c.name;
    return names;
}

namespace {

Column id()
{
    return {QStringLiteral("ID"), ColumnType::Id};
}
Column text(const char* name, int length)
{
    return {QLatin1String(name), ColumnType::Text, length};
}
Column memo(const char* name)
{
    return {QLatin1String(name), ColumnType::Memo};
}
Column blob(const char* name)
{
    return {QLatin1String(name), ColumnType::Blob};
}
Column bit(const char* name)
{
    return {QLatin1String(name), ColumnType::Bit};
}
Column date(const char* name)
{
    return {QLatin1String(name), ColumnType::Date};
}
Column real(const char* name)
{
    return {QLatin1String(name), ColumnType::Real};
}
Column smallint(const char* name)
{
    return {QLatin1String(name), ColumnType::SmallInt};
}
Column integer(const char* name)
{
    return {QLatin1String(name), ColumnType::Integer};
}

void add(QVector<Column>& to, ColumnType type, std::initializer_list<const char*> names,
         int length = 0)
{
    for (const char* name : names)
        to.append({QLatin1String(name), type, length});
}

QStringList key(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* name : names)
        list << QLatin1String(name);
    return list;
}

// Result tables of one test: row identity, student and exam date, then the test's own columns.
Table resultTable(const char* name, QVector<Column> own)
{
    QVector<Column> columns{id(), text("MATRICULA", 10), date("DATAEXAME")};
    columns += own;
    return {QLatin1String(name), columns, key({"MATRICULA", "DATAEXAME"})};
}

Table alunos()
{
    return {QStringLiteral("Alunos"),
            {text("MATRICULA", 10),   text("NOME", 35),
             text("SEXO", 1),         text("ENDERECO", 45),
             text("BAIRRO", 15),      text("CIDADE", 20),
             text("ESTADO", 2),       text("CEP", 9),
             date("DATA_NASCIMENTO"), text("IDENTIDADE", 15),
             text("CPF", 15),         text("TELEFONE", 14),
             text("TELEFONECOM", 14), text("PROFISSAO", 20),
             text("RESPONSAVEL", 20), date("DATA_CADASTRADO"),
             date("DATA_MEDICA"),     date("DATA_FUNCIONAL"),
             text("RADIO", 20),       text("TELEFONE_CELULAR", 14),
             text("EMAIL", 40),       date("SAIDA"),
             date("DATA_NUTRI")},
            key({"MATRICULA"}),
            key({"NOME"})};
}

Table fotosAlunos()
{
    return {
        QStringLiteral("FotosAlunos"), {text("MATRICULA", 10), blob("FOTO1")}, key({"MATRICULA"})};
}

Table avaliacao()
{
    return {QStringLiteral("Avaliacao"),
            {id(),
             text("MATRICULA", 10),
             date("DATAEXAME"),
             real("A_ALTURA"),
             real("A_PESO"),
             memo("OBS_POSTURAL"),
             blob("FOTOFRENTE"),
             blob("FOTOCOSTA"),
             blob("FOTODIREITO"),
             blob("FOTOESQUERDO"),
             memo("OBS_POSTURAL2"),
             text("USUARIO", 2),
             text("LIBERA_AVALIACAO", 2),
             blob("FOTOFRENTE2"),
             blob("FOTOCOSTA2"),
             blob("FOTODIREITO2"),
             blob("FOTOESQUERDO2"),
             real("VO2MAX"),
             text("VO2MAXRESULTADO", 15),
             memo("OBS_ERGOMETRICO")},
            key({"MATRICULA", "DATAEXAME"})};
}

Table usuarios()
{
    // SENHA keeps an Argon2id hash of the 6-character password, never the password
    // itself, so it is wide enough for the hash text.
    QVector<Column> columns{text("CODIGO", 2), text("NOME", 26), text("SENHA", 128),
                            text("NOMECOMPLETO", 35), bit("EXAMEMEDICO")};
    add(columns, ColumnType::Text,
        {"C_ALUNOS", "C_EXCLUI_ALUNOS", "C_ATIVIDADE", "C_CRIANCAS", "C_MULHERES", "C_HOMENS",
         "U_RECADASTRODEUSUARIOS", "A_DADOS", "LIBERA_AVALIACAO", "EXCLUI_AVALIACAO",
         "ALTERA_AVALIACAO", "R_AVALIACAO_VENCIDA", "R_AVALIACAO_FEITA", "U_BACKUP",
         "U_RESTAURACAODOBACKUP", "U_REPARAMETRIZACAOSISTEMA", "U_REPARAMETRIZACAOUSUARIO",
         "U_REESVAZIARMOVIMENTACAO"},
        3);
    return {QStringLiteral("Usuarios"), columns, key({"CODIGO"})};
}

Table moxcvar()
{
    QVector<Column> c{text("ACADEMIA", 35),       text("ENDERACADEMIA", 40),
                      text("COMPLEMENTO1", 40),   text("COMPLEMENTO2", 40),
                      text("CNPJCPF", 40),        blob("LOGOACADEMIA1"),
                      text("CODIGOSEQ", 3),       text("PATH_AVALIA", 3),
                      text("AlunosAtivos", 3),    text("CAPTURA_WEB", 3),
                      text("POSTURAL_WEBCAN", 3), smallint("TEMPO_REAVALIACAO"),
                      smallint("PRAZOAVALMED"),   text("MOSTRA_RESULTADO_CORPORAL", 3),
                      text("MOSTRA_MEDICA", 3),   text("TIPO_AVALIACAO", 9),
                      text("CAMINHOCOPIA", 45),   memo("MEMOINTRODUCAO")};
    add(c, ColumnType::Blob,
        {"VISTAFRENTE", "VISTACOSTA", "VISTADIREITO", "VISTAESQUERDO", "VISTAFRENTE2",
         "VISTACOSTA2", "VISTADIREITO2", "VISTAESQUERDO2", "IMAGEMFRENTE", "IMAGEMCOSTA",
         "IMAGEMFLEX1", "IMAGEMFLEX2", "IMAGEMFLEX3", "IMAGEMFLEX4"});
    add(c, ColumnType::Text,
        {"EXAME_MEDICO", "PRESCRICAO_ATIVIDADE", "ANAMNESE", "TESTE_CARDIACO", "EXAME_MUSCULAR",
         "EXAME_POSTURAL", "FLEX_TESTE", "VOZ", "FLEXIBILIDADE", "TESTE_ABDOMINAL", "TESTE_FLEXAO",
         "CORPORAL_POLLOCK3", "CORPORAL_POLLOCK7", "CORPORAL_IMC", "CORPORAL_SLAUGHTER",
         "CORPORAL_CINTURA_QUADRIL", "CORPORAL_FAULKNER", "CORPORAL_LOHMAN",
         "CORPORAL_TRANS_WELTMAN"},
        3);
    c << text("IMC_1_2", 1);
    add(c, ColumnType::Bit,
        {"FOLHA_ROSTO_IMP",          "INTRODUCAO_IMP",         "EXAME_MEDICO_IMP",
         "PRESCRICAO_ATIVIDADE_IMP", "ANAMNESE_IMP",           "TESTE_CARDIACO_IMP",
         "EXAME_MUSCULAR_IMP",       "CORPORAL_POLLOCK3_IMP",  "CORPORAL_POLLOCK7_IMP",
         "CORPORAL_IMC_IMP",         "CORPORAL_SLAUGHTER_IMP", "CORPORAL_CINTURA_QUADRIL_IMP",
         "CORPORAL_FAULKNER_IMP",    "CORPORAL_LOHMAN_IMP",    "CORPORAL_TRANS_WELTMAN_IMP",
         "EXAME_POSTURAL_IMP",       "FLEX_TESTE_IMP",         "VOZ_IMP",
         "FLEXIBILIDADE_IMP",        "TESTE_ABDOMINAL_IMP",    "TESTE_FLEXAO_IMP"});
    add(c, ColumnType::Text,
        {"SMTP_PROVEDOR", "NOME_PROVEDOR", "EMAIL_PROVEDOR", "USERNAME", "PASSWORD"}, 40);
    c << text("IdSMTP_UseTLS", 20);
    return {QStringLiteral("Moxcvar"), c, {}};
}

Table corporal()
{
    QVector<Column> c{text("G_TIPO", 1), real("G_PESO"), real("G_ALTURA")};
    add(c, ColumnType::Real,
        {"G_COXA", "G_PEITORAL", "G_AXILARMEDIA", "G_TRICIPES", "G_SUBESCAPULAR", "G_ABDOMEM",
         "G_SUPRAILIACA", "G_QUADRIL", "G_CINTURA", "G_3DOBRASGORDURA_A"});
    c << text("G_3DOBRASGORDURA_FAIXA", 15) << text("G_3DOBRASGORDURA_M", 20)
      << real("G_3DOBRASPESO_GORDO") << real("G_3DOBRASPESO_MAGRO") << real("G_7DOBRASGORDURA_A")
      << text("G_7DOBRASGORDURA_FAIXA", 15) << text("G_7DOBRASGORDURA_M", 20)
      << real("G_7DOBRASPESO_GORDO") << real("G_7DOBRASPESO_MAGRO") << text("G_TIPOIDADECRIANCA", 1)
      << real("G_CRIANCAGORDURA_A") << text("G_CRIANCAGORDURA_FAIXA", 15)
      << text("G_CRIANCAGORDURA_M", 20) << real("G_CRIANCAPESO_GORDO")
      << real("G_CRIANCAPESO_MAGRO") << text("G_IMCRESULTADO", 20) << real("G_IMCVALOR")
      << real("G_3DOBRASPESO_IDEAL") << real("G_7DOBRASPESO_IDEAL")
      << text("G_3DOBRASGORDURA_IDEAL", 2) << text("G_7DOBRASGORDURA_IDEAL", 2)
      << real("G_CINTURA_QUADRIL_VALOR") << text("G_RESULTADO_CINTURA", 20);
    add(c, ColumnType::Real,
        {"G_OUTRA1", "G_OUTRA2", "G_OUTRA3", "G_OUTRA4", "G_OUTRA5", "G_OUTRA6", "G_OUTRA7"});
    c << text("G_TIPOPROTOCOLO", 10) << real("G_FAULKNER_GORDURA") << real("G_FAULKNERPESO_GORDO")
      << real("G_FAULKNERPESO_MAGRO") << real("G_FAULKNERPESO_IDEAL")
      << text("G_FAULKNERGORDURA_IDEAL", 2) << real("G_LOHMAN_GORDURA")
      << real("G_LOHMANPESO_GORDO") << real("G_LOHMANPESO_MAGRO") << real("G_LOHMANPESO_IDEAL")
      << text("G_LOHMANGORDURA_IDEAL", 2) << real("G_TRANABDOMEM1") << real("G_TRANABDOMEM2")
      << real("G_TRAN_GORDURA") << real("G_TRANPESO_GORDO") << real("G_TRANPESO_MAGRO")
      << real("G_TRANPESO_IDEAL") << text("G_TRANGORDURA_IDEAL", 2) << text("G_MEDICO", 2);
    return resultTable("Corporal", c);
}

Table anamnese()
{
    QVector<Column> c{text("A_RACA", 10),
                      text("A_TABAGISTA", 3),
                      smallint("A_NCIGARROS"),
                      text("A_MEDICAMENTOS", 80),
                      text("A_FREQCARDIACA", 10),
                      real("A_PRESSAOARTERIALMIN"),
                      real("A_PRESSAOARTERIALMAX"),
                      text("A_BEBIDA", 20),
                      bit("A_DOENCAFAMILIA"),
                      text("A_TIPOFAMILIA", 80),
                      bit("A_DOENCAPESSOAL"),
                      text("A_TIPOPESSOAL", 80),
                      bit("A_CIRURGIA"),
                      text("A_TIPOCIRURGIA", 80),
                      bit("A_ALERGIA"),
                      text("A_TIPOALERGIA", 80),
                      bit("A_LESAO"),
                      text("A_TIPOLESAO", 80),
                      bit("A_DIETA11"),
                      text("A_DIETA", 1),
                      text("A_TIPODIETA", 80),
                      text("A_HISTORICOOCUPACIONAL", 80)};
    add(c, ColumnType::Bit,
        {"A_TEMPOMANHA", "A_TEMPOTARDE", "A_TEMPONOITE", "A_TEMPOLIVRE", "A_OBJPOSTURAL",
         "A_OBJTERAPEUTICO", "A_OBJESTETICO", "A_OBJGANHO", "A_OBJPERDA", "A_OBJESTRESS",
         "A_OBJFISICO", "A_OBJDEFINICAO", "A_OBJENDURECIMENTO", "A_OBJOUTROS"});
    c << text("A_OBJQUAL", 40);
    add(c, ColumnType::Bit,
        {"A_MMSS", "A_MMII", "A_ABDOMEM", "A_GLUTEO", "A_OBJPEITORAL", "A_PRATICAATUAL"});
    c << text("A_ATIVIDADEATUAL", 40) << text("A_QUANTOTEMPO", 20) << text("A_NVEZES", 15)
      << bit("A_PRATICAANTES") << text("A_ATIVIDADEANTES", 40) << text("A_TEMPOPAROU", 15)
      << text("A_TEMPOPRATICA", 15) << text("A_TEMPO_CIGARRO", 15) << smallint("A_NREFEICOES")
      << text("A_HORASSONO", 10) << text("A_DORESOBS", 80) << text("A_DIADISPONIVEL", 80)
      << memo("A_MEDICAMENTOSM") << text("A_MEDICAPRESSAO", 7) << text("A_ECTOSCOPIA_OUTROS", 50)
      << text("A_CARDIO_OUTROS", 70) << text("A_RESPIRATORIO_OUTROS", 70) << memo("A_HPP")
      << memo("A_ORTOPEDIA") << real("A_NBEBIDA") << text("A_SONOTIPO", 15)
      << real("A_HISTORICO_DAC") << real("A_HISTORICO_DM") << real("A_HISTORICO_HAS")
      << memo("A_QUEIXAS") << memo("A_EXAMES_COMPLEMENTAR") << date("A_EXAMESOLITADO")
      << date("A_EXAMEENTREGUE") << memo("A_RECOMENDACOES") << text("A_PRESSAOARTEIRALPOSICAO", 10)
      << text("A_POSICAO", 15) << memo("A_OUTROS_OBS") << text("A_MEDICO", 2);
    return resultTable("Anamnese", c);
}

Table cardiaco()
{
    QVector<Column> c;
    add(c, ColumnType::Text,
        {"R_IDADE", "R_DOENCA", "R_PESO1", "R_FUMO", "R_TRABALHO", "R_COLESTEROL",
         "R_PRESSAOARTERIAL1", "R_SEXO1"},
        1);
    c << real("R_RESULTADOATUAL");
    return resultTable("Cardiaco", c);
}

Table muscular()
{
    QVector<Column> c{bit("M_TORAX"), real("M_TORAX_MED"), real("M_TORAX_INS"),
                      real("M_TORAX_EXP")};
    // Each site: its needs-correction flag, then its circumference.
    const std::initializer_list<std::pair<const char*, const char*>> sites{
        {"M_CINTURA", "M_CINTURA_MED"},        {"M_ABDOMEM", "M_ABDOMEM_MED"},
        {"M_QUADRIL", "M_QUADRIL_MED"},        {"M_BRACO_D", "M_BRACO_DMED"},
        {"M_BRACO_E", "M_BRACO_EMED"},         {"M_ANTEBRACO_D", "M_ANTEBRACO_DMED"},
        {"M_ANTEBRACO_E", "M_ANTEBRACO_EMED"}, {"M_COXA_D_P", "M_COXA_DPROX"},
        {"M_COXA_E_P", "M_COXA_EPROX"},        {"M_COXA_D", "M_COXA_DMED"},
        {"M_COXA_E", "M_COXA_EMED"},           {"M_PERNA_D", "M_PERNA_DMED"},
        {"M_PERNA_E", "M_PERNA_EMED"}};
    for (const auto& [flag, measure] : sites)
        c << bit(flag) << real(measure);
    add(c, ColumnType::Bit,
        {"M_CAUSA_TRAUMA", "M_CAUSA_CIRURGIA", "M_CAUSA_FUNCIONAL", "M_CAUSA_DEFICIENCIA"});
    c << memo("M_MEMOOBS");
    return resultTable("Muscular", c);
}

Table exame()
{
    return {QStringLiteral("Exame"),
            {id(), text("MATRICULA", 10), date("DATA"), text("POSTURAL", 5), text("POSICAO", 6),
             smallint("ORDEM")},
            key({"MATRICULA", "DATA", "POSTURAL"})};
}

Table postural()
{
    return {
        QStringLiteral("Postural"),
        {integer("ORDEM"), text("POSTURAL", 5), text("DESCRICAO", 35), text("DESCRICAONOVA", 35)},
        key({"POSTURAL"})};
}

Table repetitionTest(const char* name)
{
    return resultTable(name,
                       {smallint("NUMEROREPETICOES"), text("CLASSIFICACAO", 20), text("META", 20)});
}

Table testNorms(const char* name, const char* unit)
{
    QVector<Column> c{text("RESULTADO", 20), integer("IDADE_INICIAL"), integer("IDADE_FINAL")};
    for (const char* part : {"_INICIAL_M", "_FINAL_M", "_INICIAL_F", "_FINAL_F"})
        c << Column{QLatin1String(unit) + QLatin1String(part), ColumnType::Integer};
    return {QLatin1String(name), c, {}};
}

Table flexTeste()
{
    return resultTable("FlexTeste", {text("FLEX1", 1), text("FLEX2", 1), text("FLEX3", 1),
                                     text("FLEX4", 1), real("RESULTADO"), text("DESCRICAO", 20)});
}

Table ergomatrico()
{
    return {QStringLiteral("Ergomatrico"),
            {text("MATRICULA", 10), date("DATA"), text("TEMPO", 2), real("CARGA"),
             real("FREQCARDIACA"), text("PRESSAOARTERIAL", 7), real("PERCEPCAOESFORCO")},
            key({"MATRICULA", "DATA", "TEMPO"})};
}

Table recuperacao()
{
    return {QStringLiteral("Recuperacao"),
            {text("MATRICULA", 10), date("DATA"), text("TEMPO", 2), real("FREQCARDIACA"),
             text("PRESARTERIAL", 7), real("FREQ_CARDIACA_REPOUSO"),
             text("PRES_ARTERIAL_REPOUSO", 7), real("PESO")},
            key({"MATRICULA", "DATA", "TEMPO"})};
}

Table vo2Norms(const char* name)
{
    return {QLatin1String(name),
            {text("IDADE_INICIAL", 2), text("IDADE_FINAL", 2), integer("VO2MINIMO"),
             integer("VO2MAXIMO"), text("RESULTADO", 20)},
            {}};
}

Table nutricional()
{
    QVector<Column> c{text("QP_MotivoConsulta", 20), memo("HDA_HistDoencaAtual"),
                      memo("HPP_HistPatolPregressa"), memo("HF_HistFamiliar"), memo("ExamesLab")};
    add(c, ColumnType::Text, {"Intestino", "Urina", "DifDeglut", "Unhas", "Cabelo", "Pele"}, 20);
    c << real("PerdaGanhoPeso") << real("PesoAtual") << real("Altura") << real("PT_PesoTeorico")
      << real("ICM") << text("Circuferencias", 20) << memo("Obs_Alimentar");
    add(c, ColumnType::Text,
        {"Desjejum",
         "Lanche",
         "Colacao",
         "Almoco",
         "Jantar",
         "Ceia",
         "Cafe",
         "Leite",
         "Suco",
         "Vitamina",
         "Margarina",
         "Requeijao",
         "Geleia",
         "Outros_Complementos",
         "Frances",
         "Forma",
         "Integral",
         "Outros_Paes",
         "Biscoito",
         "Torrada",
         "Queijos",
         "Outros_Queijos",
         "Porcao_Fruta",
         "ArrozMassa",
         "FeijaoGraobicoLentinha",
         "Fruta",
         "CarneFrangoPeixa"},
        20);
    return resultTable("Nutricional", c);
}

Table prescricao()
{
    QVector<Column> c{text("PRESCRICAO", 30)};
    add(c, ColumnType::Bit,
        {"EXAME_MEDICO", "EXAME_NUTRICIONAL", "EXAME_FISIOTERAPICO", "EXAME_FOTOMETRIA",
         "EXAME_TRATAMENTO"});
    c << text("EXAME_OUTROS", 50) << memo("MEMO_RECOMENDACOES") << date("REAVALIACAO");
    add(c, ColumnType::Text, {"2X", "3X", "4X", "5X", "DIARIAMENTE"}, 20);
    return resultTable("Prescricao", c);
}

Table atividades()
{
    return {
        QStringLiteral("Atividades"), {text("CODIGO", 2), text("DESCRICAO", 20)}, key({"CODIGO"})};
}

Table faixaGordura()
{
    return {QStringLiteral("FaixaGordura"),
            {smallint("FAIXA"), text("HOMEM_DEFAULT", 2), text("MULHER_DEFAULT", 2),
             text("HOMEM", 2), text("MULHER", 2)},
            {}};
}

Table adultFatLevels(const char* name)
{
    QVector<Column> c;
    add(c, ColumnType::Text, {"IDADE_INICIAL", "IDADE_FINAL", "GORDURA_INICIAL", "GORDURA_FINAL"},
        2);
    c << text("NIVEL", 20);
    add(c, ColumnType::Text,
        {"IDADEINICIAL_TEMP", "IDADEFINAL_TEMP", "GORDURAINICIAL_TEMP", "GORDURAFINAL_TEMP"}, 2);
    c << text("NIVEL_TEMP", 20);
    return {QLatin1String(name), c, {}};
}

Table gorduraCrianca()
{
    return {QStringLiteral("GorduraCrianca"),
            {text("SEXO", 1), text("GORDURA_INICIAL", 5), text("GORDURA_FINAL", 5),
             text("NIVEL", 20), text("GORDURA_INICIAL_TEMP", 5), text("GORDURA_FINAL_TEMP", 5),
             text("NIVEL_TEMP", 20)},
            {}};
}

// Staff of the companion products: the teacher named on a training sheet.
Table staff()
{
    return {QStringLiteral("FUNCIONARIOS"), {text("MATRICULA", 10), text("nome", 35)}, {}};
}

} // namespace

namespace Schema {

const QVector<Table>& ownTables()
{
    static const QVector<Table> tables{
        alunos(),
        fotosAlunos(),
        avaliacao(),
        usuarios(),
        moxcvar(),
        corporal(),
        faixaGordura(),
        adultFatLevels("GorduraHomem"),
        adultFatLevels("GorduraMulher"),
        gorduraCrianca(),
        anamnese(),
        cardiaco(),
        muscular(),
        exame(),
        postural(),
        repetitionTest("TesteFlexao"),
        repetitionTest("TesteAbdominal"),
        repetitionTest("TesteFlexibilidade"),
        testNorms("TABELAFLEXAO", "REPETICOES"),
        testNorms("TABELAABDOMINAL", "REPETICOES"),
        testNorms("TABELAFLEXIBILIDADE", "CM"),
        flexTeste(),
        ergomatrico(),
        recuperacao(),
        vo2Norms("Vo2Homem"),
        vo2Norms("Vo2Mulher"),
        nutricional(),
        prescricao(),
        atividades(),
    };
    return tables;
}

const QVector<Table>& brandelTables()
{
    // The columns the program reads from the gym-management product; everything
    // else about that database belongs to it.
    static const auto student = [](const char* name) {
        return Table{QLatin1String(name),
                     {text("MATRICULA", 10), text("NOME", 35), text("SEXO", 1),
                      date("DATA_NASCIMENTO"), text("ENDERECO", 45), text("TELEFONE", 14),
                      text("PROFISSAO", 20), text("EMAIL", 40), date("DATA_MEDICA"),
                      date("DATA_FUNCIONAL"), date("DATA_NUTRI"), date("SAIDA")},
                     key({"MATRICULA"})};
    };
    static const QVector<Table> tables{
        student("Alunos"),
        student("AlunosAtivos"),
        fotosAlunos(),
        {QStringLiteral("Qebvar"),
         {smallint("PRAZOAVALMED"), smallint("PRAZOAVALFUN"), text("QUAL_AVALIACAO", 9)},
         {}},
        {QStringLiteral("AgendadoFuncional"), {text("MATRICULA", 10), date("DATA")}, {}},
        {QStringLiteral("AgendadoMedica"), {text("MATRICULA", 10), date("DATA")}, {}},
        {QStringLiteral("Caixa"), {date("DATAABERTURA")}, {}},
        atividades(),
        staff(),
    };
    return tables;
}

const QVector<Table>& corvunTables()
{
    // The columns the training-sheet printing reads from the training product.
    static const auto weekDays = [](QVector<Column> columns) {
        add(columns, ColumnType::Bit, {"DOM", "SEG", "TER", "QUA", "QUI", "SEX", "SAB"});
        return columns;
    };
    static const auto stretches = [] {
        QVector<Column> columns{id(), text("MATRICULA", 10), memo("OBS"), text("Treino", 1),
                                date("Data")};
        for (int n = 1; n <= 23; ++n)
            columns.append(
                {QStringLiteral("Alogamento_%1").arg(n, 2, 10, QLatin1Char('0')), ColumnType::Bit});
        return columns;
    };
    static const QVector<Table> tables{
        {QStringLiteral("Wufvar"),
         {text("ACADEMIA", 35), text("ENDERACADEMIA", 40), text("COMPLEMENTO1", 40),
          text("PATH_EXERCICIO", 3), text("TEMPO_REAVALIACAO", 2), text("Imp_Alongamento", 3)},
         {}},
        {QStringLiteral("TREINO"),
         weekDays({text("MATRICULA", 10), text("CODIGO_EXERCICIO", 3), text("PROFESSOR", 10),
                   text("REPETICOES", 11), text("REGULAGEM", 11), smallint("ORDEM"),
                   text("TREINO", 1), text("SERIES", 2), text("PESO", 11), smallint("INTERVALO"),
                   text("OBS", 30), date("DATA")})
             << date("DATA_REAVALIACAO"),
         {}},
        {QStringLiteral("AEROBICA"),
         weekDays({text("MATRICULA", 10), smallint("DURACAO"), real("VELOCIDADE"),
                   real("NIVEL_DIFICULDADE"), text("CODIGO_EXERCICIO", 3), date("DATA")}),
         {}},
        {QStringLiteral("EXERCICIOS"),
         {text("CODIGO", 3), text("DESCRICAO", 35), text("DESCRICAOABREVIADA", 15)},
         key({"CODIGO"})},
        {QStringLiteral("ALONGAMENTO"), stretches(), {}},
        staff(),
    };
    return tables;
}

const Table& ownTable(const QString& name)
{
    for (const Table& table : ownTables())
        if (table.name.compare(name, Qt::CaseInsensitive) == 0)
            return table;
    throw std::out_of_range("unknown table");
}

const QVector<AssessmentTable>& assessmentTables()
{
    static const QVector<AssessmentTable> tables{
        {QStringLiteral("Anamnese"), QStringLiteral("DATAEXAME")},
        {QStringLiteral("Avaliacao"), QStringLiteral("DATAEXAME")},
        {QStringLiteral("Cardiaco"), QStringLiteral("DATAEXAME")},
        {QStringLiteral("Corporal"), QStringLiteral("DATAEXAME")},
        {QStringLiteral("Ergomatrico"), QStringLiteral("DATA")},
        {QStringLiteral("Exame"), QStringLiteral("DATA")},
        {QStringLiteral("FlexTeste"), QStringLiteral("DATAEXAME")},
        {QStringLiteral("Muscular"), QStringLiteral("DATAEXAME")},
        {QStringLiteral("Prescricao"), QStringLiteral("DATAEXAME")},
        {QStringLiteral("Recuperacao"), QStringLiteral("DATA")},
        {QStringLiteral("TesteAbdominal"), QStringLiteral("DATAEXAME")},
        {QStringLiteral("TesteFlexao"), QStringLiteral("DATAEXAME")},
        {QStringLiteral("TesteFlexibilidade"), QStringLiteral("DATAEXAME")},
    };
    return tables;
}

const QStringList& studentTables()
{
    static const QStringList tables = [] {
        const QString student = QStringLiteral("Alunos");
        QStringList names;
        for (const Table& table : ownTables())
            if (table.column(QStringLiteral("MATRICULA")) && table.name != student)
                names << table.name;
        return names << student;
    }();
    return tables;
}

QString identifier(const QString& name)
{
    return !name.isEmpty() && name.at(0).isDigit() ? QLatin1Char('"') + name + QLatin1Char('"')
                                                   : name;
}

QString indexName(const QString& table, const QString& column)
{
    return (table + QLatin1Char('_') + column).toLower();
}

} // namespace Schema
} // namespace kelvora
