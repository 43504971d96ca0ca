#pragma once

#include <QFrame>

class QLineEdit;
class QPushButton;

namespace kelvora {

// The search group of the screens that choose a student: a field, two mode panels
// ("Matrícula" and "Nome", the active one green) and "Cancela". It only takes the
// typing; the screen positions on what is typed and acts on Enter.
class SearchPanel : public QFrame {
    Q_OBJECT
public:
    enum class Mode { Number, Name };

    explicit SearchPanel(QWidget* parent = nullptr);

    // Shows the panel in name mode with an empty field, ready for typing.
    void start();
    void setMode(Mode mode);
    Mode mode() const { return m_mode; }
    QString text() const;
    void setText(const QString& text);
    QLineEdit* field() const { return m_field; }

signals:
    void modeChanged(Mode mode);
    void textChanged(const QString& text);
    void entered(const QString& text);
    void cancelled();

private:
    void paintModes();

    Mode m_mode = Mode::Name;
    QLineEdit* m_field;
    QPushButton* m_number;
    QPushButton* m_name;
};

} // namespace kelvora
