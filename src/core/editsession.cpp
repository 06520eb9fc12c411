#include "core/editsession.h"

#include <algorithm>

namespace quirnel {

EditSession::EditSession()
{
    of(DataList::Birthdays).lines = &m_birthdays;
    of(DataList::Appointments).lines = &m_appointments;
}

void EditSession::load(DataList which, QStringList lines, bool readable,
                       const datafile::Stamp &stamp, bool inOrder)
{
    Side &side = of(which);
    if (inOrder)
        side.lines->setLinesInOrder(std::move(lines));
    else
        side.lines->setLines(std::move(lines));
    side.lastSaved = side.lines->lines();
    side.parked.clear();
    side.emptied.clear();
    side.selected = -1;
    side.readable = readable;
    side.stamp = stamp;
    if (m_held && m_held->list == which)
        m_held.reset();
}

void EditSession::select(DataList which, int row)
{
    of(which).selected = row >= 0 && row < list(which).count() ? row : -1;
}

QString EditSession::takeSelected(DataList which)
{
    Side &side = of(which);
    const int row = std::exchange(side.selected, -1);
    return side.lines->takeAt(row);
}

void EditSession::addBack(DataList which, const QString &line)
{
    Side &side = of(which);
    const qsizetype row = side.lines->add(line);
    if (side.selected >= row)
        ++side.selected;
}

std::optional<QString> EditSession::holdSelected()
{
    if (m_held || selected(m_edited) < 0)
        return std::nullopt;
    m_held = Held{m_edited, takeSelected(m_edited)};
    return m_held->line;
}

bool EditSession::park(DataList which)
{
    if (selected(which) < 0)
        return false;
    of(which).parked.append(takeSelected(which));
    return true;
}

void EditSession::empty(DataList which)
{
    Side &side = of(which);
    side.emptied += side.lines->takeAll();
    side.selected = -1;
}

void EditSession::insert(DataList which, const QString &line)
{
    addBack(which, line);
}

void EditSession::discard()
{
    if (m_held)
        addBack(m_held->list, std::exchange(m_held, std::nullopt)->line);
    for (const DataList which : {DataList::Appointments, DataList::Birthdays}) {
        for (const QString &line : std::exchange(of(which).parked, {}))
            addBack(which, line);
    }
}

datafile::Encoded EditSession::bytesToSave(DataList which) const
{
    return datafile::encode(list(which).lines());
}

void EditSession::saved()
{
    for (const DataList which : {DataList::Birthdays, DataList::Appointments})
        saved(which, stamp(which));
}

void EditSession::saved(DataList which, const datafile::Stamp &stamp,
                        std::optional<QStringList> merged)
{
    if (m_held && m_held->list == which)
        m_held.reset();
    Side &side = of(which);
    if (merged) {
        side.lines->setLinesInOrder(*std::move(merged));
        side.selected = -1;
    }
    side.lastSaved = side.lines->lines();
    side.parked.clear();
    side.emptied.clear();
    side.stamp = stamp;
}

bool EditSession::hasUnsavedChanges() const
{
    return std::ranges::any_of(
        m_sides, [](const Side &side) { return side.lines->lines() != side.lastSaved; });
}

} // namespace quirnel
