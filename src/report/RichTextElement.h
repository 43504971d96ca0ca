#pragma once

#include "report/Element.h"
#include "report/TextElement.h"

#include <QFont>

#include <memory>

class QTextDocument;

namespace kelvora::report {

// Formatted text (HTML, or plain text kept line by line) laid out by QTextDocument.
// It grows downwards with its content unless it is given a fixed height.
class RichTextElement : public Element {
public:
    RichTextElement(const QRectF& frame, TextSource source);

    RichTextElement& setFont(const QFont& font); // for text that names no font of its own
    RichTextElement& setGrowsDown(bool grows);

    double height(const PrintContext& context) const override;
    double breakBefore(double height, const PrintContext& context) const override;
    void paint(QPainter& painter, const QRectF& area, const PrintContext& context) const override;

private:
    std::unique_ptr<QTextDocument> document(const PrintContext& context) const;

    TextSource m_source;
    QFont m_font;
    bool m_growsDown = true;
};

} // namespace kelvora::report
