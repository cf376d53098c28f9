#include "ui/editing/EditFinisher.h"

#include "core/document/History.h"
#include "core/document/Recovery.h"
#include "ui/common/CommandRunner.h"

namespace tessell {

namespace {
// Holds the tiles for the length of a scope, also when the change throws.
class TileHold {
public:
    explicit TileHold(EditFinisher::Displays &displays) : m_displays(displays) { m_displays.holdTiles(); }
    ~TileHold() { m_displays.releaseTiles(); }
    TileHold(const TileHold &) = delete;
    TileHold &operator=(const TileHold &) = delete;

private:
    EditFinisher::Displays &m_displays;
};
} // namespace

EditFinisher::EditFinisher(Design &design, History &history, CommandRunner &runner, Displays &displays,
                           QWidget *window)
    : m_design(design), m_history(history), m_runner(runner), m_displays(displays), m_window(window)
{
}

void EditFinisher::edit(const QString &name, EditOrder order, const std::function<void()> &change)
{
    const TileHold hold(m_displays);
    if (change)
        change();
    switch (order) {
    case EditOrder::RecordThenCount:
        makeLog(name);
        m_displays.reCount();
        break;
    case EditOrder::RedrawThenRecord:
        m_displays.refreshPicture();
        makeLog(name);
        break;
    case EditOrder::RecordThenRedraw:
        makeLog(name);
        m_displays.refreshPicture();
        break;
    }
}

bool EditFinisher::restore(const std::function<void()> &restore)
{
    const TileHold hold(m_displays);
    if (!m_runner.run(m_window, restore))
        return false;
    m_displays.refreshPicture();
    writeRecovery();
    return true;
}

void EditFinisher::makeLog(const QString &name)
{
    m_runner.run(m_window, [&] {
        m_history.makeLog(name, m_design);
        Recovery::writeSideFile(m_history, m_design);
    });
}

void EditFinisher::writeRecovery() { m_runner.run(m_window, [&] { Recovery::writeSideFile(m_history, m_design); }); }

} // namespace tessell
