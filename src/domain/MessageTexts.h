#pragma once

#include <QString>

// The message texts that several screens share, exactly as the users know them
// (accents, blanks and the trailing carriage returns included). Texts used by one
// feature only live with that feature.
namespace kelvora::Msg {

inline const QString RegistroJaAlocado = QStringLiteral("Registro já alocado");
inline const QString FecheJanelasSistema =
    QStringLiteral("Feche a(s) janelas abertas no SISTEMA !");
inline const QString FormulariosFechados =
    QStringLiteral("Tem certeza que os formulários forão fechados ?");
inline const QString UsuarioSemAcesso = QStringLiteral("Usuário sem acesso !");
inline const QString FavorAbrirCaixa = QStringLiteral("Favor abrir o CAIXA !");
inline const QString AssistenciaTecnica =
    QStringLiteral("Entre em contato com Assistencia Técnica !\r");
inline const QString CodigoNaoCadastrado = QStringLiteral("Código não cadastrado !");
inline const QString SenhaNaoConfere = QStringLiteral("Senha não confere !");
inline const QString TabelaVazia = QStringLiteral("Tabela vazia !");
inline const QString CodigoIncorreto = QStringLiteral("Código INCORRETO !");
inline const QString DadoIncorreto = QStringLiteral("Dado INCORRETO !");
inline const QString CodigoJaCadastrado = QStringLiteral("Código já Cadastrado !");
inline const QString MatriculaNaoCadastrada = QStringLiteral("Matrícula não Cadastrada");
inline const QString IntervaloInvalido = QStringLiteral("Intervalo Inválido !");
inline const QString MatriculaIncorreta = QStringLiteral("Matrícula INCORRETA !");
inline const QString NenhumResultado = QStringLiteral("Nenhum resultado encontrado !");
inline const QString DadoNaoPodeSerAlterado = QStringLiteral("Dado não pode ser alterado !");
inline const QString FimDeProcesso = QStringLiteral("Fim de Processo !");
inline const QString FecheTodasJanelas =
    QStringLiteral("Feche todas as janelas abertas antes de usar esta opção !");
inline const QString MesesReavaliacaoZero =
    QStringLiteral("Nºde meses Reavaliação não pode ser (0) zero !");
inline const QString ValorMaximo = QStringLiteral("Valor máximo ");
inline const QString SemCicloErgometrico =
    QStringLiteral("Não há preenchimento do CICLO ERGOMETRICO ou valor igual a ZERO!");
inline const QString SelecioneItem = QStringLiteral("Selecione um ítem!");
inline const QString AtingiuLimite = QStringLiteral("Atingiu o limite Máximo");
inline const QString DataJaCadastrada = QStringLiteral("Data já cadastrada!");
inline const QString EscolhaAluno = QStringLiteral("Escolha um aluno!");
inline const QString ContinuarExclusao = QStringLiteral("Deseja continuar processo de EXCLUSÃO?");
inline const QString VisualizarOuImprimir =
    QStringLiteral("Deseja visualizar ou imprimir Avaliação?");
inline const QString IdadeNaoConsiderada =
    QStringLiteral("Idade não considerada para este protocolo!");
inline const QString FaixaIdadeInvalida = QStringLiteral("Faixa de Idade Inválida!");
inline const QString IdadeConsiderada = QStringLiteral("Idade Considerada!");
inline const QString AlunoSobConsulta = QStringLiteral("Aluno SOB CONSULTA!");
inline const QString NaoPodeSerTestado = QStringLiteral("Não pode ser testado!");
inline const QString CliqueBotaoDireito =
    QStringLiteral("Clique com o botão direito do mouse sobre o Formulário");
inline const QString AberturaDeTabela = QStringLiteral("Abertura de tabela !");
inline const QString GravandoNaTabela = QStringLiteral("Gravando na tabela !");
inline const QString BrandelInativo =
    QStringLiteral("Brandel não está Ativo ou \r(Problema na Rede ou não está Ativa) !\r");
inline const QString CorvunInativo =
    QStringLiteral("Corvun não está Ativo ou \r(Problema na Rede ou não está Ativa) !\r");
inline const QString EmailEnviado = QStringLiteral("E-mail enviado com sucesso !");
inline const QString EmailProblemaConfiguracao =
    QStringLiteral("Problema ao enviar e-mail ! \r Verifique configuração do seu Provedor.");
inline const QString EmailProblemaProvedor =
    QStringLiteral("Problema ao enviar e-mail ! \r Verifique seu Provedor.");
inline const QString BackupRealizado = QStringLiteral("Backup realizado com sucesso !");
inline const QString RestoreRealizado = QStringLiteral("Restore realizado com sucesso !");
inline const QString ErroBackup = QStringLiteral("Erro ao fazer o Backup !");
inline const QString ErroRestore = QStringLiteral("Erro ao fazer o Restore !");
inline const QString ConfirmaEnvioEmail = QStringLiteral("Confirma envio do e-mail ?");
inline const QString ProximoLimiteBanco = QStringLiteral("Próximo do Limite Banco de Dados\r");
inline const QString ExcedeuLimiteBanco = QStringLiteral("Excedeu do Limite Banco de Dados\r");

// The data folder, its databases or its backups may be read by other users of the machine.
inline const QString PastaDeDadosAberta = QStringLiteral(
    "Outros usuários deste computador podem ler a pasta de dados, com os dados de saúde dos "
    "alunos. Restringir o acesso à pasta e aos seus arquivos somente ao seu usuário ?");
inline const QString PastaDeDadosNaoProtegida =
    QStringLiteral("O acesso à pasta de dados não pôde ser restrito ao seu usuário !");

// The dossier of a student: everything the program holds about them.
inline const QString DossieGravado = QStringLiteral("Dossiê do aluno gravado !");
inline const QString DossieNaoGravado = QStringLiteral("Dossiê do aluno não gravado !");

// The erasure of a student in the register: two questions, the second naming the consequence.
inline const QString ExcluirTodosOsDados = QStringLiteral("Excluir TODOS os dados do aluno ?");
inline const QString ExclusaoDefinitiva = QStringLiteral(
    "O cadastro, a foto e todas as avaliações do aluno serão apagados definitivamente e não "
    "poderão ser recuperados pelo programa. Os backups já gravados guardam os dados até serem "
    "removidos. Confirma a exclusão ?");
inline const QString DadosDoAlunoExcluidos = QStringLiteral("Dados do aluno excluídos !");

// Detail of the database message shown when a connection cannot be opened or is lost.
inline const QString ProblemaNoBanco = QStringLiteral(
    "Problema no Banco de Dados ou não está Ativo !\n\rProblema na Rede ou não está Ativa !");

} // namespace kelvora::Msg
