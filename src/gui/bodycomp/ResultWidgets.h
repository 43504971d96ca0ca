#pragma once

#include <QGroupBox>
#include <QString>
#include <QVector>

#include <functional>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace kelvora {

// A row of a measure group: caption, field and unit.
void addMeasure(QGridLayout* grid, const QString& caption, QLineEdit* field, const QString& unit);

// A framed label that shows one computed value.
QLabel* resultLabel(const char* objectName);

// The sunken panel that shows the class or level a result falls in.
QLabel* resultPanel(const char* objectName);

// " Percentual de ": what a fat protocol computed, each value read from its column of
// the row, and the ideal fat percentage the user may change. A protocol shows only the
// values it has: no range or level without a level table, no ideal weight for children.
class FatResultGroup : public QGroupBox {
    Q_OBJECT
public:
    // The objectName of each display and the column it shows; a null name leaves the
    // display out.
    struct Display {
        const char* objectName;
        QString column;
    };
    struct Displays {
        Display fat;         // "Gordura Atual", with " %"
        Display range;       // "Gordura Média", the level's range text
        Display fatMass;     // "Peso Gordo", with " kg"
        Display leanMass;    // "Peso Magro"
        Display idealWeight; // "Peso Ideal"
        Display level;       // the panel under "Resultado Gordura Média"
    };

    // `idealFat` is the protocol's ideal fat field, or nullptr when it has none.
    FatResultGroup(QWidget* parent, const Displays& displays, QLineEdit* idealFat);

    // Fills the displays with the row's values as `textOf` gives them for a column (the
    // shortest decimal form); numbers get their unit.
    void showRow(const std::function<QString(const QString& column)>& textOf);
    // "0 %" and "0 kg" until a computation fills them.
    void showZeros();
    QLabel* levelCaption() const { return m_levelCaption; }

private:
    struct Shown {
        QLabel* label;
        QString column;
        QString unit; // empty for texts
    };
    void addRow(QGridLayout* grid, const char* caption, QWidget* shown);

    QVector<Shown> m_shown;
    QLabel* m_levelCaption = nullptr;
};

} // namespace kelvora
