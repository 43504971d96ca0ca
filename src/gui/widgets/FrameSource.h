#pragma once

#include <QImage>
#include <QObject>

#include <functional>
#include <memory>

namespace kelvora {

// The live picture of a camera, frame by frame; replaced by a scripted one in tests.
class FrameSource : public QObject {
    Q_OBJECT
public:
    // Starts the frames of the first video-input device; false when there is none.
    virtual bool start() = 0;

signals:
    // Each new frame, delivered on the user-interface thread.
    void frameReady(const QImage& frame);
};

class FrameSources {
public:
    using Factory = std::function<std::unique_ptr<FrameSource>()>;

    // The camera of the computer, or what a test installed.
    static std::unique_ptr<FrameSource> create();
    // Installs another factory (tests); an empty one restores the camera.
    static void setFactory(Factory factory);
};

} // namespace kelvora
