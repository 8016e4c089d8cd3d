#pragma once
// For tests of the windows that print: the window context printing into a PDF file, showing a
// window the test owns, and how much of a picture is ink.

#include <QImage>
#include <QTemporaryDir>

#include "reports/qt_printer_backend.h"
#include "support/window_context.h"

namespace bw::test {

// The context of a window under test; while it lives, the printer is the PDF file `pdf` in a
// folder of its own.
struct PrintContext : WindowContext {
    PrintContext() { SetPrintToPdfFile(pdf); }
    ~PrintContext() { SetPrintToPdfFile(QString()); }
    QTemporaryDir dir;
    QString pdf = dir.filePath("out.pdf");
};

// Hands `window` to `owner` (the window no longer deletes itself on closing), shows it and waits
// until it is on the screen.
template <class W>
W& ShowOwned(std::unique_ptr<W>& owner, W* window) {
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    owner.reset(window);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    return *window;
}

// The share of pixels of an image that are not (nearly) white.
inline double InkShare(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 ink = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) ink += qGray(rgb.pixel(x, y)) < 230;
    return double(ink) / (double(rgb.width()) * rgb.height());
}

}  // namespace bw::test
