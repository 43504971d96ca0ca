#include "gui/widgets/BackgroundWork.h"

#include <QThread>

namespace kelvora {

void runInBackground(QObject* context, std::function<void()> work, std::function<void()> done)
{
    QThread* thread = QThread::create(std::move(work));
    // `finished` comes from the worker thread: queued to the context's thread.
    QObject::connect(thread, &QThread::finished, context, std::move(done));
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

} // namespace kelvora
