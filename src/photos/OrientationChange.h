#pragma once

// The four display-orientation commands of the Photo menu and the photo pop-up menu.
enum class OrientationChange { RotateClockwise, RotateCounterClockwise, FlipHorizontal, FlipVertical };
