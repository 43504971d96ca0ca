#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace kelvora {

// Shows the file and printer dialogs; replaced by a scripted one in tests.
class FileDialogPresenter {
public:
    virtual ~FileDialogPresenter() = default;
    // The chosen file name, or an empty text when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                 const QString& filter) = 0;
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    // The chosen folder, or an empty text when the user cancelled.
    virtual QString existingFolder(QWidget* parent, const QString& caption,
                                   const QString& folder) = 0;
    // Lets the user choose and set up `printer`; false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The program's file-open, file-save and print dialogs.
class FileDialogs {
public:
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                const QString& filter);
    static QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                const QString& filter);
    static QString existingFolder(QWidget* parent, const QString& caption, const QString& folder);
    static bool choosePrinter(QWidget* parent, QPrinter& printer);

    // Installs another presenter (tests); nullptr restores the real dialogs.
    static void setPresenter(FileDialogPresenter* presenter);
};

} // namespace kelvora
