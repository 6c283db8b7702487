#pragma once

// What lies under a client-area point. code is a photo index (>= 0, possibly past the last
// photo on the last spread) or one of the part codes; preset is the close-up view of a photo
// position (4 top left, 5 bottom left, 6 top right, 7 bottom right, as seen), 0 for everything
// else. The left and right paper are the spread's earlier and later page, named as a book bound
// on the left shows them; in a book bound on the right the earlier page lies on the right.
struct PickResult {
  static constexpr int kLeftPaper = -1;
  static constexpr int kRightPaper = -2;
  static constexpr int kCover = -3;
  static constexpr int kBackground = -4;
  static constexpr int kTurningPaper = -10;

  bool hit = false;
  int code = 0;
  int preset = 0;

  bool operator==(const PickResult&) const = default;
};
