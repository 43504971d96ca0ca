#include "gui/widgets/Messages.h"

#include "data/DataError.h"

#include <QApplication>
#include <QMessageBox>

namespace kelvora {

namespace {

class MessageBoxPresenter : public MessagePresenter {
public:
    int present(const QString& text, const QString& detail, bool question) override
    {
        // No owner window, and modal for the whole application.
        QMessageBox box(question ? QMessageBox::Question : QMessageBox::Information,
                        Messages::Caption, Messages::compose(text, detail),
                        question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        const int button = box.exec();
        if (!question)
            return Messages::Ok;
        return button == QMessageBox::Yes ? Messages::Yes : Messages::No;
    }
};

MessagePresenter*& installed()
{
    static MessagePresenter* presenter = nullptr;
    return presenter;
}

} // namespace

QString Messages::compose(const QString& text, const QString& detail)
{
    return detail.isEmpty() ? text : text + QStringLiteral("\n\r") + detail;
}

int Messages::show(const QString& kind, const QString& text, const QString& detail)
{
    QApplication::beep();
    static MessageBoxPresenter boxes;
    MessagePresenter* presenter = installed() ? installed() : &boxes;
    return presenter->present(text, detail, kind != QLatin1String("!"));
}

void Messages::showDataError(const DataError& error)
{
    inform(error.messageText(), error.table());
}

void Messages::setPresenter(MessagePresenter* presenter)
{
    installed() = presenter;
}

} // namespace kelvora
