#pragma once

#include "core/datafile.h"
#include "core/linelist.h"

#include <QStringList>

#include <array>
#include <optional>

namespace quirnel {

enum class DataList { Birthdays, Appointments };

// Both data lists while the program runs, and every line the user has taken out of them
// since the last save. The window shows the two LineLists and turns the user's actions
// into the operations below; nothing of this state lives in widgets.
//
// Invariant: every line loaded or inserted since the last save is in exactly one place:
// in its list, held (taken out by "Löschen" or "Editieren"), parked (taken out by a
// double-click) or emptied (by Shift+L), until saved() drops what is not in a list.
// discard() puts each held and parked line back into its list exactly once; an emptied
// list stays empty, as the user was told, until "Speichern" makes that final.
class EditSession
{
public:
    EditSession();

    // Replaces a list and all it had taken out; what is loaded counts as saved. A file that
    // could not be read gives an empty list that must never be saved over it. Lines already
    // put in order (as start-up does on its loading threads) are not checked again.
    void load(DataList which, QStringList lines, bool readable = true,
              const datafile::Stamp &stamp = {}, bool inOrder = false);
    bool wasReadable(DataList which) const { return of(which).readable; }
    // The lines as last loaded or saved, and which version of the file they came from.
    const QStringList &lastSaved(DataList which) const { return of(which).lastSaved; }
    const datafile::Stamp &stamp(DataList which) const { return of(which).stamp; }

    LineList &list(DataList which) { return *of(which).lines; }
    const LineList &list(DataList which) const { return *of(which).lines; }

    DataList edited() const { return m_edited; }
    void setEdited(DataList which) { m_edited = which; }

    // The row the user selected, -1 for none; it follows its line as lines come and go.
    int selected(DataList which) const { return of(which).selected; }
    void select(DataList which, int row);

    struct Held {
        DataList list;
        QString line;
    };
    const std::optional<Held> &held() const { return m_held; }
    // Take the selected line of the edited list out and hold it. Nothing happens, and
    // nothing is returned, when no line is selected or a line is already held: a second
    // take-out must never replace the first.
    std::optional<QString> takeOutForDeleting() { return holdSelected(); }
    std::optional<QString> takeOutForEditing() { return holdSelected(); }
    // A double-click: the selected line of that list is parked; false when none is.
    bool park(DataList which);
    const QStringList &parked(DataList which) const { return of(which).parked; }
    // Shift+L: every line of the list goes.
    void empty(DataList which);
    const QStringList &emptied(DataList which) const { return of(which).emptied; }
    void insert(DataList which, const QString &line);

    // "Abbrechen".
    void discard();
    // "Speichern": the whole file for a list; the caller writes both, then calls saved().
    datafile::Encoded bytesToSave(DataList which) const;
    void saved();
    // Both files are written, one of them merged with what another program changed: the
    // list shows what its file now holds.
    void saved(DataList which, const datafile::Stamp &stamp,
               std::optional<QStringList> merged = std::nullopt);

    bool hasUnsavedChanges() const;

private:
    struct Side {
        LineList *lines = nullptr;
        QStringList lastSaved;
        QStringList parked;
        QStringList emptied;
        int selected = -1;
        bool readable = true;
        datafile::Stamp stamp;
    };
    Side &of(DataList which) { return m_sides[std::size_t(which)]; }
    const Side &of(DataList which) const { return m_sides[std::size_t(which)]; }
    std::optional<QString> holdSelected();
    QString takeSelected(DataList which);
    void addBack(DataList which, const QString &line);

    LineList m_birthdays{true};
    LineList m_appointments{true};
    std::array<Side, 2> m_sides;
    DataList m_edited = DataList::Birthdays;
    std::optional<Held> m_held;
};

} // namespace quirnel
