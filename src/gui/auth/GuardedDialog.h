#pragma once

#include <QDialog>

namespace kelvora {

// A dialog without a close box that Esc or the window manager cannot close: it
// ends only through finish(), when its own rule says the work is done.
class GuardedDialog : public QDialog {
    Q_OBJECT
public:
    explicit GuardedDialog(QWidget* parent = nullptr);

public slots:
    void reject() override;

protected:
    void finish(int result);
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_finishing = false;
};

} // namespace kelvora
