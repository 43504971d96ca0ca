#include "support/ScriptedFileDialogs.h"

#include <QPrinter>

namespace kelvora::test {

ScriptedFileDialogs::ScriptedFileDialogs() {
    FileDialogs::setPresenter(this);
}

ScriptedFileDialogs::~ScriptedFileDialogs() {
    FileDialogs::setPresenter(nullptr);
}

QString ScriptedFileDialogs::saveFileName(QWidget*, const QString& caption, const QString& proposed,
                                          const QString& filter) {
    m_asked.append({caption, proposed, filter});
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

QString ScriptedFileDialogs::openFileName(QWidget*, const QString& caption, const QString& folder,
                                          const QString& filter) {
    m_asked.append({caption, folder, filter});
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

QString ScriptedFileDialogs::existingFolder(QWidget*, const QString& caption, const QString& folder) {
    m_asked.append({caption, folder, {}});
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

bool ScriptedFileDialogs::choosePrinter(QWidget*, QPrinter& printer) {
    ++m_printDialogs;
    const QString fileName = m_printers.isEmpty() ? QString() : m_printers.dequeue();
    if (fileName.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return true;
}

} // namespace kelvora::test
