#include "support/ScriptedCamera.h"

namespace kelvora::test {

class ScriptedCamera::Source : public FrameSource {
public:
    Source(bool present, int& started)
        : m_present(present)
        , m_started(started)
    {
    }
    bool start() override
    {
        ++m_started;
        return m_present;
    }
    void deliver(const QImage& frame) { emit frameReady(frame); }

private:
    bool m_present;
    int& m_started;
};

ScriptedCamera::ScriptedCamera(bool present)
    : m_present(present)
{
    FrameSources::setFactory([this] {
        auto source = std::make_unique<Source>(m_present, m_started);
        m_source = source.get();
        return source;
    });
}

ScriptedCamera::~ScriptedCamera()
{
    FrameSources::setFactory({});
}

void ScriptedCamera::feed(const QImage& frame)
{
    if (m_source)
        static_cast<Source*>(m_source.data())->deliver(frame);
}

} // namespace kelvora::test
