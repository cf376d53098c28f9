#pragma once

#include "core/print/LRElement.h"

#include <QPageSize>

#include <functional>

class QPainter;

namespace tessell {

class PrintTarget;

// The page: a sheet of a paper size with margins, holding layout and grid
// panels. The same drawing serves the printer and the preview: the page is laid
// out in page units (1/96 inch) and drawn at a scale.
class LightRep : public LRElement {
public:
    // The product's rsIdle, rsPrinting, rsPreviewing.
    enum class State { Idle, Printing, Previewing };

    LightRep();
    ~LightRep() override;

    PaperSize paperSize() const { return m_paperSize; }
    void setPaperSize(PaperSize size);
    Orientation orientation() const { return m_orientation; }
    void setOrientation(Orientation orientation);
    // Portrait width x height in page units (PaperSize::None: an empty size).
    static QSize paperUnits(PaperSize size);
    static QPageSize pageSize(PaperSize size);

    int marginTop() const { return m_margins[0]; }
    int marginLeft() const { return m_margins[1]; }
    int marginRight() const { return m_margins[2]; }
    int marginBottom() const { return m_margins[3]; }
    // A margin is taken only when it is greater than 0 and less than half the
    // page's width; other values are ignored.
    void setMarginTop(int margin) { setMargin(0, margin); }
    void setMarginLeft(int margin) { setMargin(1, margin); }
    void setMarginRight(int margin) { setMargin(2, margin); }
    void setMarginBottom(int margin) { setMargin(3, margin); }

    // The print job's name.
    const QString &title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    // Asked to set up the printer when the paper size is PaperSize::None.
    void setOnSetPrinter(std::function<void(LightRep &)> handler) { m_onSetPrinter = std::move(handler); }

    // The printer the report prints on (not owned).
    PrintTarget *printer() const { return m_printer; }
    void setPrinter(PrintTarget *printer) { m_printer = printer; }

    State state() const { return m_state; }
    void beginDoc();
    void printPage();
    void newPage();
    void endDoc();
    // Drops the open job (a page that failed half-way); state idle.
    void abortDoc();
    void beginPreview();
    // The page at one page unit per pixel, on white.
    void previewPage(QPainter &surface);
    // The page drawn at full size off screen, then reduced to percent (25..100) at (x, y).
    void previewPageScaled(QPainter &surface, int x, int y, int percent);
    void endPreview();
    void applyPaperSettings();

    // The one drawing entry: every panel at scale, its page units counted from
    // the page's corner less shift.
    void drawPage(QPainter &painter, double scale, const QPoint &shift = QPoint());

protected:
    void checkPlacement(const LRElement &container) const override;
    QRect dockArea() const override;
    bool acceptsSize(const QSize &size) const override;

private:
    void setMargin(int index, int margin);
    void fitPaper();

    PaperSize m_paperSize = PaperSize::A4;
    Orientation m_orientation = Orientation::Portrait;
    int m_margins[4] = {36, 36, 36, 36};
    QString m_title;
    std::function<void(LightRep &)> m_onSetPrinter;
    PrintTarget *m_printer = nullptr;
    PrintTarget *m_job = nullptr;
    State m_state = State::Idle;
};

// The previewing state for a scope: begun when made (throws while a job
// prints), ended however the drawing in between ends.
class PreviewScope {
public:
    explicit PreviewScope(LightRep &report) : m_report(report) { report.beginPreview(); }
    ~PreviewScope() { m_report.endPreview(); }
    PreviewScope(const PreviewScope &) = delete;
    PreviewScope &operator=(const PreviewScope &) = delete;

private:
    LightRep &m_report;
};

} // namespace tessell
