#pragma once

// One phase of the tour of a spread that the movie export plays: what moves, between which
// camera views, and which of the three timing settings gives its length.
struct ShowcasePhase {
  enum class Action { TurnPage, TurnInterleaf, Hold, MoveCamera };
  enum class Length { Page, Zoom, View };

  Action action = Action::Hold;
  int fromView = 0;
  int toView = 0;
  Length length = Length::View;

  // A move onto one of the four photo views (4..7) from another view: the export counts each
  // such phase as one photo shown.
  bool ZoomsOntoPhoto() const { return toView >= 4 && toView <= 7 && fromView != toView; }

  bool operator==(const ShowcasePhase&) const = default;
};
