#pragma once

// How to add a test screen:
//  1. Derive from TestScreen (a body-composition protocol from BodyCompositionScreen),
//     giving the screen's objectName, caption and result table to the constructor.
//  2. Create each input with measureField() or wholeNumberField(), which bind it to its
//     column; lay the fields out on body() and give their Enter order with
//     enterMovesAlong() (whenEntered() for a field with a rule of its own).
//  3. Override ageRule() when the test has one, prepareRow() for the starting values of a
//     new row, and holdsResult() to tell a row that already holds a result.
//  4. Implement compute(): read fieldTexts(), throw bodycomp::Refused at the first bad
//     input, put the results into the row with setValue() and show them (a
//     body-composition protocol has it done by its base: it only shows the result).
//  5. Let the hub open it with run(): add a protocol to the table of
//     gui/bodycomp/ProtocolScreens.cpp, or enable its tool-bar button.

#include "domain/bodycomp/Fields.h"
#include "domain/bodycomp/Protocol.h"
#include "gui/assessment/AssessmentContext.h"

#include <QDialog>
#include <QHash>
#include <QSqlRecord>
#include <QStyle>
#include <QVariant>

#include <functional>
#include <optional>

class QBoxLayout;
class QLineEdit;
class QPushButton;

namespace kelvora {

class Companion;
class MainWindow;

// What every test screen shares: it edits the one row of its result table for the
// hub's student and exam date, found or created when the screen opens, and on
// confirmation writes that row, the header row in `Avaliacao` with the user's code
// and, for a new assessment, the student's date of the last functional assessment,
// all in one transaction. Cancelling writes nothing.
class TestScreen : public QDialog {
    Q_OBJECT
public:
    // The opening steps: age rule, student table, result row, header row, reference
    // tables, find or create, recompute. False when one of them stopped the screen; the
    // reason was shown and nothing was written.
    bool start();
    // Opens the screen for the hub: start(), then modal until confirmed or cancelled.
    void run();

    // The buttons every test screen has.
    QPushButton* confirmButton() const { return m_confirm; }
    QPushButton* cancelButton() const { return m_cancel; }

protected:
    TestScreen(MainWindow& window, Companion& companion, const AssessmentContext& context,
               const char* objectName, const QString& caption, QString resultTable);

    const AssessmentContext& context() const { return m_context; }
    MainWindow& mainWindow() const { return m_window; }
    QString resultTable() const { return m_table; }
    bool isNewRow() const { return !m_stored.has_value(); }

    // The screen's own area above the command buttons.
    QWidget* body() const { return m_body; }
    // A command button of the screen (compute, a second page), before Confirm and Cancel.
    QPushButton* addCommand(const char* objectName, const QString& hint,
                            QStyle::StandardPixmap icon);

    // The result row and the header row as they will be written.
    QVariant value(const QString& column) const { return m_row.value(column.toUpper()); }
    // A value of the row as a field shows it: reals in their shortest form with the comma.
    QString valueText(const QString& column) const;
    void setValue(const QString& column, const QVariant& value);
    QVariant headerValue(const QString& column) const;
    void setHeaderValue(const QString& column, const QVariant& value);

    // A decimal measure bound to `column`.
    QLineEdit* measureField(const char* objectName, const QString& column);
    // A whole number of at most `maxLength` digits bound to `column`.
    QLineEdit* wholeNumberField(const char* objectName, const QString& column, int maxLength);
    // The field bound to `column`; nullptr when none is.
    QLineEdit* fieldOf(const QString& column) const;
    // Every column of the row as text, with what the fields hold now.
    bodycomp::FieldTexts fieldTexts();

    // Enter in `field`: an empty field is refused with "Dado INCORRETO !" / "Valor" and
    // keeps the focus; otherwise `action` runs.
    void whenEntered(QLineEdit* field, std::function<void()> action);
    // Enter in each field of `order` moves the focus to the next widget, by the rule above.
    void enterMovesAlong(const QList<QWidget*>& order);

    // Shows what stops a computation and puts the focus on the field at fault.
    void refuse(const bodycomp::Refused& refused);
    // Computes from what the fields hold and shows it; false when refused.
    bool calculate();

    virtual std::optional<bodycomp::AgeRule> ageRule() const { return std::nullopt; }
    // Opens the tables the computation reads. Throws OpenFailed naming the table.
    virtual void openReferenceTables() {}
    // Completes the row once it is read or created (a new one holds MATRICULA and the
    // date only): the test's starting values, what a stored row may lack.
    virtual void prepareRow() {}
    // Runs once the row is in the fields: enablement that depends on the row or student.
    virtual void rowShown() {}
    virtual bool holdsResult() const = 0;
    // Shows the result of a row that holds one, as the screen opens: by default computed
    // again from the stored measures.
    virtual void showHeldResult() { calculate(); }
    // Validates, computes, stores the results in the row and shows them. Throws Refused.
    virtual void compute() = 0;
    // Last changes to the row and the header row before they are written.
    virtual void completeRows() {}

private:
    struct Binding {
        QLineEdit* field;
        QString column;
    };

    bool admitsAge() const;
    bool readRows();
    void showRow();
    void takeFields();
    void confirm();
    void writeRows();
    QLineEdit* bind(QLineEdit* field, const char* objectName, const QString& column);

    MainWindow& m_window;
    Companion& m_companion;
    const AssessmentContext& m_context;
    QString m_table;
    QString m_dateColumn;

    QWidget* m_body;
    QBoxLayout* m_commands;
    QPushButton* m_confirm;
    QPushButton* m_cancel;
    QVector<Binding> m_bindings;

    std::optional<QSqlRecord> m_stored;       // the result row as read, when it existed
    std::optional<QSqlRecord> m_storedHeader; // the header row as read, when it existed
    QHash<QString, QVariant> m_row;           // by upper-case column name
    QHash<QString, QVariant> m_header;
    bool m_computed = false; // the shown results were computed from the fields
};

} // namespace kelvora
