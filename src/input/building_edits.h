#pragma once

// How the input windows change a building already entered: the edited building replaces the
// project's model in one step, and the other windows are told. Every structural change of the
// editors of an existing building goes through commitBuilding, so that routing it through an
// undoable document is a change of this one function.
//
// A change of the grid, of the columns and beams, or of the slabs leaves the stored load results
// out of date. Leaving the editor distributes the loads again (redistributeQuietly); what stops
// the distribution (a slab without a supporting beam, a storey without columns) is said before
// the user leaves, and the window stays open.

#include "child_host.h"
#include "model.h"

#include <QString>

namespace orvanta {

// Replaces the project's building by the edited one and tells the other open windows.
void commitBuilding(ChildHost& host, Model edited, const QWidget* origin);

// Distributes the loads of the project's building without asking: a storey without load takes
// the substitute values, as after "Sì" to the usual question. On success the results are stored,
// the other windows are told and the status bar says so (`why`: "dopo la modifica della
// griglia"). On failure the reason is shown through the host's asker, nothing is stored and the
// result is false.
bool redistributeQuietly(ChildHost& host, const QString& why, const QWidget* origin);

} // namespace orvanta
