#pragma once

#include <QGroupBox>
#include <QStringList>
#include <QVector>

class QRadioButton;

namespace kelvora {

// " Definição de Protocolo ": one choice per body-composition protocol. Choosing one
// asks for its screen; the choice is taken back once the screen has closed.
class ProtocolChooser : public QGroupBox {
    Q_OBJECT
public:
    explicit ProtocolChooser(QWidget* parent = nullptr);

    // Enables the protocols whose settings columns are in `offered`; the others are
    // disabled.
    void offer(const QStringList& offered);
    void disableAll();
    // Takes the choice back.
    void unchoose();

signals:
    void chosen(const QString& protocol); // the choice's objectName

private:
    struct Choice {
        QRadioButton* button;
        QString column;
    };
    QVector<Choice> m_choices;
};

} // namespace kelvora
