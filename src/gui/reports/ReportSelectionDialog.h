#pragma once

#include "data/AssessmentRecord.h"

#include <QDate>
#include <QDialog>
#include <QList>

#include <optional>

class QPushButton;
class QTableWidget;

namespace kelvora {

class Companion;
class Connection;
class PageBoxGroup;

// "Escolha da Avaliação": one of the student's assessments is chosen on the grid, the
// pages of its report are ticked, and the report goes to the preview ("Vídeo") or the
// printer ("Impressora"). After a rendering another date may be chosen, and the
// report (stored as a PDF file from the preview) may be sent by "E-mail".
class ReportSelectionDialog : public QDialog {
    Q_OBJECT
public:
    // Opens the dialog modally for the student `registration`; `mayChangeAssessments`
    // (the user's right) lets the introduction be printed and edited. Tells "Abertura
    // de tabela !" and opens nothing when the student's assessments cannot be read.
    static void run(Connection& own, const Companion& companion, const QString& registration,
                    bool mayChangeAssessments, QWidget* parent);

    ReportSelectionDialog(Connection& own, const Companion& companion, QString registration,
                          const QList<QDate>& examDates, bool mayChangeAssessments,
                          QWidget* parent = nullptr);
    ~ReportSelectionDialog() override;

private:
    enum class Output { Preview, Printer };

    QWidget* dateGrid();
    void choose(int row);
    bool read(const QDate& examDate);
    void tickAllOrNone();
    void render(Output output);
    void editIntroduction();
    void sendMail();
    // The assessment chosen (pages, "Todos" and the rendering buttons enabled) or
    // waiting for a date (only the grid).
    void setChosen(bool chosen);
    void setAllButtonHint(const QString& hint);

    Connection& m_own;
    const Companion& m_companion;
    const QString m_registration;
    const bool m_mayChangeAssessments;
    const QList<QDate> m_examDates;
    std::optional<AssessmentRecord> m_record; // of the chosen assessment, until it is rendered
    QString m_studentEmail;

    QTableWidget* m_dates;
    PageBoxGroup* m_pages;
    QPushButton* m_all;
    QPushButton* m_preview;
    QPushButton* m_print;
    QPushButton* m_mail;
};

} // namespace kelvora
