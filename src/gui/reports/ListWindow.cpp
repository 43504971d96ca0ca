#include "gui/reports/ListWindow.h"

#include "data/DataError.h"
#include "domain/MessageTexts.h"
#include "gui/reports/ReportPreview.h"
#include "gui/widgets/CommandButton.h"
#include "gui/widgets/Messages.h"
#include "report/Report.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvora {

ListWindow::ListWindow(MainWindow& window, const char* name, const QString& caption)
    : m_window(window)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);
    auto* content = new QWidget(this);
    m_choices = new QVBoxLayout;
    m_video = commandButton(content, "BBNVIDEO", QStringLiteral("Vídeo"),
                            QStyle::SP_FileDialogContentsView);
    m_print = commandButton(content, "BBNIMPRIME", QStringLiteral("Imprime"),
                            QStyle::SP_DialogSaveButton);
    QPushButton* leave =
        commandButton(content, "BBNRETORNA", QStringLiteral("Sair"), QStyle::SP_DialogCloseButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {m_video, m_print, leave}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(m_choices);
    layout->addLayout(buttons);
    setWidget(content);

    connect(m_video, &QPushButton::clicked, this, [this] { output(true); });
    connect(m_print, &QPushButton::clicked, this, [this] { output(false); });
    connect(leave, &QPushButton::clicked, this, &QWidget::close);
}

void ListWindow::keyPressEvent(QKeyEvent* event)
{
    // Esc anywhere in the window, as "Sair".
    if (event->key() == Qt::Key_Escape)
        close();
    else
        ChildWindow::keyPressEvent(event);
}

ListWindow::Made ListWindow::nothingFound()
{
    return {nullptr, Msg::NenhumResultado, {}};
}

void ListWindow::output(bool preview)
{
    m_video->setEnabled(false);
    m_print->setEnabled(false);
    try {
        Made made;
        {
            // The cursor comes back before any message, also when the reading fails.
            QApplication::setOverrideCursor(Qt::WaitCursor);
            struct RestoreCursor {
                ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
            } restore;
            made = document();
        }
        if (!made.list)
            Messages::inform(made.refusal, made.detail);
        else if (preview)
            ReportPreview(made.list, this).exec();
        else
            // The lists are printed upright on A4, the sheet of a page as it comes.
            ReportPreview::printOnChosenPrinter(this, *made.list, report::Page().layout());
    } catch (const DataError& error) {
        Messages::showDataError(error);
    }
    m_video->setEnabled(true);
    m_print->setEnabled(true);
    m_video->setFocus();
}

} // namespace kelvora
