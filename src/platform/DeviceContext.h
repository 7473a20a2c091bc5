#pragma once

class QPainter;

namespace quenby {

// Drawing target of the element painters: a QPainter on a window surface, an image
// or a printer, and whether it draws for a printer or preview.
class DeviceContext {
public:
    explicit DeviceContext(QPainter& painter, bool printing = false)
        : painter_(painter), printing_(printing) {}

    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    QPainter& Painter() { return painter_; }
    bool IsPrinting() const { return printing_; }

private:
    QPainter& painter_;
    bool printing_;
};

}  // namespace quenby
