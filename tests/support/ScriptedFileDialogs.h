#pragma once

#include "gui/widgets/FileDialogs.h"

#include <QQueue>
#include <QVector>

namespace kelvora::test {

// Stands in for the file and print dialogs while it lives: records every dialog
// asked for and answers from a script (cancel when the script has run out).
class ScriptedFileDialogs : public FileDialogPresenter {
public:
    struct Asked {
        QString caption;
        QString proposed; // the file or folder the dialog would open on
        QString filter;
    };

    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;

    // The next file (or folder) chosen in a file dialog; an empty name cancels it.
    void answerFile(const QString& fileName) { m_files.enqueue(fileName); }
    // The next print dialog prints into this PDF file; an empty name cancels it.
    void answerPrinterPdf(const QString& fileName) { m_printers.enqueue(fileName); }

    const QVector<Asked>& asked() const { return m_asked; }
    int printDialogs() const { return m_printDialogs; }

    QString saveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString existingFolder(QWidget* parent, const QString& caption, const QString& folder) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;

private:
    QQueue<QString> m_files;
    QQueue<QString> m_printers;
    QVector<Asked> m_asked;
    int m_printDialogs = 0;
};

} // namespace kelvora::test
