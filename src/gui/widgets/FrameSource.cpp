#include "gui/widgets/FrameSource.h"

#include <QCamera>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>

namespace kelvora {

namespace {

// The first video-input device the system lists, through Qt Multimedia. The sink
// hands its frames over on the media thread; the queued connection brings them to
// the user-interface thread.
class CameraFrameSource : public FrameSource {
public:
    bool start() override
    {
        const QList<QCameraDevice> devices = QMediaDevices::videoInputs();
        if (devices.isEmpty())
            return false;
        m_camera = std::make_unique<QCamera>(devices.first());
        m_session.setCamera(m_camera.get());
        m_session.setVideoSink(&m_sink);
        connect(
            &m_sink, &QVideoSink::videoFrameChanged, this,
            [this](const QVideoFrame& frame) {
                const QImage image = frame.toImage();
                if (!image.isNull())
                    emit frameReady(image);
            },
            Qt::QueuedConnection);
        m_camera->start();
        return m_camera->error() == QCamera::NoError;
    }

private:
    std::unique_ptr<QCamera> m_camera;
    QMediaCaptureSession m_session;
    QVideoSink m_sink;
};

FrameSources::Factory& installed()
{
    static FrameSources::Factory factory;
    return factory;
}

} // namespace

std::unique_ptr<FrameSource> FrameSources::create()
{
    if (installed())
        return installed()();
    return std::make_unique<CameraFrameSource>();
}

void FrameSources::setFactory(Factory factory)
{
    installed() = std::move(factory);
}

} // namespace kelvora
