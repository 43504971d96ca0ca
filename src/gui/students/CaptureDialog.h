#pragma once

#include <QByteArray>
#include <QDialog>
#include <QImage>

#include <memory>

class QLabel;

namespace kelvora {

class FrameSource;

// "Captura Foto": the live picture of the camera; "Confirma" keeps the frame shown as
// a JPEG picture, "Retorna" keeps nothing. Mode 0 takes a student's photo, modes 1 to
// 8 the postural examination's views.
class CaptureDialog : public QDialog {
    Q_OBJECT
public:
    explicit CaptureDialog(int mode, QWidget* parent = nullptr);
    ~CaptureDialog() override;

    int mode() const { return m_mode; }
    // The confirmed frame as JPEG bytes; empty when nothing was taken.
    QByteArray picture() const { return m_picture; }

private:
    void showFrame(const QImage& frame);
    void confirm();

    int m_mode;
    std::unique_ptr<FrameSource> m_source;
    QLabel* m_preview;
    QImage m_still;
    QByteArray m_picture;
};

} // namespace kelvora
