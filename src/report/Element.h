#pragma once

#include "report/DataTable.h"

#include <QRectF>

class QPainter;

namespace kelvora::report {

// Something printed in a band: a text, a picture, a rule, a chart. Its frame is in
// millimetres from the band's top-left corner.
class Element {
public:
    explicit Element(const QRectF& frame)
        : m_frame(frame)
    {
    }
    virtual ~Element() = default;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    QRectF frame() const { return m_frame; }
    void setFrame(const QRectF& frame) { m_frame = frame; }

    // A hidden element prints nothing and takes no room.
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    // The height in millimetres the element takes when printed in `context`: its
    // frame's, or more for content that grows downwards.
    virtual double height(const PrintContext&) const { return m_frame.height(); }

    // Where the element may be cut when its band goes on over a page break: the
    // largest height from its top, at most `height`, that cuts no line in two. By
    // default an element is kept whole: 0 moves all of it below the break.
    virtual double breakBefore(double height, const PrintContext&) const
    {
        (void)height;
        return 0;
    }

    // Paints into `area`, in dots (see Units.h): the frame, grown to height().
    virtual void paint(QPainter& painter, const QRectF& area,
                       const PrintContext& context) const = 0;

private:
    QRectF m_frame;
    bool m_visible = true;
};

} // namespace kelvora::report
