#include "gui/widgets/FileDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace kelvora {

namespace {

class QtDialogs : public FileDialogPresenter {
public:
    QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
    }
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, folder, filter);
    }
    QString existingFolder(QWidget* parent, const QString& caption, const QString& folder) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, folder);
    }
    bool choosePrinter(QWidget* parent, QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

FileDialogPresenter*& installed()
{
    static FileDialogPresenter* presenter = nullptr;
    return presenter;
}

FileDialogPresenter& presenter()
{
    static QtDialogs dialogs;
    return installed() ? *installed() : dialogs;
}

} // namespace

QString FileDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                  const QString& filter)
{
    return presenter().saveFileName(parent, caption, proposed, filter);
}

QString FileDialogs::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                  const QString& filter)
{
    return presenter().openFileName(parent, caption, folder, filter);
}

QString FileDialogs::existingFolder(QWidget* parent, const QString& caption, const QString& folder)
{
    return presenter().existingFolder(parent, caption, folder);
}

bool FileDialogs::choosePrinter(QWidget* parent, QPrinter& printer)
{
    return presenter().choosePrinter(parent, printer);
}

void FileDialogs::setPresenter(FileDialogPresenter* presenter)
{
    installed() = presenter;
}

} // namespace kelvora
