#pragma once

#include "gui/widgets/FrameSource.h"

#include <QPointer>

namespace kelvora::test {

// Stands in for the camera while it lives: each capture dialog gets a source that
// has a camera or not, as set, and the test feeds it frames.
class ScriptedCamera {
public:
    explicit ScriptedCamera(bool present = true);
    ~ScriptedCamera();

    // Delivers `frame` as the camera's next one to the source last made.
    void feed(const QImage& frame);
    int started() const { return m_started; }

private:
    class Source;
    bool m_present;
    int m_started = 0;
    QPointer<FrameSource> m_source;
};

} // namespace kelvora::test
