#pragma once

// Turn direction of the frame, one value for every face: a leaf or the interleaf turning towards
// the left (forward), back towards the right, or nothing turning.
inline constexpr int kTurnForward = 1;
inline constexpr int kTurnBackward = -1;
inline constexpr int kTurnNone = 0;

// The animation's linear progress clamped to [0, FullTurn] and eased so that a turn starts and ends
// slowly. Not-a-number is taken as 0.
float EaseProgress(float progress);

// How far the vertex at a grid column and row trails the eased progress of the whole leaf. Forward,
// the lower outer corner leads while the upper rows and the spine side trail; backward, the lower
// outer corner leads towards the right. Other directions have no lag.
float LocalLag(int column, int row, float progress, int direction);

// The turned fraction of the vertex at a grid column and row: eased progress less its lag, in [0, 1].
float TurnFraction(int column, int row, float progress, int direction);
