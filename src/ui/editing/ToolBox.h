#pragma once

#include "ui/editing/Tool.h"
#include "ui/editing/ToolKind.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QToolButton;
class QButtonGroup;
class QMenu;

namespace tessell {

class Tool;

// The tool box bar's contents: seven toggle buttons, one down at a time, and
// the pen width button. It holds one Tool per kind.
class ToolBox : public QWidget {
    Q_OBJECT
public:
    explicit ToolBox(QWidget *parent = nullptr);

    void registerTool(ToolKind kind, Tool *tool);
    Tool *tool(ToolKind kind) const { return m_tools[int(kind)]; }
    ToolKind currentKind() const { return m_current; }
    // Puts the kind's button down; switching itself is the main window's.
    void setCurrent(ToolKind kind);

    QToolButton *button(ToolKind kind) const { return m_buttons[int(kind)]; }
    QToolButton *widthButton() const { return m_widthButton; }

    // 1..5.
    int penWidth() const { return m_width; }
    void setPenWidth(int width);
    void stepPenWidth();
    // Whether the kind's width button is enabled while it is active.
    bool usesWidth(ToolKind kind) const;

    static QString hint(ToolKind kind);

signals:
    // A tool button was clicked (also when it was already down).
    void toolChosen(tessell::ToolKind kind);

private:
    std::array<QToolButton *, ToolKindCount> m_buttons{};
    std::array<QPointer<Tool>, ToolKindCount> m_tools{};
    QButtonGroup *m_group;
    QToolButton *m_widthButton;
    QMenu *m_widthMenu;
    ToolKind m_current = ToolKind::Pen;
    int m_width = 1;
};

} // namespace tessell
